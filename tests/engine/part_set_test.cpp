#include "common/platform.h"
#include "common/text.h"
#include "engine/part_set.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string sep(1, pathSeparator);

std::string inDir(const std::string& directory, const std::string& name)
{
    return directory + sep + name;
}

TEST(FlipHighBits, TogglesTheHighBitOfEveryByteAndIsItsOwnInverse)
{
    EXPECT_EQ(flipHighBits("abc"), "\xE1\xE2\xE3");
    EXPECT_EQ(flipHighBits("0. 9"), "\xB0\xAE\xA0\xB9");
    const std::string everyByte = [] {
        std::string bytes;
        for (int b = 0; b < 256; ++b)
            bytes += static_cast<char>(b);
        return bytes;
    }();
    EXPECT_EQ(flipHighBits(flipHighBits(everyByte)), everyByte);
    EXPECT_EQ(flipHighBits(std::string("\0\x80", 2)), std::string("\x80\0", 2));
}

TEST(IsDigitsOnly, AcceptsOnlyTheTenDigits)
{
    EXPECT_TRUE(isDigitsOnly(""));
    EXPECT_TRUE(isDigitsOnly("0123456789"));
    for (const char* text : {" 1", "1 ", "-1", "+1", "1.5", "1e3", "a", "/", ":"})
        EXPECT_FALSE(isDigitsOnly(text)) << text;
}

TEST(PartSetNames, FollowTheBaseName)
{
    const std::string base = inDir("docs", "report");
    EXPECT_EQ(partName(base, 1), base + "_part1.qv");
    EXPECT_EQ(partName(base, 12), base + "_part12.qv");
    EXPECT_EQ(infoName(base), base + "_part0.qvo");
    EXPECT_EQ(mergedName(base, ".txt"), base + "_merged.txt");
    EXPECT_EQ(mergedName(base, "."), base + "_merged");
}

struct SplitNamesCase {
    std::string input;
    std::string baseName;
    std::string extension;
};

class SplitNamesTest : public ::testing::TestWithParam<SplitNamesCase> {};

TEST_P(SplitNamesTest, CutsAtTheLastDotOfTheFileName)
{
    const SplitNames names = splitNamesOf(GetParam().input);
    EXPECT_EQ(names.baseName, GetParam().baseName);
    EXPECT_EQ(names.extension, GetParam().extension);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, SplitNamesTest,
    ::testing::Values(SplitNamesCase{inDir("data", "song.mp3"), inDir("data", "song"), ".mp3"},
                      SplitNamesCase{inDir("data", "archive.tar.gz"), inDir("data", "archive.tar"), ".gz"},
                      // A dot in a directory name is not the file's extension.
                      SplitNamesCase{inDir("my.dir", "notes"), inDir("my.dir", "notes"), "."},
                      SplitNamesCase{inDir("docs", "README"), inDir("docs", "README"), "."},
                      SplitNamesCase{inDir("my.dir", "a.b"), inDir("my.dir", "a"), ".b"}));

struct SetFileCase {
    std::string path;
    StatusCode code;
    std::string baseName;
};

class BaseNameOfSetFileTest : public ::testing::TestWithParam<SetFileCase> {};

TEST_P(BaseNameOfSetFileTest, DerivesTheSetFromAnyOfItsFiles)
{
    std::string baseName = "unchanged";
    EXPECT_EQ(baseNameOfSetFile(GetParam().path, baseName), GetParam().code);
    EXPECT_EQ(baseName, GetParam().baseName);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, BaseNameOfSetFileTest,
    ::testing::Values(SetFileCase{inDir("docs", "report_part2.qv"), StatusOk, inDir("docs", "report")},
                      SetFileCase{inDir("docs", "report_part0.qvo"), StatusOk, inDir("docs", "report")},
                      SetFileCase{inDir("docs", "my_report_part1.qv"), StatusOk, inDir("docs", "my_report")},
                      SetFileCase{inDir("docs", "report_copy.qv"), StatusOk, inDir("docs", "report")},
                      SetFileCase{inDir("docs", "report_part2.QV"), StatusNotMergeable, "unchanged"},
                      SetFileCase{inDir("docs", "report_part2.qv2"), StatusNotMergeable, "unchanged"},
                      SetFileCase{inDir("docs", "README"), StatusNotMergeable, "unchanged"},
                      SetFileCase{inDir("my_docs", "report.qv"), StatusBadPartName, "unchanged"}));

struct RecordLineCase {
    const char* why;
    std::string line;  // decoded
    StatusCode code;
};

class ParseInfoLineTest : public ::testing::TestWithParam<RecordLineCase> {};

TEST_P(ParseInfoLineTest, JudgesTheRecord)
{
    InfoRecord record;
    EXPECT_EQ(parseInfoLine(GetParam().line, record), GetParam().code) << GetParam().why;
}

const std::string sig = infoSignature;

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseInfoLineTest,
    ::testing::Values(
        RecordLineCase{"as written", sig + ".3.txt.10", StatusOk},
        RecordLineCase{"bytes before the signature", "xyz" + sig + ".3.txt.10", StatusOk},
        RecordLineCase{"leading zeros", sig + ".03.txt.0025", StatusOk},
        RecordLineCase{"no extension recorded as a lone dot", sig + ".3..10", StatusOk},
        RecordLineCase{"no signature", "Quorvanteline v 2.0.3.txt.10", StatusInfoInvalid},
        RecordLineCase{"empty", "", StatusInfoInvalid},
        RecordLineCase{"signature only", sig, StatusInfoInvalid},
        RecordLineCase{"size empty", sig + ".3.txt.", StatusInfoInvalid},
        RecordLineCase{"size zero", sig + ".3.txt.0", StatusInfoInvalid},
        RecordLineCase{"size signed", sig + ".3.txt.+10", StatusInfoInvalid},
        RecordLineCase{"size with a blank", sig + ".3.txt. 10", StatusInfoInvalid},
        RecordLineCase{"count empty", sig + "..txt.10", StatusInfoInvalid},
        RecordLineCase{"count zero", sig + ".0.txt.10", StatusInfoInvalid},
        RecordLineCase{"count not digits", sig + ".3a.txt.10", StatusInfoInvalid},
        RecordLineCase{"size beyond 32 bits", sig + ".3.txt.2147483648", StatusInfoInvalid},
        RecordLineCase{"size far beyond 32 bits", sig + ".3.txt.99999999999999999999", StatusInfoInvalid},
        RecordLineCase{"count beyond 32 bits", sig + ".4294967299.txt.10", StatusInfoInvalid},
        RecordLineCase{"largest 32-bit size", sig + ".3.txt.2147483647", StatusOk},
        RecordLineCase{"more parts than bytes", sig + ".11.txt.10", StatusInfoInvalid},
        RecordLineCase{"as many parts as bytes", sig + ".10.txt.10", StatusOk},
        RecordLineCase{"extension with a slash", sig + ".3.x/y.10", StatusInfoInvalid},
        RecordLineCase{"extension with a backslash", sig + ".3.dir\\notes.10", StatusInfoInvalid},
        RecordLineCase{"extension with a drive colon", sig + ".3.c:x.10", StatusInfoInvalid},
        RecordLineCase{"extension with a control character", sig + ".3.t\x01x.10", StatusInfoInvalid},
        RecordLineCase{"extension with a non-ASCII byte", sig + ".3.t\xC3\xA9x.10", StatusOk}));

TEST(ParseInfoLine, ReadsTheFieldsFromTheEnd)
{
    InfoRecord record;
    ASSERT_EQ(parseInfoLine("junk." + sig + ".12.gz.0025", record), StatusOk);
    EXPECT_EQ(record.partCount, 12);
    EXPECT_EQ(record.extension, ".gz");
    EXPECT_EQ(record.fileSize, 25);
}

class InfoFileTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string base = dir.path("report");
};

TEST_F(InfoFileTest, WritesTheTransformedRecordAndReadsItBack)
{
    ASSERT_EQ(writeInfoFile(base, {3, ".txt", 10}), StatusOk);
    const std::string stored = readFile(infoName(base));
    EXPECT_EQ(stored.size(), 28u);
    EXPECT_EQ(flipHighBits(stored), sig + ".3.txt.10");

    InfoRecord record;
    ASSERT_EQ(readInfoFile(base, record), StatusOk);
    EXPECT_EQ(record.partCount, 3);
    EXPECT_EQ(record.extension, ".txt");
    EXPECT_EQ(record.fileSize, 10);
}

TEST_F(InfoFileTest, ReplacesAnEarlierInfoFile)
{
    writeFile(infoName(base), std::string(100, 'x'));
    ASSERT_EQ(writeInfoFile(base, {1, ".a", 5}), StatusOk);
    EXPECT_EQ(flipHighBits(readFile(infoName(base))), sig + ".1.a.5");
}

TEST_F(InfoFileTest, ReportsAnInfoFileThatCannotBeCreated)
{
    EXPECT_EQ(writeInfoFile(dir.path("missing") + pathSeparator + "report", {1, ".a", 5}), StatusInfoNotCreated);
}

TEST_F(InfoFileTest, ReadingStopsAtTheFirstLineEnd)
{
    writeFile(infoName(base), flipHighBits(sig + ".3.txt.10") + "\n" + flipHighBits(".99"));
    InfoRecord record;
    ASSERT_EQ(readInfoFile(base, record), StatusOk);
    EXPECT_EQ(record.fileSize, 10);
}

TEST_F(InfoFileTest, AByteThatDecodesToALineEndCutsTheRecord)
{
    // 0x8A in an extension is stored as 0x0A, where the reader's line ends.
    writeFile(infoName(base), flipHighBits(sig + ".3.t\x8Ax.10"));
    InfoRecord record;
    EXPECT_EQ(readInfoFile(base, record), StatusInfoInvalid);
}

TEST_F(InfoFileTest, RefusesMissingUntransformedAndOverlongRecords)
{
    InfoRecord record;
    EXPECT_EQ(readInfoFile(base, record), StatusInfoMissing);
    writeFile(infoName(base), sig + ".3.txt.10");
    EXPECT_EQ(readInfoFile(base, record), StatusInfoInvalid);
    writeFile(infoName(base), std::string(1 << 20, '\xB1') + flipHighBits(sig + ".3.txt.10"));
    EXPECT_EQ(readInfoFile(base, record), StatusInfoInvalid);
}

}  // namespace
