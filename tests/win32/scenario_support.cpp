#include "scenario_support.h"

#include "checks.h"
#include "disk_files.h"
#include "program_texts.h"

std::string scenarioDirectory(const Workspace& workspace, const char* name)
{
    const std::string directory = workspace.directory + "\\" + name;
    expect(makeDirectory(directory), std::string("make the directory ") + directory);
    return directory;
}

bool startApp(const Workspace& workspace, RunningApp& app)
{
    return expect(launchApp(workspace.executable, workspace.directory, app), "the main window appears");
}

bool openFile(const RunningApp& app, const std::string& path)
{
    if (!expect(chooseInOpenDialog(app, path), "the open dialog takes " + path))
        return false;
    return expect(waitForStatus(app, path), "the status text shows the chosen path " + path + " (it shows \"" +
                                                 statusText(app) + "\")");
}

bool typeValue(const RunningApp& app, const std::string& text)
{
    setWindowText(control(app, IDC_VALUE), text);
    return expectText(windowText(control(app, IDC_VALUE)), text, "the value box takes the typed text");
}

bool pressStartSplitting(const RunningApp& app, bool byCount, const std::string& value)
{
    if (control(app, IDC_START_SPLIT) == nullptr) {
        postCommand(app, IDM_SPLIT);
        if (!expect(waitUntil([&] { return control(app, IDC_START_SPLIT) != nullptr; }), "the Split panel appears"))
            return false;
    }
    const int choice = byCount ? IDC_BY_COUNT : IDC_BY_SIZE;
    postCommand(app, choice);
    if (!expect(waitUntil([&] { return isButtonChecked(app, choice); }), "the chosen radio button is checked"))
        return false;
    if (!typeValue(app, value))
        return false;
    postCommand(app, IDC_START_SPLIT);
    return true;
}

bool panelControlsAre(const RunningApp& app, bool split, bool merge)
{
    for (int id = IDC_BY_COUNT; id <= IDC_START_SPLIT; ++id)
        if ((control(app, id) != nullptr) != split)
            return false;
    return (control(app, IDC_START_MERGE) != nullptr) == merge;
}

bool expectRefusal(const RunningApp& app, int commandId, const char* text, const std::string& what)
{
    postCommand(app, commandId);
    return expectMessageBox(app, "Error", text, BoxIcon::Exclamation, what);
}
