#include "checks.h"
#include "disk_files.h"
#include "program_texts.h"
#include "scenarios.h"

namespace {

// After a job has been launched: the outcome replaces the waiting text and stays.
bool expectOutcome(const RunningApp& app, const char* outcome, const std::string& what)
{
    if (!expect(waitForStatus(app, outcome), what + ": the status text shows \"" + outcome + "\", it shows \"" +
                                                 statusText(app) + "\"" + (isRunning(app) ? "" : "; the program has ended")))
        return false;
    Sleep(300);
    return expectText(statusText(app), outcome, what + ": the outcome stays in the status text");
}

}  // namespace

void splitByCount(const Workspace& workspace, RunningApp& app)
{
    const std::string directory = scenarioDirectory(workspace, "bycount");
    const std::string file = directory + "\\report.txt";
    const Bytes original = patternBytes(100000, 2);
    writeFile(file, original);
    if (!openFile(app, file))
        return;

    postCommand(app, IDM_SPLIT);
    if (expect(waitUntil([&] { return panelControlsAre(app, true, false); }), "Actions > Split shows the Split panel"))
        expectSplitPanelLooks(app);
    // 7 parts of 100000 bytes: 14286 bytes each, the last one 14284.
    pressStartSplitting(app, true, "7");
    expectOutcome(app, successText, "split into 7 parts");
    expectPartSet(directory + "\\report", ".txt", original, 14286, "split into 7 parts");

    expectText(windowText(control(app, IDC_VALUE)), "7", "the Split panel keeps its value after the start");
    expect(isButtonChecked(app, IDC_BY_COUNT), "the Split panel keeps its choice after the start");
    expectRefusal(app, IDC_START_SPLIT, noFileText, "Start Splitting again after the split has ended");
}

void splitBySize(const Workspace& workspace, RunningApp& app)
{
    const std::string directory = scenarioDirectory(workspace, "bysize");
    const std::string file = directory + "\\archive.tar.gz";
    const Bytes original = patternBytes(1000000, 3);
    writeFile(file, original);
    if (!openFile(app, file))
        return;

    postCommand(app, IDM_SPLIT);
    expect(waitUntil([&] { return panelControlsAre(app, true, false); }), "Actions > Split shows the Split panel");
    struct Click {
        int radio;
        bool countChecked;
    };
    const Click clicks[] = {{IDC_BY_SIZE, false}, {IDC_BY_SIZE, false}, {IDC_BY_COUNT, true}, {IDC_BY_COUNT, true}};
    for (const Click& click : clicks) {
        postCommand(app, click.radio);
        const bool settled = waitUntil(
            [&] { return isButtonChecked(app, IDC_BY_COUNT) == click.countChecked &&
                         isButtonChecked(app, IDC_BY_SIZE) == !click.countChecked; }, 3000);
        expect(settled, "a click on radio " + std::to_string(click.radio) + " leaves exactly it selected");
    }
    postCommand(app, IDC_BY_SIZE);
    typeValue(app, "123");
    postCommand(app, IDM_SPLIT);
    expect(waitUntil([&] { return windowText(control(app, IDC_VALUE)).empty() && isButtonChecked(app, IDC_BY_COUNT); }),
           "Actions > Split again brings the panel back new: \"Number of Parts\" and an empty value box");

    // Parts of 100 KB: nine of 102400 bytes and a last one of 78400.
    pressStartSplitting(app, false, "100");
    expectOutcome(app, successText, "split into parts of 100 KB");
    expectPartSet(directory + "\\archive.tar", ".gz", original, 102400, "split into parts of 100 KB");
}

void mergeFromPartAndInfoFile(const Workspace& workspace, RunningApp& app)
{
    const std::string directory = scenarioDirectory(workspace, "merge");
    const std::string file = directory + "\\song.mp3";
    const Bytes original = patternBytes(250000, 4);
    writeFile(file, original);
    const std::string merged = directory + "\\song_merged.mp3";
    if (!openFile(app, file))
        return;
    pressStartSplitting(app, true, "4");
    expectOutcome(app, successText, "the split before the merge");

    struct MergeFrom {
        const char* chosen;
        const char* name;
    };
    const MergeFrom starts[] = {{"\\song_part3.qv", "a part file"}, {"\\song_part0.qvo", "the info file"}};
    for (const MergeFrom& start : starts) {
        const std::string what = std::string("a merge from ") + start.name;
        // Spoil an earlier result, so that only a merge written anew can pass.
        writeFile(merged, patternBytes(10, 5));
        if (!openFile(app, directory + start.chosen))
            continue;
        expect(panelControlsAre(app, false, false), "choosing a file removes the panel");
        postCommand(app, IDM_MERGE);
        if (expect(waitUntil([&] { return panelControlsAre(app, false, true); }), "Actions > Merge shows the Merge panel"))
            expectMergePanelLooks(app);
        postCommand(app, IDC_START_MERGE);
        expectOutcome(app, successText, what);
        Bytes result;
        expect(readFile(merged, result) && result == original, what + ": the merged file holds the original bytes");
        expectRefusal(app, IDC_START_MERGE, noFileText, what + ": Start Merging again after the merge has ended");
    }

    if (openFile(app, file)) {
        postCommand(app, IDM_MERGE);
        waitUntil([&] { return panelControlsAre(app, false, true); });
        postCommand(app, IDC_START_MERGE);
        expectOutcome(app, notMergeableText, "a merge of a file that belongs to no part set");
    }
}

void splitRefusals(const Workspace& workspace, RunningApp& app)
{
    const std::string directory = scenarioDirectory(workspace, "refusals");

    const std::string tenBytes = directory + "\\ten.bin";
    writeFile(tenBytes, patternBytes(10, 6));
    if (openFile(app, tenBytes)) {
        struct ValueRule {
            const char* typed;
            const char* message;
        };
        const ValueRule rules[] = {
            {"12345678901", tooManyCharactersText}, {"", emptyValueText},   {" 5", notDigitsText},
            {"-5", notDigitsText},                  {"1.5", notDigitsText}, {"1e3", notDigitsText},
            {"0", zeroValueText},                   {"0000000000", zeroValueText},
        };
        for (const ValueRule& rule : rules) {
            pressStartSplitting(app, true, rule.typed);
            expectMessageBox(app, "Error", rule.message, BoxIcon::Exclamation,
                             std::string("the value \"") + rule.typed + "\"");
        }
        expectText(statusText(app), tenBytes, "refused values leave the status text and the chosen file");
        pressStartSplitting(app, true, "11");
        expect(waitForStatus(app, tooManyPartsText), "11 parts of a 10-byte file are refused in the status text");
        expect(!fileExists(directory + "\\ten_part1.qv"), "a refused split writes no part");
    }

    struct Limit {
        const char* name;
        uint64_t size;
        bool byCount;
        const char* value;
        const char* message;
    };
    const Limit limits[] = {
        {"over-limit.bin", 314572801, true, "2", over300MbText},
        {"at-limit.bin", 314572800, true, "9999999999", tooManyPartsText},
        {"one-byte.bin", 1, true, "1", tooSmallText},
        {"empty.bin", 0, false, "1", tooSmallText},
        {"kb-less-one.bin", 1023, false, "1", partTooLargeText},
        {"four-gib-parts.bin", 314572800, false, "4194304", partTooLargeText},
    };
    for (const Limit& limit : limits) {
        const std::string path = directory + "\\" + limit.name;
        expect(makeSparseFile(path, limit.size), std::string("make ") + limit.name);
        if (!openFile(app, path))
            continue;
        pressStartSplitting(app, limit.byCount, limit.value);
        expect(waitForStatus(app, limit.message), std::string(limit.name) + " with the value " + limit.value +
                                                      " is refused with \"" + limit.message + "\", the status shows \"" +
                                                      statusText(app) + "\"");
        const std::string base = path.substr(0, path.rfind('.'));
        expect(!fileExists(base + "_part1.qv") && !fileExists(base + "_part0.qvo"),
               std::string("a refused split of ") + limit.name + " writes nothing");
    }

    // The chosen file vanishes before the button is pressed.
    const std::string vanishing = directory + "\\vanishing.bin";
    writeFile(vanishing, patternBytes(100, 7));
    if (openFile(app, vanishing)) {
        deleteFile(vanishing);
        pressStartSplitting(app, true, "abc");
        expectMessageBox(app, "Error", notDigitsText, BoxIcon::Exclamation, "the value rules come before the file");
        pressStartSplitting(app, true, "2");
        expectMessageBox(app, "Error", inputNotOpenedText, BoxIcon::Exclamation, "a chosen file that has vanished");
    }
}
