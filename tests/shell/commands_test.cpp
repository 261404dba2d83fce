#include "tests/shell/shell_test_support.h"

#include "common/job_state.h"
#include "shell/command_ids.h"
#include "shell/help_text.h"
#include "shell/layout.h"
#include "shell/shell.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

const std::string busyBox = "showMessage Error Exclamation Please wait while the current action is being performed";
const std::string noFileBox = "showMessage Error Exclamation Please choose a file first";
const std::string closeQuestion =
    "askYesNo Error The current file is not finished processing. Are you sure you want to exit";

using Log = std::vector<std::string>;

// The log without the release of panel fonts, which is the shell's own affair.
Log withoutFontReleases(const Log& log)
{
    Log kept;
    for (const std::string& line : log) {
        if (line.rfind("destroyFont", 0) != 0)
            kept.push_back(line);
    }
    return kept;
}

bool livePanel(std::initializer_list<int> ids)
{
    for (int id : ids) {
        if (liveControl(id) == nullptr)
            return false;
    }
    return true;
}

// The commands that refuse while a job runs, and whether they also need a chosen file.
struct GuardedCommand {
    int id;
    bool needsFile;
};

class GuardedCommandTest : public ShellTest, public ::testing::WithParamInterface<GuardedCommand> {};

TEST_P(GuardedCommandTest, WhileBusyShowsOnlyTheBusyMessageEvenWithoutAFile)
{
    pretendJobRuns();
    onCommand(GetParam().id);
    EXPECT_EQ(fakeLog(), Log{busyBox});
    EXPECT_EQ(jobState.selectedPath[0], '\0');
}

TEST_P(GuardedCommandTest, WhileBusyChangesNothing)
{
    const auto chosen = makeFile("chosen.bin", 10);
    chooseFile(chosen);
    showSplitPanelWith("3", true);
    const std::string statusBefore = statusTextNow();
    pretendJobRuns();

    onCommand(GetParam().id);

    EXPECT_EQ(fakeLog(), Log{busyBox});
    EXPECT_EQ(std::string(jobState.selectedPath), chosen.string());
    EXPECT_EQ(statusTextNow(), statusBefore);
    EXPECT_TRUE(livePanel({IDC_BY_COUNT, IDC_BY_SIZE, IDC_VALUE, IDC_START_SPLIT}));
    EXPECT_EQ(liveControl(IDC_VALUE)->text, "3");
    EXPECT_TRUE(fakeThreadStarts().empty());
}

TEST_P(GuardedCommandTest, WithoutAFileRefusesWhenItNeedsOne)
{
    fakeScript().openDialogAccepts = false;
    onCommand(GetParam().id);
    if (GetParam().needsFile) {
        EXPECT_EQ(fakeLog(), Log{noFileBox});
        EXPECT_EQ(fakeMessages().size(), 1u);
    } else {
        EXPECT_EQ(fakeLog(), Log{"runOpenDialog"});
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, GuardedCommandTest,
                         ::testing::Values(GuardedCommand{IDM_OPEN, false}, GuardedCommand{IDM_SPLIT, true},
                                           GuardedCommand{IDM_MERGE, true}, GuardedCommand{IDC_START_SPLIT, true},
                                           GuardedCommand{IDC_START_MERGE, true}));

// Ids that do nothing at all: the status text, the value box's notifications, the gaps
// of the table and everything outside it.
class IgnoredCommandTest : public ShellTest, public ::testing::WithParamInterface<int> {};

TEST_P(IgnoredCommandTest, DoesNothingWhenIdleOrBusy)
{
    const auto chosen = makeFile("chosen.bin", 10);
    chooseFile(chosen);
    showSplitPanelWith("3", false);
    const std::string statusBefore = statusTextNow();

    onCommand(GetParam());
    pretendJobRuns();
    onCommand(GetParam());
    takeMessages();

    EXPECT_TRUE(fakeLog().empty());
    EXPECT_EQ(std::string(jobState.selectedPath), chosen.string());
    EXPECT_EQ(statusTextNow(), statusBefore);
    EXPECT_TRUE(livePanel({IDC_BY_COUNT, IDC_BY_SIZE, IDC_VALUE, IDC_START_SPLIT}));
    EXPECT_TRUE(liveControl(IDC_BY_SIZE)->checked);
    EXPECT_FALSE(mainWindowDestroyed());
}

INSTANTIATE_TEST_SUITE_P(Commands, IgnoredCommandTest,
                         ::testing::Values(0, 100, 107, 108, 109, 110, IDC_STATUS, IDC_VALUE, 117, 201, 301, 0xFFFF,
                                           -1));

// Exit, How To Use and About have no guard: while a job runs they do exactly what they do
// when idle.
class UnguardedCommandTest : public ShellTest, public ::testing::WithParamInterface<int> {};

TEST_P(UnguardedCommandTest, RunsTheSameWhileAJobRuns)
{
    onCommand(GetParam());
    const Log idleLog = fakeLog();
    clearFakeLog();

    pretendJobRuns();
    onCommand(GetParam());

    EXPECT_FALSE(idleLog.empty());
    EXPECT_EQ(fakeLog(), idleLog);
    EXPECT_FALSE(jobState.idle.load());
}

INSTANTIATE_TEST_SUITE_P(Commands, UnguardedCommandTest, ::testing::Values(IDM_EXIT, IDM_HOWTO, IDM_ABOUT));

TEST_F(ShellTest, RadioClicksAreSilentWhileBusy)
{
    chooseFile(makeFile("chosen.bin", 10));
    showSplitPanelWith("3", true);
    pretendJobRuns();

    onCommand(IDC_BY_SIZE);
    onCommand(IDC_BY_COUNT);

    EXPECT_TRUE(fakeLog().empty());
    EXPECT_TRUE(liveControl(IDC_BY_COUNT)->checked);
    EXPECT_FALSE(liveControl(IDC_BY_SIZE)->checked);
}

// A click on a radio button: the other is cleared first, then the clicked one is set.
struct RadioClick {
    bool startsByCount;
    int clicked;
    Log expectedLog;
    bool countChecked;
};

class RadioClickTest : public ShellTest, public ::testing::WithParamInterface<RadioClick> {};

TEST_P(RadioClickTest, LeavesExactlyTheClickedOneSelected)
{
    chooseFile(makeFile("chosen.bin", 10));
    showSplitPanelWith("3", GetParam().startsByCount);

    onCommand(GetParam().clicked);

    EXPECT_EQ(fakeLog(), GetParam().expectedLog);
    EXPECT_EQ(liveControl(IDC_BY_COUNT)->checked, GetParam().countChecked);
    EXPECT_EQ(liveControl(IDC_BY_SIZE)->checked, !GetParam().countChecked);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, RadioClickTest,
    ::testing::Values(RadioClick{true, IDC_BY_SIZE, {"setRadioChecked 112 0", "setRadioChecked 113 1"}, false},
                      RadioClick{false, IDC_BY_COUNT, {"setRadioChecked 113 0", "setRadioChecked 112 1"}, true},
                      RadioClick{true, IDC_BY_COUNT, {"setRadioChecked 113 0", "setRadioChecked 112 1"}, true},
                      RadioClick{false, IDC_BY_SIZE, {"setRadioChecked 112 0", "setRadioChecked 113 1"}, false}));

TEST_F(ShellTest, OpenShowsThePathAndRemovesTheSplitPanel)
{
    const auto first = makeFile("first.bin", 10);
    const auto second = makeFile("second.bin", 10);
    chooseFile(first);
    showSplitPanelWith("3", true);
    fakeScript().openDialogPath = second.string();

    onCommand(IDM_OPEN);

    EXPECT_EQ(withoutFontReleases(fakeLog()),
              (Log{"runOpenDialog", "setControlText 111 " + second.string(), "destroyControl 112",
                   "destroyControl 113", "destroyControl 114", "destroyControl 115"}));
    EXPECT_EQ(openDialogStartPaths().back(), first.string());
    EXPECT_EQ(std::string(jobState.selectedPath), second.string());
    EXPECT_EQ(statusTextNow(), second.string());
}

TEST_F(ShellTest, OpenRemovesTheMergePanel)
{
    const auto chosen = makeFile("chosen_part1.qv", 10);
    chooseFile(chosen);
    onCommand(IDM_MERGE);
    clearFakeLog();

    onCommand(IDM_OPEN);

    EXPECT_EQ(withoutFontReleases(fakeLog()),
              (Log{"runOpenDialog", "setControlText 111 " + chosen.string(), "destroyControl 116"}));
    EXPECT_EQ(liveControl(IDC_START_MERGE), nullptr);
}

TEST_F(ShellTest, FirstOpenOffersAnEmptyStartAndShowsThePath)
{
    const auto chosen = makeFile("chosen.bin", 10);
    fakeScript().openDialogAccepts = true;
    fakeScript().openDialogPath = chosen.string();

    onCommand(IDM_OPEN);

    EXPECT_EQ(fakeLog(), (Log{"runOpenDialog", "setControlText 111 " + chosen.string()}));
    EXPECT_EQ(openDialogStartPaths(), Log{""});
}

TEST_F(ShellTest, CancelledOpenKeepsFileStatusTextAndPanel)
{
    const auto chosen = makeFile("chosen.bin", 10);
    chooseFile(chosen);
    showSplitPanelWith("3", false);
    const std::string statusBefore = statusTextNow();
    fakeScript().openDialogAccepts = false;

    onCommand(IDM_OPEN);

    EXPECT_EQ(fakeLog(), Log{"runOpenDialog"});
    EXPECT_EQ(std::string(jobState.selectedPath), chosen.string());
    EXPECT_EQ(statusTextNow(), statusBefore);
    EXPECT_TRUE(livePanel({IDC_BY_COUNT, IDC_BY_SIZE, IDC_VALUE, IDC_START_SPLIT}));
    EXPECT_EQ(liveControl(IDC_VALUE)->text, "3");
}

TEST_F(ShellTest, CancelledFirstOpenLeavesNoFileChosen)
{
    fakeScript().openDialogAccepts = false;
    onCommand(IDM_OPEN);
    clearFakeLog();

    onCommand(IDM_SPLIT);

    EXPECT_EQ(fakeLog(), Log{noFileBox});
}

// Closing the window: by the close box (onClose) or by File > Exit, which posts the same
// request; idle or busy; with either answer to the question.
struct CloseCase {
    const char* name;
    bool throughExit;
    bool busy;
    bool answer;
    Log expectedLog;
    bool destroyed;
};

class CloseTest : public ShellTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseTest, DestroysAtOnceWhenIdleAndAsksWhileBusy)
{
    const CloseCase& close = GetParam();
    if (close.busy)
        pretendJobRuns();
    fakeScript().yesNoAnswer = close.answer;

    if (close.throughExit) {
        onCommand(IDM_EXIT);
        EXPECT_EQ(fakeLog(), Log{"postCloseRequest"});
        EXPECT_FALSE(mainWindowDestroyed());
        clearFakeLog();
        takeMessages();
    } else {
        onClose();
    }

    EXPECT_EQ(fakeLog(), close.expectedLog);
    EXPECT_EQ(mainWindowDestroyed(), close.destroyed);
    EXPECT_EQ(jobState.idle.load(), !close.busy);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CloseTest,
    ::testing::Values(CloseCase{"IdleCloseBox", false, false, false, {"destroyMainWindow"}, true},
                      CloseCase{"BusyCloseBoxYes", false, true, true, {closeQuestion, "destroyMainWindow"}, true},
                      CloseCase{"BusyCloseBoxNo", false, true, false, {closeQuestion}, false},
                      CloseCase{"IdleExit", true, false, false, {"destroyMainWindow"}, true},
                      CloseCase{"BusyExitYes", true, true, true, {closeQuestion, "destroyMainWindow"}, true},
                      CloseCase{"BusyExitNo", true, true, false, {closeQuestion}, false}),
    [](const ::testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

TEST_F(ShellTest, CreationBuildsTheMenuBarAndTheStatusText)
{
    resetFakeWindowSystem(programDirectory);
    onCreate(fakeMainWindow());

    EXPECT_EQ(fakeLog(), (Log{"buildMenuBar", "createControl 111", "createFont 20 300 upright font1",
                              "setControlFont 111 font1"}));
    struct Item {
        std::string popup, text;
        int id;
    };
    const std::vector<Item> expectedMenu = {{"&File", "&Open", 101},        {"&File", "E&xit", 102},
                                            {"&Actions", "&Split", 103},    {"&Actions", "&Merge", 104},
                                            {"&Help", "H&ow To Use", 105}, {"&Help", "&About", 106}};
    const std::vector<FakeMenuItem> menu = fakeMenuBar();
    ASSERT_EQ(menu.size(), expectedMenu.size());
    for (std::size_t index = 0; index < menu.size(); ++index) {
        EXPECT_EQ(menu[index].popupTitle, expectedMenu[index].popup) << index;
        EXPECT_EQ(menu[index].text, expectedMenu[index].text) << index;
        EXPECT_EQ(menu[index].commandId, expectedMenu[index].id) << index;
    }

    const FakeControl* status = liveControl(IDC_STATUS);
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status, statusText);
    EXPECT_EQ(std::string(status->created.className), "STATIC");
    EXPECT_EQ(status->created.kind, ControlKind::StaticText);
    EXPECT_EQ(status->text,
              "No File currently open; Select File to open file.\nSelect help to know how to use the software");
    EXPECT_EQ(status->created.style, 0x50800001u);
    EXPECT_EQ(status->created.x, 50);
    EXPECT_EQ(status->created.y, 180);
    EXPECT_EQ(status->created.width, 530);
    EXPECT_EQ(status->created.height, 150);
}

TEST_F(ShellTest, StartupLeavesNoFileChosenAndTheJobIdle)
{
    std::snprintf(jobState.selectedPath, pathCapacity, "%s", "left over");
    jobState.idle.store(false);

    onStartup();

    EXPECT_EQ(jobState.selectedPath[0], '\0');
    EXPECT_TRUE(jobState.idle.load());
    EXPECT_TRUE(fakeLog().empty());
}

}  // namespace
