#include "engine/part_set.h"
#include "engine/set_check.h"
#include "worker_fixture.h"

#include <filesystem>
#include <vector>

namespace {

namespace fs = std::filesystem;

class SetCheckTest : public WorkerTest {
protected:
    std::string base = dir.path("report");
};

TEST_F(SetCheckTest, AWholeSetPasses)
{
    makeReportSet();
    const SetReport report = checkPartSet(partName(base, 2));
    EXPECT_TRUE(report.whole());
    EXPECT_EQ(report.record.partCount, 3);
    EXPECT_EQ(report.totalSize, 10);
}

TEST_F(SetCheckTest, NamesMissingPartsAndPartsOfTheWrongSize)
{
    makeReportSet();
    fs::remove(partName(base, 1));
    writeFile(partName(base, 3), "8");
    SetReport report = checkPartSet(infoName(base));
    EXPECT_FALSE(report.whole());
    EXPECT_EQ(report.missingParts, std::vector<int32_t>{1});
    EXPECT_TRUE(report.wrongSizeParts.empty());
    EXPECT_EQ(report.totalSize, 5);

    makeReportSet();
    writeFile(partName(base, 2), "45678");
    writeFile(partName(base, 3), "123456");
    report = checkPartSet(infoName(base));
    EXPECT_TRUE(report.missingParts.empty());
    EXPECT_EQ(report.wrongSizeParts, (std::vector<int32_t>{2, 3}));
}

TEST_F(SetCheckTest, PartsThatAddUpWrongMakeTheSetBroken)
{
    makeReportSet();
    writeFile(partName(base, 3), "8");
    const SetReport report = checkPartSet(infoName(base));
    EXPECT_TRUE(report.missingParts.empty());
    EXPECT_TRUE(report.wrongSizeParts.empty());
    EXPECT_FALSE(report.whole());
}

TEST_F(SetCheckTest, ABadNameOrRecordIsReportedWithItsCode)
{
    EXPECT_EQ(checkPartSet(dir.path("report.txt")).recordCode, StatusNotMergeable);
    EXPECT_EQ(checkPartSet(dir.path("report.qv")).recordCode, StatusBadPartName);
    EXPECT_EQ(checkPartSet(partName(base, 1)).recordCode, StatusInfoMissing);
    writeFile(infoName(base), "garbage");
    EXPECT_EQ(checkPartSet(partName(base, 1)).recordCode, StatusInfoInvalid);
}

TEST_F(SetCheckTest, LooksWithoutWriting)
{
    makeReportSet();
    fs::remove(partName(base, 2));
    const auto before = std::distance(fs::directory_iterator(dir.root()), fs::directory_iterator());
    checkPartSet(partName(base, 1));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.root()), fs::directory_iterator()), before);
    EXPECT_FALSE(fileExists(dir.path("report_merged.txt")));
}

}  // namespace
