#pragma once
#include "app_control.h"

#include <string>

// The modal windows the program opens: its message boxes and the system's open dialog.

enum class BoxIcon { Exclamation, Information, Unknown };

enum class BoxButtons { Ok, YesNo, Other };

struct SeenMessageBox {
    HWND box = nullptr;
    std::string caption;
    std::string text;
    BoxButtons buttons = BoxButtons::Other;
    BoxIcon icon = BoxIcon::Unknown;
};

// Waits for a message box owned by the main window and reads it.
bool waitForMessageBox(const RunningApp& app, SeenMessageBox& seen, int timeoutMs = defaultTimeoutMs);
// Presses a button of an open box (IDOK, IDYES, IDNO) and waits until the box is gone.
bool answerMessageBox(const SeenMessageBox& seen, int buttonId);
// True when a box owned by the main window is open now.
bool isMessageBoxOpen(const RunningApp& app);

// Waits for the box, checks its caption, text, buttons and icon, and closes it with OK.
bool expectMessageBox(const RunningApp& app, const std::string& caption, const std::string& text, BoxIcon icon,
                      const std::string& what);

// File > Open through the real dialog: types `path` into its file name box and presses
// Open (or Cancel when `cancel`). True when the dialog appeared and closed again.
bool chooseInOpenDialog(const RunningApp& app, const std::string& path, bool cancel = false);

// The text viewer the desktop opened for `fileName`: waits for a top-level window whose
// title holds the name, then closes it.
bool closeViewerOf(const std::string& fileName);
