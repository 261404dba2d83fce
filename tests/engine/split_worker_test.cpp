#include "common/job_state.h"
#include "common/platform.h"
#include "engine/part_set.h"
#include "fake_free_space.h"
#include "worker_fixture.h"

#include <filesystem>
#include <vector>

namespace {

namespace fs = std::filesystem;

class SplitWorkerTest : public WorkerTest {
protected:
    // The sizes of parts 1, 2, ... of `base`, up to the first one missing.
    std::vector<std::size_t> partSizes(const std::string& base)
    {
        std::vector<std::size_t> sizes;
        for (int32_t n = 1; fileExists(partName(base, n)); ++n)
            sizes.push_back(readFile(partName(base, n)).size());
        return sizes;
    }
};

TEST_F(SplitWorkerTest, WritesTheWorkedExampleByteForByte)
{
    makeReportSet();
    const std::string base = dir.path("report");
    EXPECT_EQ(readFile(partName(base, 1)), "0123");
    EXPECT_EQ(readFile(partName(base, 2)), "4567");
    EXPECT_EQ(readFile(partName(base, 3)), "89");
    EXPECT_FALSE(fileExists(partName(base, 4)));
    EXPECT_EQ(readFile(infoName(base)), flipHighBits(std::string(infoSignature) + ".3.txt.10"));
    EXPECT_EQ(fs::file_size(infoName(base)), 28u);
}

struct PartLayoutCase {
    std::size_t fileSize;
    uint32_t partSize;
    std::vector<std::size_t> sizes;
};

class PartLayoutTest : public SplitWorkerTest, public ::testing::WithParamInterface<PartLayoutCase> {};

TEST_P(PartLayoutTest, CutsConsecutiveRangesThatJoinToTheInput)
{
    const std::string input = dir.path("song.mp3");
    const std::string content = patternBytes(GetParam().fileSize);
    writeFile(input, content);

    ASSERT_EQ(split(input, GetParam().partSize), StatusOk);
    const std::string base = dir.path("song");
    EXPECT_EQ(partSizes(base), GetParam().sizes);
    std::string joined;
    for (std::size_t n = 1; n <= GetParam().sizes.size(); ++n)
        joined += readFile(partName(base, static_cast<int32_t>(n)));
    EXPECT_EQ(joined, content);
    InfoRecord record;
    ASSERT_EQ(readInfoFile(base, record), StatusOk);
    EXPECT_EQ(record.partCount, static_cast<int32_t>(GetParam().sizes.size()));
    EXPECT_EQ(record.fileSize, static_cast<int32_t>(GetParam().fileSize));
    EXPECT_EQ(record.extension, ".mp3");
}

INSTANTIATE_TEST_SUITE_P(Layouts, PartLayoutTest,
                         ::testing::Values(PartLayoutCase{9, 3, {3, 3, 3}}, PartLayoutCase{10, 3, {3, 3, 3, 1}},
                                           PartLayoutCase{10, 10, {10}}, PartLayoutCase{10, 2, {2, 2, 2, 2, 2}},
                                           PartLayoutCase{12, 1, std::vector<std::size_t>(12, 1)},
                                           PartLayoutCase{3 * 1048576 + 5, 1048576, {1048576, 1048576, 1048576, 5}}));

TEST_F(SplitWorkerTest, ADotInADirectoryNameStaysInTheDirectory)
{
    fs::create_directory(dir.root() / "my.dir");
    const std::string input = dir.path("my.dir") + pathSeparator + "notes";
    writeFile(input, "abcdef");

    ASSERT_EQ(split(input, 4), StatusOk);
    EXPECT_EQ(readFile(input + "_part1.qv"), "abcd");
    EXPECT_EQ(readFile(input + "_part2.qv"), "ef");
    EXPECT_EQ(readFile(input + "_part0.qvo"), flipHighBits(std::string(infoSignature) + ".2..6"));
    EXPECT_FALSE(fileExists(dir.path("my_part1.qv")));
}

TEST_F(SplitWorkerTest, KeepsAllButTheLastExtensionInTheBaseName)
{
    const std::string input = dir.path("archive.tar.gz");
    writeFile(input, "0123456789");
    ASSERT_EQ(split(input, 5), StatusOk);
    EXPECT_EQ(readFile(dir.path("archive.tar_part2.qv")), "56789");
    InfoRecord record;
    ASSERT_EQ(readInfoFile(dir.path("archive.tar"), record), StatusOk);
    EXPECT_EQ(record.extension, ".gz");
}

TEST_F(SplitWorkerTest, RewritesEarlierPartsUpToTheCountAndLeavesTheRest)
{
    const std::string input = dir.path("report.txt");
    writeFile(input, "0123456789");
    ASSERT_EQ(split(input, 2), StatusOk);
    ASSERT_EQ(split(input, 4), StatusOk);
    const std::string base = dir.path("report");
    EXPECT_EQ(readFile(partName(base, 3)), "89");
    EXPECT_EQ(readFile(partName(base, 4)), "67");
    EXPECT_EQ(readFile(partName(base, 5)), "89");
}

TEST_F(SplitWorkerTest, APartThatCannotBeCreatedIsSkippedAndReported)
{
    const std::string input = dir.path("report.txt");
    writeFile(input, "0123456789");
    fs::create_directory(dir.path("report_part3.qv"));

    EXPECT_EQ(split(input, 2), StatusPartNotCreated);
    const std::string base = dir.path("report");
    EXPECT_EQ(readFile(partName(base, 1)), "01");
    EXPECT_EQ(readFile(partName(base, 2)), "23");
    EXPECT_EQ(readFile(partName(base, 4)), "67");
    EXPECT_EQ(readFile(partName(base, 5)), "89");
    InfoRecord record;
    ASSERT_EQ(readInfoFile(base, record), StatusOk);
    EXPECT_EQ(record.partCount, 5);
}

TEST_F(SplitWorkerTest, AnInfoFileThatCannotBeCreatedOutranksMissingParts)
{
    const std::string input = dir.path("report.txt");
    writeFile(input, "0123456789");
    fs::create_directory(dir.path("report_part0.qvo"));
    EXPECT_EQ(split(input, 4), StatusInfoNotCreated);
    EXPECT_EQ(readFile(dir.path("report_part3.qv")), "89");

    fs::remove(dir.path("report_part2.qv"));
    fs::create_directory(dir.path("report_part2.qv"));
    EXPECT_EQ(split(input, 4), StatusInfoNotCreated);
}

TEST_F(SplitWorkerTest, AMissingInputWritesNothing)
{
    EXPECT_EQ(split(dir.path("gone.txt"), 4), StatusInputMissing);
    EXPECT_TRUE(fs::is_empty(dir.root()));
}

TEST_F(SplitWorkerTest, NeedsFreeSpaceForTheWholeFile)
{
    const std::string input = dir.path("report.txt");
    writeFile(input, "0123456789");

    fakeVolume.freeBytes = 9;
    EXPECT_EQ(split(input, 4), StatusNoSpace);
    EXPECT_FALSE(fileExists(dir.path("report_part1.qv")));
    EXPECT_EQ(fakeVolume.lastRootAsked, volumeRootOf(input));

    fakeVolume.freeBytes = 10;
    EXPECT_EQ(split(input, 4), StatusOk);

    fakeVolume.answers = false;
    EXPECT_EQ(split(dir.path("report.txt"), 5), StatusOk);
}

TEST_F(SplitWorkerTest, AZeroPartSizeWritesNothing)
{
    const std::string input = dir.path("report.txt");
    writeFile(input, "0123456789");
    EXPECT_EQ(split(input, 0), StatusPartNotCreated);
    EXPECT_FALSE(fileExists(dir.path("report_part1.qv")));
    EXPECT_FALSE(fileExists(dir.path("report_part0.qvo")));
}

TEST_F(SplitWorkerTest, CountsTheBytesItMoves)
{
    const std::string input = dir.path("report.txt");
    writeFile(input, patternBytes(5000));
    ASSERT_EQ(split(input, 1000), StatusOk);
    EXPECT_EQ(jobState.bytesTotal.load(), 5000u);
    EXPECT_EQ(jobState.bytesMoved.load(), 5000u);
}

}  // namespace

namespace {

TEST_F(SplitWorkerTest, APartOnAFullDeviceCountsAsNotCreated)
{
    if (!fileExists("/dev/full"))
        GTEST_SKIP() << "no /dev/full on this system";
    const std::string input = dir.path("report.txt");
    writeFile(input, "0123456789");
    fs::create_symlink("/dev/full", dir.path("report_part2.qv"));

    EXPECT_EQ(split(input, 4), StatusPartNotCreated);
    EXPECT_EQ(readFile(dir.path("report_part1.qv")), "0123");
    EXPECT_EQ(readFile(dir.path("report_part3.qv")), "89");
}

}  // namespace
