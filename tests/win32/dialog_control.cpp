#include "dialog_control.h"

#include "checks.h"

#include <vector>

namespace {

// Ids of the standard dialogs' controls.
constexpr int messageTextId = 0xFFFF;  // the static holding a message box's text
constexpr int fileNameComboId = 0x47C;  // cmb13, the file name box of Windows' dialog
constexpr int fileNameEditId = 0x480;   // edt1, the file name box of older and Wine's dialogs

struct OwnedSearch {
    HWND owner;
    std::vector<HWND> found;
};

BOOL CALLBACK collectOwnedDialogs(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<OwnedSearch*>(parameter);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") == 0 && GetWindow(window, GW_OWNER) == search->owner && IsWindowVisible(window))
        search->found.push_back(window);
    return TRUE;
}

std::vector<HWND> ownedDialogs(const RunningApp& app)
{
    OwnedSearch search = {app.window, {}};
    EnumWindows(collectOwnedDialogs, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool isMessageBox(HWND dialog)
{
    return GetDlgItem(dialog, messageTextId) != nullptr;
}

// The first edit control inside `window`, at any depth: the combo box of the file name
// holds it one or two levels down.
HWND editInside(HWND window)
{
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = {};
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Edit") == 0)
            return child;
        if (HWND inner = editInside(child))
            return inner;
    }
    return nullptr;
}

HWND fileNameBox(HWND dialog)
{
    if (HWND combo = GetDlgItem(dialog, fileNameComboId))
        return editInside(combo);
    return GetDlgItem(dialog, fileNameEditId);
}

bool hasVisibleButton(HWND box, int id)
{
    HWND button = GetDlgItem(box, id);
    return button != nullptr && IsWindowVisible(button);
}

BoxButtons buttonsOf(HWND box)
{
    const bool ok = hasVisibleButton(box, IDOK);
    const bool yes = hasVisibleButton(box, IDYES);
    const bool no = hasVisibleButton(box, IDNO);
    const bool cancel = hasVisibleButton(box, IDCANCEL);
    if (ok && !yes && !no && !cancel)
        return BoxButtons::Ok;
    if (yes && no && !ok && !cancel)
        return BoxButtons::YesNo;
    return BoxButtons::Other;
}

// Which of the two icons a box shows, judged by the colours on screen: the exclamation
// mark stands on a yellow triangle, the information sign on a blue disc.
BoxIcon iconOf(HWND box)
{
    HWND icon = nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = {};
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Static") == 0 && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            icon = child;
            break;
        }
    }
    if (icon == nullptr || !IsWindowVisible(icon))
        return BoxIcon::Unknown;
    RECT rect;
    GetWindowRect(icon, &rect);
    HDC screen = GetDC(nullptr);
    int yellow = 0;
    int blue = 0;
    for (int y = rect.top; y < rect.bottom; y += 2) {
        for (int x = rect.left; x < rect.right; x += 2) {
            const COLORREF colour = GetPixel(screen, x, y);
            const int r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
            if (r > 160 && g > 130 && b < 110)
                ++yellow;
            else if (b > 150 && r < 120 && b > g)
                ++blue;
        }
    }
    ReleaseDC(nullptr, screen);
    if (yellow > 10 && yellow > 3 * blue)
        return BoxIcon::Exclamation;
    if (blue > 10 && blue > 3 * yellow)
        return BoxIcon::Information;
    return BoxIcon::Unknown;
}

const char* iconName(BoxIcon icon)
{
    switch (icon) {
    case BoxIcon::Exclamation:
        return "exclamation";
    case BoxIcon::Information:
        return "information";
    default:
        return "unknown";
    }
}

bool waitForOpenDialog(const RunningApp& app, HWND& dialog)
{
    return waitUntil([&] {
        for (HWND candidate : ownedDialogs(app)) {
            if (!isMessageBox(candidate) && fileNameBox(candidate) != nullptr && GetDlgItem(candidate, IDOK)) {
                dialog = candidate;
                return true;
            }
        }
        return false;
    });
}

void pressDialogButton(HWND dialog, int buttonId)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonId)));
}

struct TitleSearch {
    const std::string* part;
    HWND found;
};

BOOL CALLBACK matchTitle(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<TitleSearch*>(parameter);
    char title[512] = {};
    GetWindowTextA(window, title, sizeof title);
    if (!IsWindowVisible(window) || std::string(title).find(*search->part) == std::string::npos)
        return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

bool waitForMessageBox(const RunningApp& app, SeenMessageBox& seen, int timeoutMs)
{
    const bool appeared = waitUntil([&] {
        for (HWND candidate : ownedDialogs(app)) {
            if (isMessageBox(candidate)) {
                seen.box = candidate;
                return true;
            }
        }
        return false;
    }, timeoutMs);
    if (!appeared)
        return false;
    seen.caption = windowText(seen.box);
    seen.text = windowText(GetDlgItem(seen.box, messageTextId));
    seen.buttons = buttonsOf(seen.box);
    // The icon is judged from the screen, once the box has drawn it.
    waitUntil([&] { return (seen.icon = iconOf(seen.box)) != BoxIcon::Unknown; }, 3000);
    return true;
}

bool answerMessageBox(const SeenMessageBox& seen, int buttonId)
{
    pressDialogButton(seen.box, buttonId);
    return waitUntil([&] { return !IsWindow(seen.box); });
}

bool isMessageBoxOpen(const RunningApp& app)
{
    for (HWND candidate : ownedDialogs(app))
        if (isMessageBox(candidate))
            return true;
    return false;
}

bool expectMessageBox(const RunningApp& app, const std::string& caption, const std::string& text, BoxIcon icon,
                      const std::string& what)
{
    SeenMessageBox seen;
    if (!expect(waitForMessageBox(app, seen), what + ": a message box appears"))
        return false;
    bool passed = expectText(seen.caption, caption, what + ": caption");
    passed = expectText(seen.text, text, what + ": text") && passed;
    passed = expect(seen.buttons == BoxButtons::Ok, what + ": one OK button") && passed;
    passed = expect(seen.icon == icon, what + ": " + iconName(icon) + " icon, seen " + iconName(seen.icon)) && passed;
    passed = expect(answerMessageBox(seen, IDOK), what + ": the box closes with OK") && passed;
    return passed;
}

bool chooseInOpenDialog(const RunningApp& app, const std::string& path, bool cancel)
{
    postCommand(app, 101);  // File > Open
    HWND dialog = nullptr;
    if (!waitForOpenDialog(app, dialog))
        return false;
    setWindowText(fileNameBox(dialog), path);
    pressDialogButton(dialog, cancel ? IDCANCEL : IDOK);
    return waitUntil([&] { return !IsWindow(dialog); });
}

bool closeViewerOf(const std::string& fileName)
{
    TitleSearch search = {&fileName, nullptr};
    const bool appeared = waitUntil([&] {
        search.found = nullptr;
        EnumWindows(matchTitle, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    });
    if (!appeared)
        return false;
    PostMessageA(search.found, WM_CLOSE, 0, 0);
    return waitUntil([&] { return !IsWindow(search.found); });
}
