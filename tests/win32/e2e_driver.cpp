// Drives the real Quorvanteline.exe from outside, as a user would, and checks what its
// window shows and what it leaves on disk.
//
//   quorvanteline-driver.exe run EXE WORKDIR [PART]
//       runs every scenario, or those whose name holds PART; WORKDIR must be a fresh,
//       empty directory.
//   quorvanteline-driver.exe pose EXE WORKDIR
//       holds the window still at start and then with the Split panel, for a picture of
//       each: it makes WORKDIR\ready-start and goes on once WORKDIR\done-start exists,
//       then the same with ready-split and done-split.
// The exit code is 0 when every check passed.
#include "checks.h"
#include "disk_files.h"
#include "scenarios.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Scenario {
    const char* name;
    void (*run)(const Workspace&, RunningApp&);
};

const Scenario scenarios[] = {
    {"start-up, the file guard and closing when idle", startUpAndFileGuard},
    {"a full split by number of parts", splitByCount},
    {"a full split by part size, and the radio buttons", splitBySize},
    {"a full merge from a part file and from the info file", mergeFromPartAndInfoFile},
    {"the refusals of Start Splitting", splitRefusals},
    {"a long job: busy guards, Help during the job, the close question", longJob},
    {"a job's outcome reaches the status text behind the About box", outcomeBehindAboutBox},
};

// The program is copied into the work directory, so that the guide How To Use writes
// beside it lands there too.
bool prepareWorkspace(const char* executable, const char* directory, Workspace& workspace)
{
    workspace.directory = directory;
    workspace.executable = workspace.directory + "\\Quorvanteline.exe";
    return makeDirectory(workspace.directory) && CopyFileA(executable, workspace.executable.c_str(), FALSE);
}

bool runScenario(const char* name, const Workspace& workspace, void (*run)(const Workspace&, RunningApp&))
{
    beginScenario(name);
    RunningApp app;
    if (startApp(workspace, app))
        run(workspace, app);
    endApp(app);
    return endScenario();
}

int runAll(const Workspace& workspace, const std::string& namePart)
{
    int run = 0;
    int failed = 0;
    for (const Scenario& scenario : scenarios) {
        if (std::string(scenario.name).find(namePart) == std::string::npos)
            continue;
        ++run;
        failed += runScenario(scenario.name, workspace, scenario.run) ? 0 : 1;
    }
    std::printf("%d of %d scenarios failed\n", failed, run);
    return failed == 0 && run > 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const bool run = argc >= 4 && argc <= 5 && std::string(argv[1]) == "run";
    const bool pose = argc == 4 && std::string(argv[1]) == "pose";
    if (!run && !pose) {
        std::fprintf(stderr, "usage: %s run EXE WORKDIR [PART] | pose EXE WORKDIR\n", argv[0]);
        return 2;
    }
    Workspace workspace;
    if (!prepareWorkspace(argv[2], argv[3], workspace)) {
        std::fprintf(stderr, "cannot copy %s into %s\n", argv[2], argv[3]);
        return 2;
    }
    if (pose)
        return runScenario("the window posed for pictures", workspace, poseForPictures) ? 0 : 1;
    return runAll(workspace, argc == 5 ? argv[4] : "");
}
