#include "tests/shell/shell_test_support.h"

#include "shell/command_ids.h"
#include "shell/shell.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

const std::vector<int> splitPanelIds = {IDC_BY_COUNT, IDC_BY_SIZE, IDC_VALUE, IDC_START_SPLIT};
const std::vector<int> mergePanelIds = {IDC_START_MERGE};
const std::vector<int> allPanelIds = {IDC_BY_COUNT, IDC_BY_SIZE, IDC_VALUE, IDC_START_SPLIT, IDC_START_MERGE};

int fontsMadeSoFar()
{
    int count = 0;
    for (const std::string& line : fakeLog())
        count += line.rfind("createFont", 0) == 0 ? 1 : 0;
    return count;
}

TEST_F(ShellTest, SplitPanelIsBuiltInItsOrder)
{
    chooseFile(makeFile("chosen.bin", 10));

    onCommand(IDM_SPLIT);

    // font1 is the status text's, made when the window was created.
    EXPECT_EQ(fakeLog(), (Log{"createControl 112", "createControl 113", "setRadioChecked 112 1",
                              "createFont 20 700 upright font2", "setControlFont 112 font2",
                              "setControlFont 113 font2", "createControl 114", "createControl 115",
                              "createFont 24 0 italic font3", "setControlFont 114 font3",
                              "createFont 24 800 italic font4", "setControlFont 115 font4"}));
    EXPECT_TRUE(liveControl(IDC_BY_COUNT)->checked);
    EXPECT_FALSE(liveControl(IDC_BY_SIZE)->checked);
}

TEST_F(ShellTest, MergePanelIsBuiltInItsOrder)
{
    chooseFile(makeFile("chosen.bin", 10));

    onCommand(IDM_MERGE);

    EXPECT_EQ(fakeLog(),
              (Log{"createControl 116", "createFont 24 800 italic font2", "setControlFont 116 font2"}));
}

struct ControlLook {
    int id;
    ControlKind kind;
    const char* className;
    const char* text;
    uint32_t style;
    int x, y, width, height;
    FontSpec font;
};

TEST_F(ShellTest, PanelControlsHaveTheirClassTextStylePlaceAndFont)
{
    const std::vector<ControlLook> looks = {
        {IDC_BY_COUNT, ControlKind::RadioButton, "BUTTON", "Number of Parts", 0x50000004, 100, 30, 150, 20,
         {20, 700, false}},
        {IDC_BY_SIZE, ControlKind::RadioButton, "BUTTON", "Part Size in KBs", 0x50000004, 100, 50, 150, 20,
         {20, 700, false}},
        {IDC_VALUE, ControlKind::EditBox, "EDIT", "", 0x50800000, 300, 30, 130, 40, {24, 0, true}},
        {IDC_START_SPLIT, ControlKind::PushButton, "BUTTON", "Start Splitting", 0x50800001, 250, 100, 150, 60,
         {24, 800, true}},
        {IDC_START_MERGE, ControlKind::PushButton, "BUTTON", "Start Merging", 0x50800001, 250, 100, 170, 60,
         {24, 800, true}},
    };
    chooseFile(makeFile("chosen.bin", 10));
    onCommand(IDM_SPLIT);
    onCommand(IDM_MERGE);  // the Split panel's controls stay on record, destroyed

    for (const ControlLook& look : looks) {
        SCOPED_TRACE(look.id);
        const FakeControl* control = nullptr;
        for (const FakeControl* made : allControls()) {
            if (made->created.id == look.id)
                control = made;
        }
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->created.kind, look.kind);
        EXPECT_EQ(std::string(control->created.className), look.className);
        EXPECT_EQ(control->text, look.text);
        EXPECT_EQ(control->created.style, look.style);
        EXPECT_EQ(control->created.x, look.x);
        EXPECT_EQ(control->created.y, look.y);
        EXPECT_EQ(control->created.width, look.width);
        EXPECT_EQ(control->created.height, look.height);
        ASSERT_NE(control->font, nullptr);
        const FontSpec& font = fakeFont(control->font)->created;
        EXPECT_EQ(font.height, look.font.height);
        EXPECT_EQ(font.weight, look.font.weight);
        EXPECT_EQ(font.italic, look.font.italic);
    }
}

// From each panel state, Split or Merge: the existing panel controls go first, in their
// fixed order, and the new panel comes with fonts of its own.
struct PanelChange {
    const char* name;
    int firstPanel;  // 0 for no panel
    int command;
    Log expectedDestroyed;
    std::vector<int> expectedLive;
};

class PanelChangeTest : public ShellTest, public ::testing::WithParamInterface<PanelChange> {};

TEST_P(PanelChangeTest, DestroysTheOldPanelAndBuildsTheNewOneFresh)
{
    const PanelChange& change = GetParam();
    chooseFile(makeFile("chosen.bin", 10));
    if (change.firstPanel != 0)
        onCommand(change.firstPanel);
    const int fontsBefore = fontsMadeSoFar() + 1;  // and the status font
    clearFakeLog();

    onCommand(change.command);

    Log destroyed;
    for (const std::string& line : fakeLog()) {
        if (line.rfind("destroyControl", 0) == 0)
            destroyed.push_back(line);
    }
    EXPECT_EQ(destroyed, change.expectedDestroyed);
    // Every destruction comes before the first creation.
    const Log log = fakeLog();
    for (std::size_t index = 0; index < change.expectedDestroyed.size(); ++index)
        EXPECT_EQ(log[index].rfind("destroy", 0), 0u) << log[index];

    for (int id : allPanelIds) {
        const bool expected =
            std::find(change.expectedLive.begin(), change.expectedLive.end(), id) != change.expectedLive.end();
        EXPECT_EQ(liveControl(id) != nullptr, expected) << id;
    }
    for (int id : change.expectedLive) {
        const FakeFont* font = fakeFont(liveControl(id)->font);
        ASSERT_NE(font, nullptr);
        EXPECT_FALSE(font->destroyed) << id;
        EXPECT_GT(font->number, fontsBefore) << id;
    }
    ASSERT_NE(liveControl(IDC_STATUS), nullptr);
    EXPECT_FALSE(fakeFont(liveControl(IDC_STATUS)->font)->destroyed);
}

const Log splitDestroyed = {"destroyControl 112", "destroyControl 113", "destroyControl 114", "destroyControl 115"};

INSTANTIATE_TEST_SUITE_P(
    Panels, PanelChangeTest,
    ::testing::Values(PanelChange{"NoneToSplit", 0, IDM_SPLIT, {}, splitPanelIds},
                      PanelChange{"NoneToMerge", 0, IDM_MERGE, {}, mergePanelIds},
                      PanelChange{"SplitToSplit", IDM_SPLIT, IDM_SPLIT, splitDestroyed, splitPanelIds},
                      PanelChange{"SplitToMerge", IDM_SPLIT, IDM_MERGE, splitDestroyed, mergePanelIds},
                      PanelChange{"MergeToMerge", IDM_MERGE, IDM_MERGE, {"destroyControl 116"}, mergePanelIds},
                      PanelChange{"MergeToSplit", IDM_MERGE, IDM_SPLIT, {"destroyControl 116"}, splitPanelIds}),
    [](const ::testing::TestParamInfo<PanelChange>& info) { return std::string(info.param.name); });

TEST_F(ShellTest, SplitTwiceBringsThePanelBackAsNew)
{
    chooseFile(makeFile("chosen.bin", 10));
    showSplitPanelWith("42", false);
    ASSERT_TRUE(liveControl(IDC_BY_SIZE)->checked);

    onCommand(IDM_SPLIT);

    EXPECT_TRUE(liveControl(IDC_BY_COUNT)->checked);
    EXPECT_FALSE(liveControl(IDC_BY_SIZE)->checked);
    EXPECT_EQ(liveControl(IDC_VALUE)->text, "");
}

}  // namespace
