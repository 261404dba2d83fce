#pragma once
#include "shell/window_system.h"

#include <cstdint>

// The window logic that every backend shares. A backend creates the main window, hands
// its events to these handlers, and carries out the calls of window_system.h.

// The main window and its status text, valid from onCreate until the window is destroyed.
extern WindowHandle mainWindow;
extern WindowHandle statusText;

// The window's creation: builds the menu bar and the status text with its font.
void onCreate(WindowHandle window);
// After the window exists and before it is shown: no file chosen, no job running.
void onStartup();
// A menu command or a control's notification, by id.
void onCommand(int commandId);
// A request to close the main window: at once when idle, after a question otherwise.
void onClose();

// Thread procedure: waits until the job is idle, then shows its outcome in the status
// text. Owns its ReporterTarget.
uint32_t statusReporter(void* target);

// Writes the guide beside the executable and asks the desktop to open it. False only when
// the file cannot be opened for writing.
bool writeHelpFile();
