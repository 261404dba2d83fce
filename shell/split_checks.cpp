#include "shell/split_checks.h"

#include "common/text.h"

#include <cmath>
#include <cstring>
#include <fstream>

namespace {

// Largest file that can be split: 300 MB of 1,048,576 bytes.
constexpr uint64_t maxSplitInputSize = 300ull * 1024 * 1024;

// The number that an accepted value text spells.
uint64_t typedValueOf(const char* valueText)
{
    uint64_t value = 0;
    for (const char* digit = valueText; *digit != '\0'; ++digit)
        value = value * 10 + static_cast<uint64_t>(*digit - '0');
    return value;
}

// The message of the first value rule that `valueText` breaks, or nullptr when it spells
// an acceptable number.
const char* validateValueText(const char* valueText)
{
    if (std::strlen(valueText) > 10)
        return "You can at most write 10 characters";
    if (valueText[0] == '\0')
        return "Please Write Something in the textbox provided";
    if (!isDigitsOnly(valueText))
        return "Please write positive integers only";
    if (typedValueOf(valueText) == 0)
        return "Not an acceptable value";
    return nullptr;
}

// The message of the first limit that the request breaks, or nullptr within them all.
const char* splitLimitRefusal(bool byCount, uint64_t typedValue, uint64_t inputSize)
{
    if (inputSize > maxSplitInputSize)
        return "Maximum file size limit is 300 MB in this version; can't continue";
    if (inputSize < 2)
        return "Size of the selected file is too small ; can't continue.";
    if (byCount && typedValue > inputSize)
        return "Selected value for Number of Parts is too large; can't continue.";
    if (!byCount && typedValue * 1024 > inputSize)
        return "The Partsize was greater than the file size; can't continue.";
    return nullptr;
}

// Bytes per part: the smallest size of which `typedValue` parts cover the file, or
// `typedValue` kilobytes of 1024 bytes.
uint32_t partSizeFor(bool byCount, uint64_t typedValue, uint64_t inputSize)
{
    if (byCount)
        return static_cast<uint32_t>(std::ceil(static_cast<double>(inputSize) / static_cast<double>(typedValue)));
    return static_cast<uint32_t>(typedValue * 1024);
}

// The length of the file, measured without reading it; false when it cannot be opened.
bool measureInput(const char* inputPath, uint64_t& inputSize)
{
    std::ifstream input(inputPath, std::ios::in | std::ios::binary);
    if (!input.good())
        return false;
    input.seekg(0, std::ios::end);
    inputSize = static_cast<uint64_t>(input.tellg());
    return true;
}
}  // namespace

SplitPlan planSplit(bool byCount, const char* valueText, const char* inputPath)
{
    if (const char* refusal = validateValueText(valueText))
        return {refusal, RefusalShownAs::MessageBox, 0};
    uint64_t inputSize = 0;
    if (!measureInput(inputPath, inputSize))
        return {"Input File cannot be opened", RefusalShownAs::MessageBox, 0};
    const uint64_t typedValue = typedValueOf(valueText);
    if (const char* refusal = splitLimitRefusal(byCount, typedValue, inputSize))
        return {refusal, RefusalShownAs::StatusText, 0};
    return {nullptr, RefusalShownAs::MessageBox, partSizeFor(byCount, typedValue, inputSize)};
}
