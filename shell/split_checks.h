#pragma once
#include <cstdint>

// The decisions behind Start Splitting that need no window system: the rules for the
// typed value, the limits on the chosen file, and the part size they lead to. The window
// and the command line both go through planSplit, so every rule and text lives here once.

// Capacity of the buffer the value box is read into: 11 characters and the NUL.
constexpr int valueTextCapacity = 12;

// Largest file that can be split: 300 MB of 1,048,576 bytes.
constexpr uint64_t maxSplitInputSize = 300ull * 1024 * 1024;

// The message of the first value rule that `valueText` breaks, or nullptr when it
// spells an acceptable number: at most 10 characters, not empty, digits only, not 0.
const char* valueTextRefusal(const char* valueText);

// The number that an accepted value text spells.
uint64_t typedValueOf(const char* valueText);

// The message of the first limit that the request breaks, or nullptr when it is within
// them all: the file's size limits first, then the value against the file.
const char* splitLimitRefusal(bool byCount, uint64_t typedValue, uint64_t inputSize);

// Bytes per part for a request within the limits: the smallest size of which
// `typedValue` parts cover the file, or `typedValue` kilobytes of 1024 bytes.
uint32_t partSizeFor(bool byCount, uint64_t typedValue, uint64_t inputSize);

// How a refused request is shown: a value or open refusal as a message box, a limit as
// the status text.
enum class RefusalShownAs { MessageBox, StatusText };

struct SplitPlan {
    const char* refusal = nullptr;  // nullptr when the split may start
    RefusalShownAs shownAs = RefusalShownAs::MessageBox;
    uint32_t partSize = 0;
};

// Runs every check of Start Splitting in order (value rules, the chosen file opens, the
// limits) and, when all pass, computes the part size.
SplitPlan planSplit(bool byCount, const char* valueText, const char* inputPath);

extern const char inputCannotBeOpenedMessage[];
