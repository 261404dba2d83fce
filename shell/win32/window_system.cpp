// The Win32 implementation of the window system the shell logic talks to. Every call is
// the ANSI (…A) form; handles cross the seam as the opaque pointers of window_system.h.
#include "shell/window_system.h"

#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#include <cstddef>

namespace {

HWND asWindow(WindowHandle handle)
{
    return static_cast<HWND>(handle);
}

HFONT asFont(FontHandle handle)
{
    return static_cast<HFONT>(handle);
}

// A control id travels in the menu-handle argument of CreateWindowExA.
HMENU idAsMenu(int id)
{
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

UINT iconStyle(MessageIcon icon)
{
    return icon == MessageIcon::Exclamation ? MB_ICONEXCLAMATION : MB_ICONINFORMATION;
}

// The structure without its trailing reserved fields, as the pre-2000 dialogs know it:
// 76 bytes in a 32-bit build, 136 in a 64-bit one.
constexpr DWORD openDialogStructSize = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);

// One filter, shown as "All Files (*.*)" and matching every file; the list ends with an
// empty entry, hence the extra NUL after the one the literal supplies.
constexpr char allFilesFilter[] = "All Files (*.*)\0*.*\0";
static_assert(sizeof allFilesFilter == 21);

constexpr DWORD openDialogFlags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
static_assert(openDialogFlags == 0x00081004);

// The shell's thread procedures have the signature uint32_t(void*); CreateThread wants
// DWORD WINAPI(LPVOID). The box carries the procedure across and the trampoline calls it.
struct ThreadBox {
    uint32_t (*procedure)(void*);
    void* argument;
};

DWORD WINAPI threadTrampoline(LPVOID parameter)
{
    const ThreadBox box = *static_cast<ThreadBox*>(parameter);
    delete static_cast<ThreadBox*>(parameter);
    return box.procedure(box.argument);
}

}  // namespace

void buildMenuBar(WindowHandle mainWindow, const MenuItem* items, int itemCount)
{
    HMENU bar = CreateMenu();
    HMENU popup = nullptr;
    const char* popupTitle = nullptr;
    for (int i = 0; i < itemCount; ++i) {
        if (popup == nullptr || lstrcmpA(popupTitle, items[i].popupTitle) != 0) {
            popupTitle = items[i].popupTitle;
            popup = CreatePopupMenu();
            AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), popupTitle);
        }
        AppendMenuA(popup, MF_STRING, static_cast<UINT_PTR>(items[i].commandId), items[i].text);
    }
    SetMenu(asWindow(mainWindow), bar);
}

WindowHandle createControl(WindowHandle mainWindow, const ControlSpec& look)
{
    return CreateWindowExA(0, look.className, look.text, look.style, look.x, look.y, look.width, look.height,
                           asWindow(mainWindow), idAsMenu(look.id), GetModuleHandleA(nullptr), nullptr);
}

void destroyControl(WindowHandle control)
{
    DestroyWindow(asWindow(control));
}

FontHandle createFont(const FontSpec& look)
{
    return CreateFontA(look.height, 0, 0, 0, look.weight, look.italic ? TRUE : FALSE, 0, 0, 0, 0, 0, 0, 0,
                       "Times New Roman");
}

void setControlFont(WindowHandle control, FontHandle font)
{
    SendMessageA(asWindow(control), WM_SETFONT, reinterpret_cast<WPARAM>(asFont(font)), 0);
}

void destroyFont(FontHandle font)
{
    DeleteObject(asFont(font));
}

void setControlText(WindowHandle control, const char* text)
{
    // A sent message: from another thread, Windows carries it out on the window thread
    // when that thread next takes messages, and this call waits until it has.
    SendMessageA(asWindow(control), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void readControlText(WindowHandle control, char* buffer, int capacity)
{
    if (capacity <= 0)
        return;
    buffer[0] = '\0';
    SendMessageA(asWindow(control), WM_GETTEXT, static_cast<WPARAM>(capacity), reinterpret_cast<LPARAM>(buffer));
}

void setRadioChecked(WindowHandle mainWindow, int controlId, bool checked)
{
    CheckDlgButton(asWindow(mainWindow), controlId, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool isRadioChecked(WindowHandle mainWindow, int controlId)
{
    return IsDlgButtonChecked(asWindow(mainWindow), controlId) != 0;
}

void showMessage(WindowHandle owner, const char* text, const char* caption, MessageIcon icon)
{
    MessageBoxA(asWindow(owner), text, caption, iconStyle(icon));
}

bool askYesNo(WindowHandle owner, const char* text, const char* caption)
{
    return MessageBoxA(asWindow(owner), text, caption, MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

bool runOpenDialog(WindowHandle owner, char* path)
{
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = openDialogStructSize;
    dialog.hwndOwner = asWindow(owner);
    dialog.lpstrFilter = allFilesFilter;
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.Flags = openDialogFlags;
    dialog.lpstrDefExt = "txt";
    return GetOpenFileNameA(&dialog) != 0;
}

void openWithDesktop(const char* path)
{
    ShellExecuteA(nullptr, "open", path, nullptr, nullptr, SW_SHOWDEFAULT);
}

bool executablePath(char* buffer, int capacity)
{
    const DWORD length = GetModuleFileNameA(nullptr, buffer, static_cast<DWORD>(capacity));
    // A length equal to the capacity means the path was cut short.
    return length != 0 && length != static_cast<DWORD>(capacity);
}

bool startThread(uint32_t (*procedure)(void*), void* argument)
{
    auto* box = new ThreadBox{procedure, argument};
    HANDLE thread = CreateThread(nullptr, 0, threadTrampoline, box, 0, nullptr);
    if (thread == nullptr) {
        delete box;
        return false;
    }
    // Nobody waits for the thread, so its handle is not kept.
    CloseHandle(thread);
    return true;
}

void sleepMilliseconds(int milliseconds)
{
    Sleep(static_cast<DWORD>(milliseconds));
}

void postCloseRequest(WindowHandle mainWindow)
{
    PostMessageA(asWindow(mainWindow), WM_CLOSE, 0, 0);
}

void destroyMainWindow(WindowHandle mainWindow)
{
    DestroyWindow(asWindow(mainWindow));
}
