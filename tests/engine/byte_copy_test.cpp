#include "common/platform.h"
#include "engine/byte_copy.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ByteCopyTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string source = dir.path("source.bin");
    std::string destination = dir.path("destination.bin");
};

struct RangeCase {
    const char* why;
    std::size_t sourceSize;
    int32_t byteCount;
    int32_t startPosition;
};

class ByteRangeTest : public ByteCopyTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(ByteRangeTest, CopiesExactlyTheRange)
{
    const RangeCase& range = GetParam();
    const std::string content = patternBytes(range.sourceSize);
    writeFile(source, content);
    writeFile(destination, std::string(range.sourceSize + 10, 'x'));
    std::atomic<uint64_t> moved{0};

    EXPECT_EQ(copyByteRange(source, destination, range.byteCount, range.startPosition, false, &moved), CopyComplete)
        << range.why;
    EXPECT_EQ(readFile(destination), content.substr(range.startPosition, range.byteCount)) << range.why;
    EXPECT_EQ(moved.load(), static_cast<uint64_t>(range.byteCount)) << range.why;
}

constexpr int32_t chunk = copyChunkSize;

INSTANTIATE_TEST_SUITE_P(
    Ranges, ByteRangeTest,
    ::testing::Values(RangeCase{"nothing, emptying the destination", 10, 0, 0},
                      RangeCase{"from the start", 10, 4, 0},
                      RangeCase{"to the very end", 10, 2, 8},
                      RangeCase{"exactly one chunk", chunk + 5, chunk, 5},
                      RangeCase{"one chunk and one byte", chunk + 1, chunk + 1, 0},
                      RangeCase{"two and a half chunks", 3 * chunk, 2 * chunk + chunk / 2, 3}));

TEST_F(ByteCopyTest, AppendingAddsAfterTheExistingContent)
{
    const std::string first = patternBytes(3000, 1);
    const std::string second = patternBytes(chunk + 7, 2);
    writeFile(source, first);
    writeFile(dir.path("second.bin"), second);

    EXPECT_EQ(copyByteRange(source, destination, 3000, 0, true), CopyComplete);
    EXPECT_EQ(copyByteRange(dir.path("second.bin"), destination, chunk + 7, 0, true), CopyComplete);
    EXPECT_EQ(readFile(destination), first + second);
}

TEST_F(ByteCopyTest, AppendingNothingCreatesAMissingDestinationAndKeepsAnExistingOne)
{
    writeFile(source, "abc");
    EXPECT_EQ(copyByteRange(source, destination, 0, 0, true), CopyComplete);
    EXPECT_TRUE(fileExists(destination));
    EXPECT_EQ(readFile(destination), "");

    writeFile(destination, "kept");
    EXPECT_EQ(copyByteRange(source, destination, 0, 0, true), CopyComplete);
    EXPECT_EQ(readFile(destination), "kept");
}

TEST_F(ByteCopyTest, ANegativeCountMovesNothingButOpensTheDestination)
{
    writeFile(source, "abc");
    writeFile(destination, "old");
    EXPECT_EQ(copyByteRange(source, destination, -1, 0, false), CopyReadFailed);
    EXPECT_EQ(readFile(destination), "");
}

TEST_F(ByteCopyTest, ASourceThatEndsEarlyIsReportedAndNothingIsMadeUp)
{
    writeFile(source, "0123456789");
    EXPECT_EQ(copyByteRange(source, destination, 8, 6, false), CopyReadFailed);
    EXPECT_EQ(readFile(destination), "6789");
}

TEST_F(ByteCopyTest, AMissingSourceIsReported)
{
    EXPECT_EQ(copyByteRange(dir.path("absent.bin"), destination, 5, 0, false), CopyReadFailed);
    EXPECT_EQ(readFile(destination), "");
}

TEST_F(ByteCopyTest, ADestinationInAMissingDirectoryIsReportedAndNotCreated)
{
    writeFile(source, "0123456789");
    const std::string unreachable = dir.path("no-such-dir") + pathSeparator + "out.bin";
    EXPECT_EQ(copyByteRange(source, unreachable, 10, 0, false), CopyWriteFailed);
    EXPECT_EQ(copyByteRange(source, unreachable, 10, 0, true), CopyWriteFailed);
    EXPECT_FALSE(fileExists(unreachable));
}

TEST_F(ByteCopyTest, AFullDeviceIsReported)
{
    if (!fileExists("/dev/full"))
        GTEST_SKIP() << "no /dev/full on this system";
    writeFile(source, patternBytes(chunk + 100));
    EXPECT_EQ(copyByteRange(source, "/dev/full", chunk + 100, 0, false), CopyWriteFailed);
    EXPECT_EQ(copyByteRange(source, "/dev/full", 100, 0, true), CopyWriteFailed);
}

}  // namespace
