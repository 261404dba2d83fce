#include "tests/shell/shell_test_support.h"

#include "common/job_state.h"
#include "common/records.h"
#include "engine/workers.h"
#include "shell/command_ids.h"
#include "shell/shell.h"

#include <fstream>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

const char success[] = "The operation was successful.";
const char notMergeable[] =
    "The file selected is not valid for merging; please choose files with extensions 'qv' and 'qvo' only";
const char mergeWaitingText[] = "Please wait, your file is being merged...";
const std::string noFileBox = "showMessage Error Exclamation Please choose a file first";

// Splits `input` into parts of `partSize` bytes with the real worker, on this thread.
void splitDirectly(const std::filesystem::path& input, uint32_t partSize)
{
    splitWorker(makeSplitRequest(partSize, input.string().c_str()));
    ASSERT_TRUE(jobState.idle.load());
    ASSERT_EQ(jobState.statusCode.load(), 200);
}

// The latest start of `procedure`.
FakeThreadStart lastStartOf(const std::string& procedure)
{
    const std::vector<FakeThreadStart> starts = fakeThreadStarts();
    for (auto start = starts.rbegin(); start != starts.rend(); ++start) {
        if (start->procedure == procedure)
            return *start;
    }
    ADD_FAILURE() << procedure << " was not started";
    return {};
}

// Which job the window starts, from a freshly chosen file.
enum class Job { Split, Merge };

class JobTest : public ShellTest, public ::testing::WithParamInterface<Job> {
protected:
    // Makes the job's input: `data.bin` for a split, part 1 of the set made from it for
    // a merge.
    std::filesystem::path makeInput(Job job)
    {
        const auto data = makeFile("data.bin", 1000);
        if (job == Job::Split)
            return data;
        splitDirectly(data, 300);
        return directory / "data_part1.qv";
    }
    // Chooses `input` and shows the job's panel, ready to start.
    void choose(Job job, const std::filesystem::path& input)
    {
        chooseFile(input);
        if (job == Job::Split) {
            showSplitPanelWith("4", true);
            return;
        }
        onCommand(IDM_MERGE);
        clearFakeLog();
    }
    void prepare(Job job) { choose(job, makeInput(job)); }
    static int startCommand(Job job) { return job == Job::Split ? IDC_START_SPLIT : IDC_START_MERGE; }
    static const char* workerName(Job job) { return job == Job::Split ? "splitWorker" : "mergeWorker"; }
};

// The worker is slow to begin, as on a loaded machine. The reporter must still be started
// only after the worker has marked the job busy, or it would report the previous job's
// outcome at its first look.
TEST_P(JobTest, ReporterNeverSeesThePreviousJobsIdle)
{
    const auto input = makeInput(GetParam());
    chooseFile(makeFile("notes.txt", 10));
    onCommand(IDM_MERGE);
    onCommand(IDC_START_MERGE);
    ASSERT_TRUE(waitForSentTextAndTakeMessages());
    joinFakeThreads();
    ASSERT_EQ(statusTextNow(), notMergeable);

    choose(GetParam(), input);
    fakeScript().workerStartDelayMilliseconds = 300;
    const uint32_t startedBefore = jobState.jobsStarted.load();

    onCommand(startCommand(GetParam()));

    // The worker's busy mark came before the reporter's start and before the command
    // returned, so no command can pass the busy guard in between.
    EXPECT_GT(jobState.jobsStarted.load(), startedBefore);
    EXPECT_EQ(lastStartOf(workerName(GetParam())).jobsStartedAtCall, startedBefore);
    EXPECT_GT(lastStartOf("statusReporter").jobsStartedAtCall, startedBefore);
    ASSERT_TRUE(waitForSentTextAndTakeMessages());
    joinFakeThreads();
    EXPECT_EQ(statusTextNow(), success);
}

TEST_P(JobTest, StartAgainAfterTheJobNeedsANewFile)
{
    prepare(GetParam());
    onCommand(startCommand(GetParam()));
    ASSERT_TRUE(waitForSentTextAndTakeMessages());
    joinFakeThreads();
    clearFakeLog();

    onCommand(startCommand(GetParam()));

    EXPECT_EQ(fakeLog(), Log{noFileBox});
    EXPECT_EQ(statusTextNow(), success);
}

TEST_P(JobTest, WorkerThatCannotStartLeavesTheFileChosen)
{
    prepare(GetParam());
    const std::string chosen = jobState.selectedPath;
    const std::string statusBefore = statusTextNow();
    fakeScript().threadStartsThatFail = 1;

    onCommand(startCommand(GetParam()));

    const Log log = fakeLog();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2], std::string("startThread ") + workerName(GetParam()));
    EXPECT_EQ(log.back(), "showMessage Error Exclamation The job could not be started; please try again.");
    EXPECT_EQ(std::string(jobState.selectedPath), chosen);
    EXPECT_EQ(statusTextNow(), statusBefore);
    EXPECT_EQ(fakeThreadStarts().size(), 1u);
    EXPECT_TRUE(jobState.idle.load());
}

INSTANTIATE_TEST_SUITE_P(Jobs, JobTest, ::testing::Values(Job::Split, Job::Merge),
                         [](const ::testing::TestParamInfo<Job>& info) {
                             return std::string(info.param == Job::Split ? "Split" : "Merge");
                         });

// Start Merging on a chosen file: the real merge worker, its outcome in the status text.
struct MergeCase {
    const char* name;
    // Makes the files and returns the one to choose.
    std::filesystem::path (*prepare)(const std::filesystem::path& directory);
    const char* outcome;
    bool mergedAsOriginal;
};

std::filesystem::path dataFile(const std::filesystem::path& directory)
{
    const auto path = directory / "data.bin";
    std::ofstream file(path, std::ios::out | std::ios::binary);
    for (int index = 0; index < 2500; ++index)
        file.put(static_cast<char>(index * 7));
    return path;
}

std::filesystem::path splitSet(const std::filesystem::path& directory)
{
    splitWorker(makeSplitRequest(1000, dataFile(directory).string().c_str()));
    return directory;
}

std::filesystem::path emptyFile(const std::filesystem::path& path)
{
    std::ofstream file(path, std::ios::out | std::ios::binary);
    return path;
}

const MergeCase mergeCases[] = {
    {"FromFirstPart", [](const std::filesystem::path& d) { return splitSet(d) / "data_part1.qv"; }, success, true},
    {"FromLastPart", [](const std::filesystem::path& d) { return splitSet(d) / "data_part3.qv"; }, success, true},
    {"FromInfoFile", [](const std::filesystem::path& d) { return splitSet(d) / "data_part0.qvo"; }, success, true},
    {"PartMissing",
     [](const std::filesystem::path& d) {
         std::filesystem::remove(splitSet(d) / "data_part2.qv");
         return d / "data_part1.qv";
     },
     "One or more input files couldn't be found. The operation might not be fully successful.", false},
    {"InfoMissing", [](const std::filesystem::path& d) { return emptyFile(d / "orphan_part1.qv"); },
     "Part0.qvo file, which contains the information, could not be found. operation failed.", false},
    {"NotAPartFile", [](const std::filesystem::path& d) { return emptyFile(d / "notes.txt"); }, notMergeable, false},
    {"NameWithoutUnderscore", [](const std::filesystem::path& d) { return emptyFile(d / "nounderscore.qv"); },
     "The name of the file selected is not valid for merging.", false},
};

class MergeTest : public ShellTest, public ::testing::WithParamInterface<MergeCase> {};

TEST_P(MergeTest, LaunchesTheWorkerAndShowsItsOutcomeAfterTheWaitingText)
{
    chooseFile(GetParam().prepare(directory));
    onCommand(IDM_MERGE);
    clearFakeLog();

    onCommand(IDC_START_MERGE);

    EXPECT_EQ(fakeLog(), (Log{"startThread mergeWorker", "sleepMilliseconds 100", "startThread statusReporter",
                              std::string("setControlText 111 ") + mergeWaitingText}));
    EXPECT_EQ(jobState.selectedPath[0], '\0');
    ASSERT_TRUE(waitForSentTextAndTakeMessages());
    joinFakeThreads();
    EXPECT_EQ(fakeLog().back(), std::string("sent setControlText 111 ") + GetParam().outcome);
    EXPECT_EQ(statusTextNow(), GetParam().outcome);
    EXPECT_NE(liveControl(IDC_START_MERGE), nullptr);
    if (GetParam().mergedAsOriginal) {
        EXPECT_EQ(fileBytes(directory / "data_merged.bin"), fileBytes(directory / "data.bin"));
    }
}

INSTANTIATE_TEST_SUITE_P(Jobs, MergeTest, ::testing::ValuesIn(mergeCases),
                         [](const ::testing::TestParamInfo<MergeCase>& info) { return std::string(info.param.name); });

// The reporter on its own: each code's message, or nothing for a code without one.
struct Outcome {
    int32_t code;
    const char* message;  // nullptr: nothing is shown
};

class ReporterTest : public ShellTest, public ::testing::WithParamInterface<Outcome> {
protected:
    void startReporter() { ASSERT_TRUE(startThread(statusReporter, new ReporterTarget{mainWindow, statusText})); }
};

TEST_P(ReporterTest, ReportsAnEndedJobAtItsFirstLook)
{
    const std::string statusBefore = statusTextNow();
    jobState.statusCode.store(GetParam().code);

    startReporter();

    if (GetParam().message != nullptr) {
        ASSERT_TRUE(waitForSentTextAndTakeMessages());
        EXPECT_EQ(statusTextNow(), GetParam().message);
    }
    joinFakeThreads();
    EXPECT_EQ(takeMessages(), 0);
    if (GetParam().message == nullptr) {
        EXPECT_EQ(statusTextNow(), statusBefore);
    }
    EXPECT_EQ(sleepsOffWindowThread(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, ReporterTest,
    ::testing::Values(
        Outcome{200, success}, Outcome{201, "The File was not found; operation unsuccessful."},
        Outcome{202, "One or more output files could not be created. The operation might not be fully successful."},
        Outcome{203, "Part0.qvo file, which contains the information, could not be created. Please Try again."},
        Outcome{204, "Part0.qvo file, which contains the information, could not be found. operation failed."},
        Outcome{205, notMergeable}, Outcome{206, "The name of the file selected is not valid for merging."},
        Outcome{207, "One or more input files couldn't be found. The operation might not be fully successful."},
        Outcome{208, "part0.qvo does not contain valid information; operation failed."},
        Outcome{209, "There is not enough free space available for this action in the selected drive. Please free "
                     "some space and try again"},
        Outcome{210, "The merged file could not be written; operation unsuccessful."},
        Outcome{211, "The merged file does not have the size of the original file; the parts may be damaged."},
        Outcome{0, nullptr}, Outcome{199, nullptr}, Outcome{212, nullptr}, Outcome{-1, nullptr}),
    [](const ::testing::TestParamInfo<Outcome>& info) {
        return info.param.code < 0 ? std::string("Minus1") : std::to_string(info.param.code);
    });

TEST_F(ShellTest, ReporterWaitsForTheJobAndReadsTheFinalCode)
{
    jobState.statusCode.store(200);
    jobState.idle.store(false);
    ASSERT_TRUE(startThread(statusReporter, new ReporterTarget{mainWindow, statusText}));

    ASSERT_TRUE(waitForSleepsOffWindowThread(2));
    EXPECT_EQ(takeMessages(), 0);
    jobState.statusCode.store(209, std::memory_order_release);
    jobState.idle.store(true, std::memory_order_release);

    ASSERT_TRUE(waitForSentTextAndTakeMessages());
    EXPECT_EQ(statusTextNow(), "There is not enough free space available for this action in the selected drive. "
                               "Please free some space and try again");
}

}  // namespace
