#pragma once
#include <windows.h>

#include <string>

// Running Quorvanteline.exe and working its main window from outside, the way a user
// would: commands arrive as posted WM_COMMAND messages, so the driver never waits on a
// modal box that a command opens.

// Generous, for a loaded machine under Wine; every wait polls and ends as soon as it can.
constexpr int defaultTimeoutMs = 20000;

struct RunningApp {
    HANDLE process = nullptr;
    DWORD processId = 0;
    HWND window = nullptr;
};

// Polls `condition` every 20 ms until it holds or `timeoutMs` have passed.
template <typename Condition>
bool waitUntil(Condition condition, int timeoutMs = defaultTimeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(20);
    }
}

// Starts the program in `directory` and waits for its main window (class "WindowsApp",
// title "Quorvanteline"). False when it does not appear.
bool launchApp(const std::string& executable, const std::string& directory, RunningApp& app);
// Ends a program the scenario has left running: File > Exit, and if it does not end
// (a job still runs, or a box is open), the process is terminated.
void endApp(RunningApp& app);
bool isRunning(const RunningApp& app);
// Waits for the process to end; its exit code in `exitCode`.
bool waitForExit(const RunningApp& app, DWORD& exitCode, int timeoutMs = defaultTimeoutMs);

// A menu command or a control's click, as the window receives it.
void postCommand(const RunningApp& app, int commandId);
// What the close box sends.
void postClose(const RunningApp& app);

HWND control(const RunningApp& app, int controlId);
// A window's text as WM_GETTEXT gives it.
std::string windowText(HWND window);
void setWindowText(HWND window, const std::string& text);
std::string statusText(const RunningApp& app);
// Waits until the status text reads `expected`.
bool waitForStatus(const RunningApp& app, const std::string& expected, int timeoutMs = defaultTimeoutMs);
bool isButtonChecked(const RunningApp& app, int controlId);

// A child control's class, style and rectangle in the main window's client area.
struct ControlLook {
    std::string className;
    std::string text;
    DWORD style = 0;
    RECT rect = {};
};
bool readControlLook(const RunningApp& app, int controlId, ControlLook& look);
