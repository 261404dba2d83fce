// The program's entry point and the window procedure of its main window.
#include "shell/command_ids.h"
#include "shell/layout.h"
#include "shell/shell.h"

#include <windows.h>

namespace {

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        onCreate(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_SETFOCUS:
        // No default processing: no control is given the focus.
        return 0;
    case WM_CLOSE:
        // Never the default handling, which would destroy the window without asking.
        onClose();
        return 0;
    case WM_COMMAND:
        onCommand(LOWORD(wParam));
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool registerWindowClass(HINSTANCE instance)
{
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = windowProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APP_ICON));
    windowClass.hIconSm = static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(IDI_APP_ICON), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = mainWindowClass;
    return RegisterClassExA(&windowClass) != 0;
}

HWND createMainWindow(HINSTANCE instance)
{
    return CreateWindowExA(0, mainWindowClass, mainWindowTitle, WS_OVERLAPPEDWINDOW, mainWindowX, mainWindowY,
                           mainWindowWidth, mainWindowHeight, nullptr, nullptr, instance, nullptr);
}

int runMessageLoop()
{
    // No IsDialogMessage: Tab does not move between the controls, Enter presses nothing.
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    if (!registerWindowClass(instance))
        return 0;
    HWND window = createMainWindow(instance);
    if (window == nullptr) {
        MessageBoxA(nullptr, "Window Creation Failed!", "Error!", MB_ICONEXCLAMATION);
        return 0;
    }
    onStartup();
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return runMessageLoop();
}
