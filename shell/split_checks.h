#pragma once
#include <cstdint>

// The decisions behind Start Splitting that need no window system: the rules for the
// typed value (at most 10 characters, not empty, digits only, not 0), the limits on the
// chosen file (at most 300 MB, at least 2 bytes, no more parts than bytes, no part larger
// than the file), and the part size they lead to. The window
// and the command line both go through planSplit, so every rule and text lives here once.

// Capacity of the buffer the value box is read into: 11 characters and the NUL.
constexpr int valueTextCapacity = 12;

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
