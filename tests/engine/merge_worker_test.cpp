#include "common/job_state.h"
#include "common/platform.h"
#include "engine/part_set.h"
#include "fake_free_space.h"
#include "worker_fixture.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;

class MergeWorkerTest : public WorkerTest {
protected:
    std::string base = dir.path("report");
    std::string merged = dir.path("report_merged.txt");
};

class MergeFromAnyFileTest : public MergeWorkerTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(MergeFromAnyFileTest, JoinsThePartsInOrder)
{
    makeReportSet();
    EXPECT_EQ(merge(dir.path(GetParam())), StatusOk);
    EXPECT_EQ(readFile(merged), "0123456789");
    EXPECT_EQ(jobState.bytesMoved.load(), 10u);
}

INSTANTIATE_TEST_SUITE_P(SetFiles, MergeFromAnyFileTest,
                         ::testing::Values("report_part1.qv", "report_part2.qv", "report_part3.qv",
                                           "report_part0.qvo", "report_copy.qv"));

TEST_F(MergeWorkerTest, ALargeSetMergesBackToTheOriginal)
{
    const std::string input = dir.path("big.bin");
    const std::string content = patternBytes(3 * 1048576 + 17);
    writeFile(input, content);
    ASSERT_EQ(split(input, 1000000), StatusOk);
    fs::remove(input);
    EXPECT_EQ(merge(dir.path("big_part4.qv")), StatusOk);
    EXPECT_EQ(readFile(dir.path("big_merged.bin")), content);
}

TEST_F(MergeWorkerTest, ReplacesAnEarlierMergedFile)
{
    makeReportSet();
    writeFile(merged, std::string(50, 'x'));
    EXPECT_EQ(merge(partName(base, 1)), StatusOk);
    EXPECT_EQ(readFile(merged), "0123456789");
}

TEST_F(MergeWorkerTest, AnInputWithoutExtensionMergesToANameWithout)
{
    const std::string input = dir.path("README");
    writeFile(input, "abcdef");
    ASSERT_EQ(split(input, 4), StatusOk);
    EXPECT_EQ(merge(dir.path("README_part0.qvo")), StatusOk);
    EXPECT_EQ(readFile(dir.path("README_merged")), "abcdef");
}

TEST_F(MergeWorkerTest, AppendsThePartsThatAreThereAndReportsTheMissingOnes)
{
    makeReportSet();
    fs::remove(partName(base, 2));
    EXPECT_EQ(merge(partName(base, 1)), StatusPartMissing);
    EXPECT_EQ(readFile(merged), "012389");

    fs::remove(partName(base, 1));
    EXPECT_EQ(merge(partName(base, 3)), StatusPartMissing);
    EXPECT_EQ(readFile(merged), "89");

    fs::remove(partName(base, 3));
    writeFile(merged, "old");
    EXPECT_EQ(merge(infoName(base)), StatusPartMissing);
    EXPECT_FALSE(fileExists(merged));
}

TEST_F(MergeWorkerTest, PartsAboveTheCountAreNotRead)
{
    makeReportSet();
    writeFile(partName(base, 4), "extra");
    EXPECT_EQ(merge(partName(base, 4)), StatusOk);
    EXPECT_EQ(readFile(merged), "0123456789");
}

TEST_F(MergeWorkerTest, AMergedFileOfAnotherSizeThanRecordedIsReported)
{
    makeReportSet();
    writeFile(partName(base, 2), "4567!");
    EXPECT_EQ(merge(partName(base, 1)), StatusSizeMismatch);
    EXPECT_EQ(readFile(merged), "01234567!89");

    writeFile(partName(base, 2), "45");
    EXPECT_EQ(merge(partName(base, 1)), StatusSizeMismatch);
}

TEST_F(MergeWorkerTest, AMissingPartOutranksTheSizeMismatch)
{
    makeReportSet();
    fs::remove(partName(base, 3));
    EXPECT_EQ(merge(partName(base, 1)), StatusPartMissing);
}

TEST_F(MergeWorkerTest, AMergedFileThatCannotBeWrittenEndsTheMerge)
{
    makeReportSet();
    fs::create_directory(merged);
    writeFile(merged + pathSeparator + "keep.txt", "mine");
    fs::remove(partName(base, 2));

    EXPECT_EQ(merge(partName(base, 1)), StatusMergedNotWritten);
    EXPECT_EQ(readFile(merged + pathSeparator + "keep.txt"), "mine");
}

struct RefusedMergeCase {
    const char* why;
    const char* chosen;
    const char* infoFileContent;  // nullptr: no info file
    StatusCode code;
};

class RefusedMergeTest : public MergeWorkerTest, public ::testing::WithParamInterface<RefusedMergeCase> {};

TEST_P(RefusedMergeTest, ChangesNothing)
{
    writeFile(partName(base, 1), "0123");
    writeFile(merged, "earlier");
    if (GetParam().infoFileContent != nullptr)
        writeFile(infoName(base), flipHighBits(GetParam().infoFileContent));

    EXPECT_EQ(merge(dir.path(GetParam().chosen)), GetParam().code) << GetParam().why;
    EXPECT_EQ(readFile(merged), "earlier") << GetParam().why;
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, RefusedMergeTest,
    ::testing::Values(
        RefusedMergeCase{"upper-case extension", "report_part1.QV", "Quorvanteline v 1.0.1.txt.4", StatusNotMergeable},
        RefusedMergeCase{"no extension", "report_part1", "Quorvanteline v 1.0.1.txt.4", StatusNotMergeable},
        RefusedMergeCase{"no underscore", "report.qv", "Quorvanteline v 1.0.1.txt.4", StatusBadPartName},
        RefusedMergeCase{"no info file", "report_part1.qv", nullptr, StatusInfoMissing},
        RefusedMergeCase{"record without signature", "report_part1.qv", "Quorvantelin v 1.0.1.txt.4", StatusInfoInvalid},
        RefusedMergeCase{"extension leaving the directory", "report_part1.qv", "Quorvanteline v 1.0.1.dir\\x.4",
                         StatusInfoInvalid},
        RefusedMergeCase{"more parts than bytes", "report_part1.qv", "Quorvanteline v 1.0.2000000000.txt.4",
                         StatusInfoInvalid}));

TEST_F(MergeWorkerTest, NeedsFreeSpaceForTheRecordedSize)
{
    makeReportSet();
    fakeVolume.freeBytes = 9;
    EXPECT_EQ(merge(partName(base, 1)), StatusNoSpace);
    EXPECT_FALSE(fileExists(merged));
    EXPECT_EQ(fakeVolume.lastRootAsked, volumeRootOf(partName(base, 1)));

    fakeVolume.freeBytes = 10;
    EXPECT_EQ(merge(partName(base, 1)), StatusOk);
}

TEST_F(MergeWorkerTest, ADirectoryUnderscoreDoesNotCount)
{
    fs::create_directory(dir.root() / "my_docs");
    EXPECT_EQ(merge(dir.path("my_docs") + pathSeparator + "report.qv"), StatusBadPartName);
}

}  // namespace
