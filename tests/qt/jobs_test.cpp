#include "tests/qt/window_driver.h"

#include "common/job_state.h"
#include "engine/part_set.h"
#include "shell/command_ids.h"

#include <QApplication>
#include <QMainWindow>

#include <memory>

namespace {

const QString splitWaitingText = QStringLiteral("Please wait, your file is being split...");
const QString mergeWaitingText = QStringLiteral("Please wait, your file is being merged...");

struct SplitCase {
    const char* name;
    bool byCount;
    const char* value;
    std::size_t fileSize;
    std::vector<std::size_t> partSizes;
};

}  // namespace

class SplitThroughWindowTest : public WindowTest, public ::testing::WithParamInterface<SplitCase> {};

TEST_P(SplitThroughWindowTest, WritesThePartsAndReportsSuccess)
{
    const SplitCase& split = GetParam();
    const std::string input = dir.path("input.bin");
    const std::string original = patternBytes(split.fileSize);
    writeFile(input, original);
    prepareSplit(input, split.byCount, QString::fromLatin1(split.value));

    EXPECT_TRUE(clickAnswering(IDC_START_SPLIT).empty());
    EXPECT_EQ(statusText(), splitWaitingText);
    ASSERT_TRUE(waitForStatus(successText)) << statusText().toStdString();

    std::size_t offset = 0;
    for (std::size_t part = 0; part < split.partSizes.size(); ++part) {
        const std::string name = partName(dir.path("input"), static_cast<int32_t>(part + 1));
        EXPECT_EQ(readFile(name), original.substr(offset, split.partSizes[part])) << name;
        offset += split.partSizes[part];
    }
    EXPECT_FALSE(fileExists(partName(dir.path("input"), static_cast<int32_t>(split.partSizes.size() + 1))));
    EXPECT_TRUE(fileExists(infoName(dir.path("input"))));

    // The panel stays as it was; the next split needs a new File > Open.
    EXPECT_EQ(valueText(), QString::fromLatin1(split.value));
    EXPECT_EQ(isChecked(IDC_BY_COUNT), split.byCount);
    const std::vector<SeenBox> again = clickAnswering(IDC_START_SPLIT);
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].text, QStringLiteral("Please choose a file first"));
}

INSTANTIATE_TEST_SUITE_P(ByCountAndBySize, SplitThroughWindowTest,
                         ::testing::Values(SplitCase{"ThreeParts", true, "3", 10, {4, 4, 2}},
                                           SplitCase{"OneKilobyteParts", false, "1", 2500, {1024, 1024, 452}}),
                         [](const auto& info) { return std::string(info.param.name); });

using MergeThroughWindowTest = WindowTest;

TEST_F(MergeThroughWindowTest, RestoresTheOriginalBytes)
{
    const std::string input = dir.path("input.bin");
    const std::string original = patternBytes(5000);
    writeFile(input, original);
    prepareSplit(input, true, QStringLiteral("4"));
    click(IDC_START_SPLIT);
    ASSERT_TRUE(waitForStatus(successText));

    chooseFile(partName(dir.path("input"), 2));
    trigger("&Actions", "&Merge");
    EXPECT_TRUE(clickAnswering(IDC_START_MERGE).empty());
    EXPECT_EQ(statusText(), mergeWaitingText);
    ASSERT_TRUE(waitForStatus(successText)) << statusText().toStdString();
    EXPECT_EQ(readFile(dir.path("input_merged.bin")), original);
}

// A job that stays busy until the test lets it end.
class HeldJobTest : public WindowTest {
protected:
    void startHeldSplit()
    {
        const std::string input = dir.path("held.bin");
        writeFile(input, patternBytes(4096));
        gate = std::make_unique<JobGate>(partName(dir.path("held"), 1));
        prepareSplit(input, true, QStringLiteral("2"));
        click(IDC_START_SPLIT);
        ASSERT_EQ(statusText(), splitWaitingText);
    }

    void startHeldMerge()
    {
        const std::string original = patternBytes(3000);
        writeFile(partName(dir.path("held"), 1), original.substr(0, 2000));
        writeFile(partName(dir.path("held"), 2), original.substr(2000));
        gate = std::make_unique<JobGate>(infoName(dir.path("held")), flipHighBits(plainInfoRecord({2, ".bin", 3000})));
        chooseFile(partName(dir.path("held"), 2));
        trigger("&Actions", "&Merge");
        click(IDC_START_MERGE);
        ASSERT_EQ(statusText(), mergeWaitingText);
    }

    // A job still held is let through before the window waits for it to end.
    void TearDown() override
    {
        if (gate && !jobState.idle.load())
            gate->release();
        WindowTest::TearDown();
    }

    void letTheJobEnd()
    {
        gate->release();
        EXPECT_TRUE(waitForStatus(successText)) << statusText().toStdString();
    }

    std::unique_ptr<JobGate> gate;
};

struct BusyCase {
    const char* name;
    bool merge;
};

class BusyGuardTest : public HeldJobTest, public ::testing::WithParamInterface<BusyCase> {};

TEST_P(BusyGuardTest, RefusesEveryJobCommandWhileAJobRuns)
{
    const bool merge = GetParam().merge;
    if (merge)
        startHeldMerge();
    else
        startHeldSplit();
    ASSERT_FALSE(jobState.idle.load());

    struct Refused {
        const char* popup;  // nullptr: the panel's start button
        const char* item;
    };
    for (const Refused& command : {Refused{"&File", "&Open"}, Refused{"&Actions", "&Split"},
                                   Refused{"&Actions", "&Merge"}, Refused{nullptr, "start button"}}) {
        SCOPED_TRACE(command.item);
        const std::vector<SeenBox> boxes = command.popup == nullptr
                                               ? clickAnswering(merge ? IDC_START_MERGE : IDC_START_SPLIT)
                                               : triggerAnswering(command.popup, command.item);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, busyText);
        EXPECT_EQ(boxes[0].caption, errorCaption);
        EXPECT_EQ(boxes[0].icon, QMessageBox::Warning);
    }
    EXPECT_NE(control(merge ? IDC_START_MERGE : IDC_START_SPLIT), nullptr) << "the panel stays";
    if (!merge) {
        EXPECT_TRUE(clickAnswering(IDC_BY_SIZE).empty());
        EXPECT_TRUE(isChecked(IDC_BY_COUNT)) << "a radio click during a job is ignored";
        EXPECT_FALSE(isChecked(IDC_BY_SIZE));
    }
    const std::vector<SeenBox> about = triggerAnswering("&Help", "&About");
    ASSERT_EQ(about.size(), 1u);
    EXPECT_EQ(about[0].caption, QStringLiteral("About This Program"));
    EXPECT_EQ(statusText(), merge ? mergeWaitingText : splitWaitingText);

    letTheJobEnd();
    if (merge) {
        EXPECT_EQ(readFile(dir.path("held_merged.bin")), patternBytes(3000));
    }
}

INSTANTIATE_TEST_SUITE_P(SplitAndMerge, BusyGuardTest,
                         ::testing::Values(BusyCase{"Split", false}, BusyCase{"Merge", true}),
                         [](const auto& info) { return std::string(info.param.name); });

using OutcomeTest = HeldJobTest;

// The status reporter's text is carried out by the window thread inside the box's own
// event loop, while the box is still open.
TEST_F(OutcomeTest, ReplacesTheWaitingTextWhileABoxIsOpen)
{
    startHeldSplit();
    bool released = false;
    BoxAnswerer answerer(QMessageBox::Ok, [&] {
        if (!released) {
            gate->release();
            released = true;
        }
        return statusText() == successText;
    });
    trigger("&Help", "&About");
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].caption, QStringLiteral("About This Program"));
    EXPECT_EQ(statusText(), successText);
}

struct CloseCase {
    const char* name;
    bool jobRuns;
    bool byExitMenu;  // otherwise by the close box
    QMessageBox::StandardButton answer;
    bool windowEnds;
};

class CloseQuestionTest : public HeldJobTest, public ::testing::WithParamInterface<CloseCase> {};

// Run in the program's own event loop: ending it is what ends the program.
TEST_P(CloseQuestionTest, ClosesAtOnceWhenIdleAndAsksDuringAJob)
{
    const CloseCase& close = GetParam();
    if (close.jobRuns)
        startHeldSplit();

    constexpr int windowKept = 1;
    constexpr int hung = 2;
    BoxAnswerer answerer(close.answer);
    // Once the question has been answered No, nothing else will end the loop.
    QTimer afterAnswer;
    QObject::connect(&afterAnswer, &QTimer::timeout, [&] {
        if (answerer.answered() > 0 && QApplication::activeModalWidget() == nullptr)
            QCoreApplication::exit(windowKept);
    });
    afterAnswer.start(5);
    QTimer hangGuard;
    hangGuard.setSingleShot(true);
    QObject::connect(&hangGuard, &QTimer::timeout, [] { QCoreApplication::exit(hung); });
    hangGuard.start(60000);
    QTimer::singleShot(0, window, [&] {
        if (close.byExitMenu)
            trigger("&File", "E&xit");
        else
            window->close();
    });
    const int exitCode = QApplication::exec();

    EXPECT_NE(exitCode, hung);
    EXPECT_EQ(exitCode, close.windowEnds ? 0 : windowKept);
    EXPECT_EQ(window->isVisible(), !close.windowEnds);
    if (close.jobRuns) {
        ASSERT_EQ(answerer.seen().size(), 1u);
        EXPECT_EQ(answerer.seen()[0].text,
                  QStringLiteral("The current file is not finished processing. Are you sure you want to exit"));
        EXPECT_EQ(answerer.seen()[0].caption, errorCaption);
        EXPECT_EQ(answerer.seen()[0].icon, QMessageBox::Warning);
        EXPECT_EQ(answerer.seen()[0].buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_FALSE(jobState.idle.load()) << "closing leaves the job as it is";
        EXPECT_EQ(statusText(), splitWaitingText);
    } else {
        EXPECT_TRUE(answerer.seen().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    IdleAndBusy, CloseQuestionTest,
    ::testing::Values(CloseCase{"IdleByExitMenu", false, true, QMessageBox::Ok, true},
                      CloseCase{"IdleByCloseBox", false, false, QMessageBox::Ok, true},
                      CloseCase{"BusyAnsweredNo", true, true, QMessageBox::No, false},
                      CloseCase{"BusyAnsweredYes", true, false, QMessageBox::Yes, true}),
    [](const auto& info) { return std::string(info.param.name); });
