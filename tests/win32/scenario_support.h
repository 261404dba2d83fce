#pragma once
#include "app_control.h"
#include "dialog_control.h"

#include <string>

// Steps that several scenarios share, each checked as it is taken.

// Command and control ids of the program's window.
constexpr int IDM_OPEN = 101;
constexpr int IDM_EXIT = 102;
constexpr int IDM_SPLIT = 103;
constexpr int IDM_MERGE = 104;
constexpr int IDM_HOWTO = 105;
constexpr int IDM_ABOUT = 106;
constexpr int IDC_STATUS = 111;
constexpr int IDC_BY_COUNT = 112;
constexpr int IDC_BY_SIZE = 113;
constexpr int IDC_VALUE = 114;
constexpr int IDC_START_SPLIT = 115;
constexpr int IDC_START_MERGE = 116;

// Where a run works: the program's copy and the fresh directory of the scenarios.
struct Workspace {
    std::string executable;
    std::string directory;
};

// The workspace's directory for one scenario, made fresh.
std::string scenarioDirectory(const Workspace& workspace, const char* name);

bool startApp(const Workspace& workspace, RunningApp& app);
// File > Open with the real dialog; the status text then shows the path.
bool openFile(const RunningApp& app, const std::string& path);
// Types into the value box and reads it back.
bool typeValue(const RunningApp& app, const std::string& text);
// The Split panel with the given choice and value, then Start Splitting.
bool pressStartSplitting(const RunningApp& app, bool byCount, const std::string& value);
// Whether the panel controls of the ids exist now.
bool panelControlsAre(const RunningApp& app, bool split, bool merge);
// A command that must be refused with the Error box of `text`.
bool expectRefusal(const RunningApp& app, int commandId, const char* text, const std::string& what);

// The main window at start: its frame, the status text, no panel.
void expectStartLooks(const RunningApp& app);
// A freshly built panel: every control's class, text, style, place and size.
void expectSplitPanelLooks(const RunningApp& app);
void expectMergePanelLooks(const RunningApp& app);
// The program file's icon group 301: one 32 x 32 image in 32-bit colour.
void expectIconResource(const std::string& executable);
