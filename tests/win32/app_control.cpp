#include "app_control.h"

#include <vector>

namespace {

constexpr UINT messageTimeoutMs = 5000;

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK matchMainWindow(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner != search->processId || lstrcmpA(className, "WindowsApp") != 0 || windowText(window) != "Quorvanteline")
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND findMainWindow(DWORD processId)
{
    WindowSearch search = {processId, nullptr};
    EnumWindows(matchMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

bool launchApp(const std::string& executable, const std::string& directory, RunningApp& app)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    std::vector<char> commandLine(executable.begin(), executable.end());
    commandLine.push_back('\0');
    if (!CreateProcessA(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.c_str(), &startup, &started))
        return false;
    CloseHandle(started.hThread);
    app.process = started.hProcess;
    app.processId = started.dwProcessId;
    return waitUntil([&] {
        app.window = findMainWindow(app.processId);
        return app.window != nullptr && IsWindowVisible(app.window);
    });
}

bool isRunning(const RunningApp& app)
{
    return app.process != nullptr && WaitForSingleObject(app.process, 0) == WAIT_TIMEOUT;
}

bool waitForExit(const RunningApp& app, DWORD& exitCode, int timeoutMs)
{
    if (WaitForSingleObject(app.process, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(app.process, &exitCode) != 0;
}

void endApp(RunningApp& app)
{
    if (app.process == nullptr)
        return;
    if (isRunning(app)) {
        postCommand(app, 102);  // File > Exit: closes at once when idle
        DWORD exitCode = 0;
        if (!waitForExit(app, exitCode, 3000))
            TerminateProcess(app.process, 1);
        WaitForSingleObject(app.process, 5000);
    }
    CloseHandle(app.process);
    app = RunningApp{};
}

void postCommand(const RunningApp& app, int commandId)
{
    PostMessageA(app.window, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

void postClose(const RunningApp& app)
{
    PostMessageA(app.window, WM_CLOSE, 0, 0);
}

HWND control(const RunningApp& app, int controlId)
{
    return GetDlgItem(app.window, controlId);
}

std::string windowText(HWND window)
{
    char text[1024] = {};
    DWORD_PTR copied = 0;
    if (window == nullptr ||
        !SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                             messageTimeoutMs, &copied))
        return "<no text>";
    return std::string(text, copied);
}

void setWindowText(HWND window, const std::string& text)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL,
                        messageTimeoutMs, &result);
}

std::string statusText(const RunningApp& app)
{
    return windowText(control(app, 111));
}

bool waitForStatus(const RunningApp& app, const std::string& expected, int timeoutMs)
{
    return waitUntil([&] { return statusText(app) == expected; }, timeoutMs);
}

bool isButtonChecked(const RunningApp& app, int controlId)
{
    DWORD_PTR state = 0;
    SendMessageTimeoutA(control(app, controlId), BM_GETCHECK, 0, 0, SMTO_NORMAL, messageTimeoutMs, &state);
    return state == BST_CHECKED;
}

bool readControlLook(const RunningApp& app, int controlId, ControlLook& look)
{
    HWND child = control(app, controlId);
    if (child == nullptr)
        return false;
    char className[64] = {};
    GetClassNameA(child, className, sizeof className);
    look.className = className;
    look.text = windowText(child);
    look.style = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
    GetWindowRect(child, &look.rect);
    MapWindowPoints(nullptr, app.window, reinterpret_cast<POINT*>(&look.rect), 2);
    return true;
}
