#pragma once
#include "shell/window_system.h"

#include <filesystem>
#include <string>
#include <vector>

// A window system made of plain records, for the shell logic's unit tests. It keeps the
// controls and fonts the shell makes, writes every call made on the window thread into a
// log, answers the dialogs as a test scripts them, and runs thread procedures on real
// threads.
//
// The window thread is the thread that called resetFakeWindowSystem. A setControlText
// from any other thread is queued and its caller waits, as a sent WM_SETTEXT waits, until
// the window thread takes messages: takeMessages(), or the modal loop of a message box, a
// question or the open dialog.

// The handle of the fake main window, to hand to onCreate.
WindowHandle fakeMainWindow();

// A control as the shell made it, with what has happened to it since.
struct FakeControl {
    ControlSpec created{};
    std::string text;
    bool checked = false;
    bool destroyed = false;
    FontHandle font = nullptr;
};

// A font as the shell made it; `number` counts the fonts made since the reset, from 1.
struct FakeFont {
    FontSpec created{};
    int number = 0;
    bool destroyed = false;
};

// One message box or question, as shown.
struct FakeMessage {
    std::string text;
    std::string caption;
    std::string kind;  // "Exclamation" or "Information" for a box, "YesNo" for a question
};

// One item of the menu bar, as built.
struct FakeMenuItem {
    std::string popupTitle;
    std::string text;
    int commandId = 0;
};

// One call of startThread, with what the job state held at that moment.
struct FakeThreadStart {
    std::string procedure;  // "splitWorker", "mergeWorker", "statusReporter" or "other"
    bool idleAtCall = false;
    uint32_t jobsStartedAtCall = 0;
};

// The answers and behaviour a test scripts before it acts.
struct FakeScript {
    bool openDialogAccepts = false;
    std::string openDialogPath;   // the path an accepting dialog returns
    bool yesNoAnswer = false;
    bool executablePathKnown = true;
    int threadStartsThatFail = 0;   // the next this many startThread calls fail
    int workerStartDelayMilliseconds = 0;  // how late a started worker begins, as on a loaded machine
};

// Joins every thread the fake has started (carrying out their sent texts meanwhile), then
// forgets every control, font, call and answer. `executableDirectory` is where
// executablePath places the program.
void resetFakeWindowSystem(const std::filesystem::path& executableDirectory);

// Joins every thread started so far, carrying out their sent texts while they end.
void joinFakeThreads();

FakeScript& fakeScript();

// The calls made on the window thread, in order, one line each, such as
// "createControl 112", "setRadioChecked 113 0" or "setControlText 111 <text>".
std::vector<std::string> fakeLog();
void clearFakeLog();

std::vector<FakeMessage> fakeMessages();
std::vector<FakeMenuItem> fakeMenuBar();
std::vector<FakeThreadStart> fakeThreadStarts();

// The live (not destroyed) control of this id, or nullptr.
FakeControl* liveControl(int controlId);
// Every control made since the reset, destroyed ones included, in order of creation.
std::vector<FakeControl*> allControls();
FakeFont* fakeFont(FontHandle font);

// What the status text shows now.
std::string statusTextNow();

// The user types into a control.
void typeInto(int controlId, const std::string& text);

// The window thread takes messages: carries out every queued sent text, then every posted
// close request (through onClose). Returns how many sent texts were carried out.
int takeMessages();
// Waits until another thread has sent a text, then takes messages. False when none came
// within a minute: a hang turned into a failure.
bool waitForSentTextAndTakeMessages();

// The path an open dialog was offered as its start, at each run.
std::vector<std::string> openDialogStartPaths();
// The paths handed to openWithDesktop.
std::vector<std::string> openedWithDesktop();

bool mainWindowDestroyed();
// How often a thread other than the window thread called sleepMilliseconds.
int sleepsOffWindowThread();
// Blocks until another thread has slept at least `count` times; false after a minute.
bool waitForSleepsOffWindowThread(int count);
