#include "checks.h"
#include "program_texts.h"
#include "scenario_support.h"

namespace {

struct ExpectedControl {
    int id;
    const char* className;
    const char* text;
    DWORD style;
    RECT rect;  // left, top, right, bottom in the main window's client area
};

// An edit control takes WS_BORDER out of its style and draws the frame itself (Windows
// draws it as a sunken edge): seen on screen, its outermost pixels are dark.
bool hasDrawnBorder(HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    HDC screen = GetDC(nullptr);
    int dark = 0;
    int samples = 0;
    for (int y = rect.top + 3; y < rect.bottom - 3; ++y, ++samples) {
        const COLORREF colour = GetPixel(screen, rect.left, y);
        if (GetRValue(colour) < 170 && GetGValue(colour) < 170 && GetBValue(colour) < 170)
            ++dark;
    }
    ReleaseDC(nullptr, screen);
    return samples > 0 && dark == samples;
}

// Style bits the system itself changes after creation: a radio button carries WS_TABSTOP
// while it is checked, and an edit control draws its WS_BORDER itself.
DWORD styleAsCreated(HWND control, const std::string& className, DWORD style)
{
    if (lstrcmpiA(className.c_str(), "Button") == 0 && (style & BS_TYPEMASK) == BS_RADIOBUTTON)
        return style & ~static_cast<DWORD>(WS_TABSTOP);
    if (lstrcmpiA(className.c_str(), "Edit") == 0 && hasDrawnBorder(control))
        return style | WS_BORDER;
    return style;
}

std::string rectText(const RECT& rect)
{
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " + std::to_string(rect.right - rect.left) +
           "x" + std::to_string(rect.bottom - rect.top);
}

std::string styleText(DWORD style)
{
    char text[16];
    wsprintfA(text, "0x%08lX", style);
    return text;
}

void expectControlLooks(const RunningApp& app, const ExpectedControl* controls, int count, const std::string& what)
{
    for (int i = 0; i < count; ++i) {
        const ExpectedControl& expected = controls[i];
        const std::string name = what + ", control " + std::to_string(expected.id);
        ControlLook look;
        if (!expect(readControlLook(app, expected.id, look), name + " exists"))
            continue;
        expect(lstrcmpiA(look.className.c_str(), expected.className) == 0,
               name + ": class " + look.className + ", expected " + expected.className);
        expectText(look.text, expected.text, name + ": text");
        const DWORD style = styleAsCreated(control(app, expected.id), look.className, look.style);
        expect(style == expected.style,
               name + ": style " + styleText(look.style) + ", expected " + styleText(expected.style));
        expect(EqualRect(&look.rect, &expected.rect) != 0,
               name + ": at " + rectText(look.rect) + ", expected " + rectText(expected.rect));
    }
}

}  // namespace

void expectStartLooks(const RunningApp& app)
{
    RECT frame;
    GetWindowRect(app.window, &frame);
    const RECT expectedFrame = {300, 100, 944, 625};
    expect(EqualRect(&frame, &expectedFrame) != 0, "the main window covers 300,100 644x525, it covers " + rectText(frame));
    expect(static_cast<DWORD>(GetWindowLongA(app.window, GWL_STYLE)) & WS_OVERLAPPEDWINDOW,
           "the main window has the overlapped window's frame");
    const ExpectedControl status[] = {{IDC_STATUS, "Static", startText, 0x50800001, {50, 180, 580, 330}}};
    expectControlLooks(app, status, 1, "at start");
    expect(panelControlsAre(app, false, false), "at start no panel is shown");
}

void expectSplitPanelLooks(const RunningApp& app)
{
    const ExpectedControl splitPanel[] = {
        {IDC_BY_COUNT, "Button", "Number of Parts", 0x50000004, {100, 30, 250, 50}},
        {IDC_BY_SIZE, "Button", "Part Size in KBs", 0x50000004, {100, 50, 250, 70}},
        {IDC_VALUE, "Edit", "", 0x50800000, {300, 30, 430, 70}},
        {IDC_START_SPLIT, "Button", "Start Splitting", 0x50800001, {250, 100, 400, 160}},
    };
    expectControlLooks(app, splitPanel, 4, "the Split panel");
    expect(isButtonChecked(app, IDC_BY_COUNT) && !isButtonChecked(app, IDC_BY_SIZE),
           "a new Split panel has \"Number of Parts\" selected");
}

void expectMergePanelLooks(const RunningApp& app)
{
    const ExpectedControl mergePanel[] = {
        {IDC_START_MERGE, "Button", "Start Merging", 0x50800001, {250, 100, 420, 160}},
    };
    expectControlLooks(app, mergePanel, 1, "the Merge panel");
}

void expectIconResource(const std::string& executable)
{
    // The icon group's directory: a 6-byte header, then one 14-byte entry per image.
#pragma pack(push, 2)
    struct GroupEntry {
        BYTE width, height, colourCount, reserved;
        WORD planes, bitCount;
        DWORD bytes;
        WORD id;
    };
    struct GroupHeader {
        WORD reserved, type, count;
        GroupEntry entries[1];
    };
#pragma pack(pop)
    HMODULE module = LoadLibraryExA(executable.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!expect(module != nullptr, "the program file can be read for its resources"))
        return;
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(301), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    if (expect(found != nullptr, "the program carries the icon group 301")) {
        const auto* group = static_cast<const GroupHeader*>(LockResource(LoadResource(module, found)));
        expect(group != nullptr && group->count == 1 && group->entries[0].width == 32 &&
                   group->entries[0].height == 32 && group->entries[0].bitCount == 32,
               "the icon group 301 holds one 32 x 32 image in 32-bit colour");
    }
    FreeLibrary(module);
}
