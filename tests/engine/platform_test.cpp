#include "common/platform.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace {

TEST(FreeSpace, TheVolumeOfAWritableDirectoryHasRoom)
{
    TempDir dir;
    const std::string file = dir.path("file.bin");
    uint64_t freeBytes = 0;
    ASSERT_TRUE(queryFreeBytes(volumeRootOf(file), freeBytes));
    EXPECT_GT(freeBytes, 0u);
}

TEST(FreeSpace, AVolumeThatCannotBeReachedIsNotMeasured)
{
    TempDir dir;
    uint64_t freeBytes = 0;
    const std::string unreachable = dir.path("no-such-dir") + pathSeparator + "deeper" + pathSeparator;
    if (pathSeparator == '\\')
        EXPECT_FALSE(queryFreeBytes("Q:\\", freeBytes) && freeBytes == 0);
    else
        EXPECT_FALSE(queryFreeBytes(unreachable, freeBytes));
}

TEST(VolumeRoot, IsWhereTheFilesAreWritten)
{
    if (pathSeparator == '\\') {
        EXPECT_EQ(volumeRootOf("D:\\data\\song.mp3"), "D:\\");
        EXPECT_EQ(volumeRootOf("\\\\server\\share\\report_part1.qv"), "\\");
    } else {
        EXPECT_EQ(volumeRootOf("/mnt/data/song.mp3"), "/mnt/data/");
        EXPECT_EQ(volumeRootOf("song.mp3"), ".");
    }
}

TEST(AbsolutePath, AnchorsARelativePathInTheCurrentDirectory)
{
    std::string absolute;
    ASSERT_TRUE(absolutePath("report.txt", absolute));
    EXPECT_GT(absolute.size(), std::string("report.txt").size());
    EXPECT_EQ(absolute.substr(absolute.size() - 11), std::string(1, pathSeparator) + "report.txt");
}

}  // namespace
