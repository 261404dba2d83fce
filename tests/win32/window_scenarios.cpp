#include "checks.h"
#include "disk_files.h"
#include "program_texts.h"
#include "scenarios.h"

void startUpAndFileGuard(const Workspace& workspace, RunningApp& app)
{
    const std::string directory = scenarioDirectory(workspace, "startup");
    expectStartLooks(app);
    expectIconResource(workspace.executable);

    struct Guarded {
        int commandId;
        const char* name;
    };
    const Guarded guarded[] = {{IDM_SPLIT, "Actions > Split"},
                               {IDM_MERGE, "Actions > Merge"},
                               {IDC_START_SPLIT, "Start Splitting"},
                               {IDC_START_MERGE, "Start Merging"}};
    for (const Guarded& command : guarded)
        expectRefusal(app, command.commandId, noFileText, std::string(command.name) + " before a file is chosen");
    expect(panelControlsAre(app, false, false), "the refused commands build no panel");

    const std::string file = directory + "\\cancelled.txt";
    writeFile(file, patternBytes(10, 1));
    expect(chooseInOpenDialog(app, file, true), "the open dialog appears and is cancelled");
    expectText(statusText(app), startText, "a cancelled open dialog leaves the status text");
    expectRefusal(app, IDM_SPLIT, noFileText, "Actions > Split after a cancelled dialog");

    postCommand(app, IDM_EXIT);
    DWORD exitCode = 1;
    expect(waitForExit(app, exitCode), "File > Exit while idle ends the program without a question");
    expect(exitCode == 0, "the program's exit code is 0, it is " + std::to_string(exitCode));
}

namespace {

// Says that the window is ready for a picture and waits until it has been taken.
bool holdForPicture(const std::string& directory, const char* stage)
{
    // Give the window time to draw itself completely first.
    Sleep(500);
    writeFile(directory + "\\ready-" + stage, {});
    return expect(waitUntil([&] { return fileExists(directory + "\\done-" + stage); }, 60000),
                  std::string("the picture of the ") + stage + " window is taken");
}

}  // namespace

void poseForPictures(const Workspace& workspace, RunningApp& app)
{
    holdForPicture(workspace.directory, "start");
    const std::string directory = scenarioDirectory(workspace, "pose");
    const std::string file = directory + "\\holiday photos.zip";
    writeFile(file, patternBytes(4096, 9));
    if (!openFile(app, file))
        return;
    postCommand(app, IDM_SPLIT);
    expect(waitUntil([&] { return panelControlsAre(app, true, false); }), "the Split panel appears");
    typeValue(app, "4");
    holdForPicture(workspace.directory, "split");
}
