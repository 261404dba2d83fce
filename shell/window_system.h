#pragma once
#include <cstdint>

// What the shell logic asks of a window system. Every backend (win32/, qt/, and the fake
// one the unit tests link) implements each of these functions; the shell logic calls
// nothing else of the platform. Handles are opaque: each backend decides what they hold.

using WindowHandle = void*;
using FontHandle = void*;

enum class MessageIcon { Exclamation, Information };

enum class ControlKind { StaticText, RadioButton, EditBox, PushButton };

struct FontSpec {
    int height;   // character height in logical units, as CreateFontA takes it
    int weight;   // 0 for the face's default, 300 light, 700 bold, 800 extra-bold
    bool italic;
};

// One child control of the main window; positions and sizes are pixels of its client area.
struct ControlSpec {
    int id;
    ControlKind kind;
    const char* className;  // the Win32 class: "STATIC", "BUTTON" or "EDIT"
    const char* text;
    uint32_t style;         // the Win32 window style bits
    int x;
    int y;
    int width;
    int height;
};

// One item of the menu bar: the popup it belongs to, its text (with '&' before the
// mnemonic) and its command id.
struct MenuItem {
    const char* popupTitle;
    const char* text;
    int commandId;
};

// The menu bar of the main window, built from `items` in order; a new popup begins
// wherever the popup title changes.
void buildMenuBar(WindowHandle mainWindow, const MenuItem* items, int itemCount);

// Creates a control; nullptr when it cannot be made.
WindowHandle createControl(WindowHandle mainWindow, const ControlSpec& look);
void destroyControl(WindowHandle control);

// A font of the face "Times New Roman"; nullptr when it cannot be made.
FontHandle createFont(const FontSpec& look);
void setControlFont(WindowHandle control, FontHandle font);
void destroyFont(FontHandle font);

// Sets a control's text. May be called from any thread: the change is carried out on the
// window thread, when it next takes events (also inside a modal box), and the caller
// waits until it has been.
void setControlText(WindowHandle control, const char* text);
// Copies at most `capacity` - 1 characters of the control's text and a NUL into `buffer`.
void readControlText(WindowHandle control, char* buffer, int capacity);

void setRadioChecked(WindowHandle mainWindow, int controlId, bool checked);
bool isRadioChecked(WindowHandle mainWindow, int controlId);

// A modal box with one OK button, owned by `owner`.
void showMessage(WindowHandle owner, const char* text, const char* caption, MessageIcon icon);
// A modal Yes/No box with the exclamation icon, owned by `owner`; true for Yes.
bool askYesNo(WindowHandle owner, const char* text, const char* caption);

// The open dialog for one existing file, offering `path` (pathCapacity bytes) as its
// start. True with the chosen full path in `path`; false when cancelled or failed, with
// `path` in an unspecified state.
bool runOpenDialog(WindowHandle owner, char* path);

// Asks the desktop to open the file with the program it uses for such files.
void openWithDesktop(const char* path);

// The full path of the program's own executable; false when it cannot be had in full.
bool executablePath(char* buffer, int capacity);

// Runs `procedure(argument)` on a new thread that nobody waits for. False when no thread
// could be started; `argument` then still belongs to the caller.
bool startThread(uint32_t (*procedure)(void*), void* argument);
void sleepMilliseconds(int milliseconds);

// File > Exit: asks the main window to close, as its close box does.
void postCloseRequest(WindowHandle mainWindow);
// Destroys the main window, which ends the program.
void destroyMainWindow(WindowHandle mainWindow);
