#include "tests/qt/window_driver.h"

#include "shell/command_ids.h"

#include <QDir>
#include <QMainWindow>

#include <filesystem>

using OpenDialogTest = WindowTest;

TEST_F(OpenDialogTest, ChosenFileIsShownAndRemovesThePanel)
{
    const std::string first = dir.path("first.bin");
    const std::string second = dir.path("second.bin");
    writeFile(first, patternBytes(10));
    writeFile(second, patternBytes(10));

    const SeenDialog initial = answeringOpenDialog([&] { trigger("&File", "&Open"); }, first);
    EXPECT_TRUE(initial.existingFileOnly);
    EXPECT_EQ(initial.owner, window);
    EXPECT_EQ(statusText(), QString::fromStdString(first));
    trigger("&Actions", "&Split");
    ASSERT_NE(control(IDC_START_SPLIT), nullptr);

    const SeenDialog again = answeringOpenDialog([&] { trigger("&File", "&Open"); }, second);
    EXPECT_EQ(again.offered, QString::fromStdString(first));
    EXPECT_EQ(statusText(), QString::fromStdString(second));
    EXPECT_EQ(control(IDC_START_SPLIT), nullptr);
    EXPECT_EQ(control(IDC_VALUE), nullptr);
}

// A path fits when it has at most 259 characters.
struct DialogAnswer {
    const char* name;
    int pathLength;  // 0: the dialog is cancelled
    bool chosen;
};

class OpenDialogAnswerTest : public WindowTest, public ::testing::WithParamInterface<DialogAnswer> {
protected:
    // A new file whose full path has exactly `length` characters.
    std::string fileWithPathLength(int length)
    {
        const std::string fileName = "f.bin";
        const std::size_t rootLength = dir.root().string().size() + 1;
        const std::size_t folderLength = static_cast<std::size_t>(length) - rootLength - 1 - fileName.size();
        const std::string folder = dir.path(std::string(folderLength, 'd'));
        std::filesystem::create_directory(folder);
        const std::string path = folder + "/" + fileName;
        EXPECT_EQ(path.size(), static_cast<std::size_t>(length));
        writeFile(path, patternBytes(10));
        return path;
    }
};

TEST_P(OpenDialogAnswerTest, KeepsTheChosenFileUnlessANewOneFits)
{
    const std::string kept = dir.path("kept.bin");
    writeFile(kept, patternBytes(10));
    chooseFile(kept);
    trigger("&Actions", "&Split");

    const std::string answer = GetParam().pathLength == 0 ? std::string() : fileWithPathLength(GetParam().pathLength);
    answeringOpenDialog([&] { trigger("&File", "&Open"); }, answer);

    const std::string expected = GetParam().chosen ? answer : kept;
    EXPECT_EQ(statusText(), QString::fromStdString(expected));
    EXPECT_EQ(control(IDC_START_SPLIT) == nullptr, GetParam().chosen) << "the panel";
    const SeenDialog next = answeringOpenDialog([&] { trigger("&File", "&Open"); }, std::string());
    EXPECT_EQ(next.offered, QString::fromStdString(expected)) << "the chosen file";
}

INSTANTIATE_TEST_SUITE_P(Answers, OpenDialogAnswerTest,
                         ::testing::Values(DialogAnswer{"Cancelled", 0, false}, DialogAnswer{"PathOf259", 259, true},
                                           DialogAnswer{"PathOf260", 260, false}),
                         [](const auto& info) { return std::string(info.param.name); });
