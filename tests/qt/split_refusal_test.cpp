#include "tests/qt/window_driver.h"

#include "common/job_state.h"
#include "shell/command_ids.h"

#include <filesystem>

namespace {

enum class Shown { Box, Status };

struct Refusal {
    const char* name;
    bool byCount;
    const char* value;
    std::uintmax_t fileSize;
    bool fileVanishes;  // deleted after it was chosen
    Shown shown;
    const char* message;
};

const Refusal refusals[] = {
    {"ElevenCharacters", true, "12345678901", 100, false, Shown::Box, "You can at most write 10 characters"},
    {"EmptyValue", true, "", 100, false, Shown::Box, "Please Write Something in the textbox provided"},
    {"NotDigits", false, "1.5", 100, false, Shown::Box, "Please write positive integers only"},
    {"Zeros", false, "0000", 100, false, Shown::Box, "Not an acceptable value"},
    {"FileVanished", true, "2", 100, true, Shown::Box, "Input File cannot be opened"},
    {"Over300MB", true, "2", 314572801, false, Shown::Status,
     "Maximum file size limit is 300 MB in this version; can't continue"},
    {"OneByte", true, "1", 1, false, Shown::Status, "Size of the selected file is too small ; can't continue."},
    {"MorePartsThanBytes", true, "11", 10, false, Shown::Status,
     "Selected value for Number of Parts is too large; can't continue."},
    {"PartOverFileSize", false, "1", 1023, false, Shown::Status,
     "The Partsize was greater than the file size; can't continue."},
};

}  // namespace

class SplitRefusalTest : public WindowTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(SplitRefusalTest, RefusesAndKeepsTheChosenFile)
{
    const Refusal& refusal = GetParam();
    const std::string input = dir.path("input.bin");
    writeFile(input, "");
    std::filesystem::resize_file(input, refusal.fileSize);  // sparse: no space is used
    prepareSplit(input, refusal.byCount, QString::fromLatin1(refusal.value));
    if (refusal.fileVanishes)
        std::filesystem::remove(input);
    const QString statusBefore = statusText();

    // The second press proves the chosen file was kept: it is refused the same way.
    for (int press = 1; press <= 2; ++press) {
        SCOPED_TRACE(press);
        const std::vector<SeenBox> boxes = clickAnswering(IDC_START_SPLIT);
        if (refusal.shown == Shown::Box) {
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].text, QString::fromLatin1(refusal.message));
            EXPECT_EQ(boxes[0].caption, errorCaption);
            EXPECT_EQ(boxes[0].icon, QMessageBox::Warning);
            EXPECT_EQ(boxes[0].buttons, QMessageBox::Ok);
            EXPECT_EQ(statusText(), statusBefore);
        } else {
            EXPECT_TRUE(boxes.empty());
            EXPECT_EQ(statusText(), QString::fromLatin1(refusal.message));
        }
    }
    EXPECT_TRUE(jobState.idle.load());
    EXPECT_FALSE(fileExists(dir.path("input_part1.qv")));
    EXPECT_FALSE(fileExists(dir.path("input_part0.qvo")));
}

INSTANTIATE_TEST_SUITE_P(EveryCheck, SplitRefusalTest, ::testing::ValuesIn(refusals),
                         [](const auto& info) { return std::string(info.param.name); });

using FileGuardTest = WindowTest;

TEST_F(FileGuardTest, PanelsNeedAChosenFile)
{
    for (const char* item : {"&Split", "&Merge"}) {
        const std::vector<SeenBox> boxes = triggerAnswering("&Actions", item);
        ASSERT_EQ(boxes.size(), 1u) << item;
        EXPECT_EQ(boxes[0].text, QStringLiteral("Please choose a file first"));
        EXPECT_EQ(boxes[0].caption, errorCaption);
        EXPECT_EQ(boxes[0].icon, QMessageBox::Warning);
        EXPECT_EQ(control(IDC_START_SPLIT), nullptr);
        EXPECT_EQ(control(IDC_START_MERGE), nullptr);
    }
}
