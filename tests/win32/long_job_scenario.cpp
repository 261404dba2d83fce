#include "checks.h"
#include "disk_files.h"
#include "help_text_bytes.h"
#include "program_texts.h"
#include "scenarios.h"

// A split into 1 KB parts of a 300 MB file makes 307,200 part files, far more than Wine
// writes in the time the checks below take. The program is closed before the split ends.

namespace {

struct JobProbe {
    const RunningApp* app;
    std::string baseName;
};

// The job still runs: the waiting text stands and the info file, written last, is absent.
bool jobRuns(const JobProbe& job)
{
    return statusText(*job.app) == splittingText && !fileExists(job.baseName + "_part0.qvo");
}

bool expectJobRuns(const JobProbe& job, const std::string& when)
{
    return expect(jobRuns(job), "the split still runs " + when +
                                    " (if it has ended, the long job is too short for this machine)");
}

void busyGuards(const RunningApp& app)
{
    struct Guarded {
        int commandId;
        const char* name;
    };
    const Guarded guarded[] = {{IDM_OPEN, "File > Open"},
                               {IDM_SPLIT, "Actions > Split"},
                               {IDM_MERGE, "Actions > Merge"},
                               {IDC_START_SPLIT, "Start Splitting"},
                               {IDC_START_MERGE, "Start Merging"}};
    for (const Guarded& command : guarded)
        expectRefusal(app, command.commandId, busyText, std::string(command.name) + " during a split");
}

// The radio buttons ignore clicks during a job, without a box: the About box that a later
// command opens is the first box to appear.
void silentRadiosAndAbout(const RunningApp& app)
{
    postCommand(app, IDC_BY_COUNT);
    postCommand(app, IDM_ABOUT);
    SeenMessageBox seen;
    if (!expect(waitForMessageBox(app, seen), "About during a split shows its box"))
        return;
    expectText(seen.caption, aboutCaption, "the first box after a radio click during a split is About's");
    expectText(seen.text, aboutTextOfProgram(), "the About text");
    expect(seen.buttons == BoxButtons::Ok && seen.icon == BoxIcon::Information,
           "the About box has one OK button and the information icon");
    answerMessageBox(seen, IDOK);
    expect(isButtonChecked(app, IDC_BY_SIZE) && !isButtonChecked(app, IDC_BY_COUNT),
           "a radio click during a split changes nothing");
}

void howToUse(const Workspace& workspace, const RunningApp& app)
{
    const std::string helpPath = workspace.directory + "\\" + helpFileName;
    writeFile(helpPath, patternBytes(3000, 8));  // an edited guide, to be written anew
    postCommand(app, IDM_HOWTO);
    expect(closeViewerOf(helpFileName), "How To Use during a split opens the guide in a viewer");
    Bytes written;
    expect(readFile(helpPath, written), "the guide is written beside the program");
    expect(written.size() == 1519, "the guide holds 1519 bytes, it holds " + std::to_string(written.size()));
    expect(written == helpFileBytes(), "the guide holds the help text with CR LF line ends");
    expect(!isMessageBoxOpen(app), "How To Use shows no box when the guide could be written");
}

void closeQuestion(const RunningApp& app, bool fromExitCommand, int answer)
{
    if (fromExitCommand)
        postCommand(app, IDM_EXIT);
    else
        postClose(app);
    SeenMessageBox seen;
    const std::string what = fromExitCommand ? "File > Exit during a split" : "the close box during a split";
    if (!expect(waitForMessageBox(app, seen), what + " asks first"))
        return;
    expectText(seen.caption, "Error", what + ": caption");
    expectText(seen.text, closeQuestionText, what + ": question");
    expect(seen.buttons == BoxButtons::YesNo && seen.icon == BoxIcon::Exclamation,
           what + ": Yes and No buttons and the exclamation icon");
    expect(answerMessageBox(seen, answer), what + ": the answer closes the box");
}

}  // namespace

void longJob(const Workspace& workspace, RunningApp& app)
{
    const std::string directory = scenarioDirectory(workspace, "longjob");
    const std::string file = directory + "\\big.iso";
    if (!expect(makeSparseFile(file, 314572800), "make a 300 MB file") || !openFile(app, file))
        return;
    const JobProbe job = {&app, directory + "\\big"};
    pressStartSplitting(app, false, "1");
    if (!expect(waitForStatus(app, splittingText), "the status text shows that the file is being split"))
        return;

    busyGuards(app);
    expectJobRuns(job, "after the busy guards");
    silentRadiosAndAbout(app);
    howToUse(workspace, app);
    expectJobRuns(job, "after How To Use");

    closeQuestion(app, true, IDNO);
    expect(IsWindow(app.window) && isRunning(app), "No keeps the window");
    const uint64_t partsAtNo = highestPartNumber(job.baseName);
    expect(waitUntil([&] { return highestPartNumber(job.baseName) > partsAtNo + 100; }),
           "No keeps the split going: more part files appear");
    expectJobRuns(job, "after No");

    closeQuestion(app, false, IDYES);
    DWORD exitCode = 1;
    expect(waitForExit(app, exitCode), "Yes ends the program");
    expect(exitCode == 0, "the program's exit code is 0, it is " + std::to_string(exitCode));
    expect(!fileExists(job.baseName + "_part0.qvo"), "the split ended unfinished: no info file");
    expect(highestPartNumber(job.baseName) < 307200, "the split ended unfinished: not every part was written");
}

void outcomeBehindAboutBox(const Workspace& workspace, RunningApp& app)
{
    // 1 KB parts of an 8 MB file: 8192 part files, some seconds of work under Wine.
    const std::string directory = scenarioDirectory(workspace, "behindabout");
    const std::string file = directory + "\\pictures.tar";
    const Bytes original = patternBytes(8 * 1024 * 1024, 10);
    writeFile(file, original);
    if (!openFile(app, file))
        return;
    pressStartSplitting(app, false, "1");
    postCommand(app, IDM_ABOUT);
    SeenMessageBox about;
    if (!expect(waitForMessageBox(app, about), "About during a split shows its box"))
        return;
    const JobProbe job = {&app, directory + "\\pictures"};
    if (expectJobRuns(job, "when the About box appears")) {
        expect(waitForStatus(app, successText, 180000), "the outcome reaches the status text while the About box is "
                                                        "open, it shows \"" + statusText(app) + "\"");
        expect(IsWindow(about.box), "the About box is still open");
    }
    answerMessageBox(about, IDOK);
    expectPartSet(job.baseName, ".tar", original, 1024, "the split behind the About box");
}
