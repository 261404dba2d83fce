#include "tests/shell/shell_test_support.h"

#include "common/job_state.h"
#include "shell/command_ids.h"
#include "shell/shell.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

constexpr uint64_t limitSize = 314572800;  // 300 MB of 1,048,576 bytes

const char tooLong[] = "You can at most write 10 characters";
const char empty[] = "Please Write Something in the textbox provided";
const char notDigits[] = "Please write positive integers only";
const char zero[] = "Not an acceptable value";
const char cannotOpen[] = "Input File cannot be opened";
const char tooBig[] = "Maximum file size limit is 300 MB in this version; can't continue";
const char tooSmall[] = "Size of the selected file is too small ; can't continue.";
const char tooManyParts[] = "Selected value for Number of Parts is too large; can't continue.";
const char partTooBig[] = "The Partsize was greater than the file size; can't continue.";

const char waitingText[] = "Please wait, your file is being split...";

const Log readsOfTheChoice = {"isRadioChecked 112", "readControlText 114"};

enum class Shown { MessageBox, StatusText };

// A Start Splitting that is refused. `fileSize` < 0 means the chosen file has vanished.
struct Refusal {
    const char* name;
    bool byCount;
    const char* valueText;
    int64_t fileSize;
    const char* message;
    Shown shown;
};

class SplitRefusalTest : public ShellTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(SplitRefusalTest, ShowsItsMessageInItsPlaceAndChangesNothingElse)
{
    const Refusal& refusal = GetParam();
    const auto chosen = makeSparseFile("chosen.bin", refusal.fileSize < 0 ? 10 : static_cast<uint64_t>(refusal.fileSize));
    chooseFile(chosen);
    if (refusal.fileSize < 0)
        std::filesystem::remove(chosen);
    showSplitPanelWith(refusal.valueText, refusal.byCount);
    const std::string statusBefore = statusTextNow();

    onCommand(IDC_START_SPLIT);

    Log expected = readsOfTheChoice;
    if (refusal.shown == Shown::MessageBox)
        expected.push_back(std::string("showMessage Error Exclamation ") + refusal.message);
    else
        expected.push_back(std::string("setControlText 111 ") + refusal.message);
    EXPECT_EQ(fakeLog(), expected);
    EXPECT_EQ(statusTextNow(), refusal.shown == Shown::MessageBox ? statusBefore : std::string(refusal.message));
    EXPECT_EQ(std::string(jobState.selectedPath), chosen.string());
    EXPECT_EQ(liveControl(IDC_VALUE)->text, refusal.valueText);
    EXPECT_EQ(liveControl(IDC_BY_COUNT)->checked, refusal.byCount);
    EXPECT_EQ(liveControl(IDC_BY_SIZE)->checked, !refusal.byCount);
    EXPECT_TRUE(fakeThreadStarts().empty());
    EXPECT_TRUE(jobState.idle.load());
}

INSTANTIATE_TEST_SUITE_P(
    Split, SplitRefusalTest,
    ::testing::Values(
        // The value rules, in their order, as message boxes.
        Refusal{"Empty", true, "", 10, empty, Shown::MessageBox},
        Refusal{"ElevenDigits", true, "12345678901", 10, tooLong, Shown::MessageBox},
        Refusal{"LongTextReadCutToEleven", false, "1234567890123456", 10, tooLong, Shown::MessageBox},
        Refusal{"ElevenCharactersNotDigits", true, "abcdefghijk", 10, tooLong, Shown::MessageBox},
        Refusal{"LeadingBlank", true, " 5", 10, notDigits, Shown::MessageBox},
        Refusal{"TrailingBlank", true, "5 ", 10, notDigits, Shown::MessageBox},
        Refusal{"Minus", true, "-5", 10, notDigits, Shown::MessageBox},
        Refusal{"Plus", false, "+5", 10, notDigits, Shown::MessageBox},
        Refusal{"DecimalPoint", true, "1.5", 10, notDigits, Shown::MessageBox},
        Refusal{"Exponent", false, "1e3", 10, notDigits, Shown::MessageBox},
        Refusal{"Zero", true, "0", 10, zero, Shown::MessageBox},
        Refusal{"TenZeros", false, "0000000000", 10, zero, Shown::MessageBox},
        // The value comes before the file; then the file must open.
        Refusal{"BadValueBeforeVanishedFile", true, "x", -1, notDigits, Shown::MessageBox},
        Refusal{"VanishedFile", true, "2", -1, cannotOpen, Shown::MessageBox},
        // The limits, in their order, as the status text.
        Refusal{"OneByteOver300MB", true, "2", limitSize + 1, tooBig, Shown::StatusText},
        Refusal{"FiveGigabytes", false, "1", 5ull * 1024 * 1024 * 1024, tooBig, Shown::StatusText},
        Refusal{"EmptyFile", true, "9999999999", 0, tooSmall, Shown::StatusText},
        Refusal{"OneByteFile", false, "1", 1, tooSmall, Shown::StatusText},
        Refusal{"Exactly300MBPassesTheSizeLimit", true, "9999999999", limitSize, tooManyParts, Shown::StatusText},
        Refusal{"TwoBytesPassTheSmallLimit", true, "3", 2, tooManyParts, Shown::StatusText},
        Refusal{"OneMorePartThanBytes", true, "11", 10, tooManyParts, Shown::StatusText},
        Refusal{"TenNinesByCount", true, "9999999999", 10, tooManyParts, Shown::StatusText},
        Refusal{"TenNinesBySize", false, "9999999999", 10, partTooBig, Shown::StatusText},
        Refusal{"OneKilobyteOf1023Bytes", false, "1", 1023, partTooBig, Shown::StatusText},
        Refusal{"FourGibibyteParts", false, "4194304", limitSize, partTooBig, Shown::StatusText}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

// A Start Splitting that passes every check: the real worker splits a real file.
struct AcceptedSplit {
    const char* name;
    bool byCount;
    const char* valueText;
    uint64_t fileSize;
    std::vector<uint64_t> partSizes;
};

class AcceptedSplitTest : public ShellTest, public ::testing::WithParamInterface<AcceptedSplit> {};

TEST_P(AcceptedSplitTest, LaunchesTheWorkerAndShowsTheOutcomeAfterTheWaitingText)
{
    const AcceptedSplit& split = GetParam();
    const auto chosen = makeFile("data.bin", split.fileSize);
    chooseFile(chosen);
    showSplitPanelWith(split.valueText, split.byCount);

    onCommand(IDC_START_SPLIT);

    Log expected = readsOfTheChoice;
    expected.insert(expected.end(), {"startThread splitWorker", "sleepMilliseconds 100", "startThread statusReporter",
                                     std::string("setControlText 111 ") + waitingText});
    EXPECT_EQ(fakeLog(), expected);
    EXPECT_EQ(statusTextNow(), waitingText);
    EXPECT_EQ(jobState.selectedPath[0], '\0');

    ASSERT_TRUE(waitForSentTextAndTakeMessages());
    EXPECT_EQ(statusTextNow(), "The operation was successful.");
    EXPECT_EQ(fakeLog().back(), "sent setControlText 111 The operation was successful.");
    joinFakeThreads();

    // The panel stays as it was, choice and text included.
    EXPECT_EQ(liveControl(IDC_VALUE)->text, split.valueText);
    EXPECT_EQ(liveControl(IDC_BY_COUNT)->checked, split.byCount);

    std::string joined;
    for (std::size_t index = 0; index < split.partSizes.size(); ++index) {
        const auto part = directory / ("data_part" + std::to_string(index + 1) + ".qv");
        ASSERT_TRUE(std::filesystem::exists(part)) << part;
        EXPECT_EQ(std::filesystem::file_size(part), split.partSizes[index]) << part;
        joined += fileBytes(part);
    }
    EXPECT_FALSE(std::filesystem::exists(directory / ("data_part" + std::to_string(split.partSizes.size() + 1) + ".qv")));
    EXPECT_TRUE(std::filesystem::exists(directory / "data_part0.qvo"));
    EXPECT_EQ(joined, fileBytes(chosen));
}

INSTANTIATE_TEST_SUITE_P(
    Split, AcceptedSplitTest,
    ::testing::Values(AcceptedSplit{"ThreePartsOfTen", true, "3", 10, {4, 4, 2}},
                      AcceptedSplit{"FourPartsOfTen", true, "4", 10, {3, 3, 3, 1}},
                      AcceptedSplit{"SixAskedFiveMade", true, "6", 10, {2, 2, 2, 2, 2}},
                      AcceptedSplit{"LeadingZeros", true, "007", 10, {2, 2, 2, 2, 2}},
                      AcceptedSplit{"AsManyPartsAsBytes", true, "10", 10, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
                      AcceptedSplit{"TwoBytesInTwo", true, "2", 2, {1, 1}},
                      AcceptedSplit{"OneKilobyteOfOneKilobyte", false, "1", 1024, {1024}},
                      AcceptedSplit{"KilobytePartsWithARest", false, "1", 2500, {1024, 1024, 452}}),
    [](const ::testing::TestParamInfo<AcceptedSplit>& info) { return std::string(info.param.name); });

TEST_F(ShellTest, ChoiceAndTextAreReadWhenTheButtonIsPressed)
{
    chooseFile(makeFile("data.bin", 10));
    showSplitPanelWith("2", false);  // 2 KB parts would be refused for 10 bytes
    onCommand(IDC_BY_COUNT);
    typeInto(IDC_VALUE, "5");

    onCommand(IDC_START_SPLIT);
    ASSERT_TRUE(waitForSentTextAndTakeMessages());
    joinFakeThreads();

    EXPECT_EQ(statusTextNow(), "The operation was successful.");
    EXPECT_EQ(std::filesystem::file_size(directory / "data_part5.qv"), 2u);
}

}  // namespace
