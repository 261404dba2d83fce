#pragma once
#include <cstdint>

// The words for a job's outcome code, or nullptr for a code that has none (the 0 that
// JobState holds before the first job).
const char* statusMessage(int32_t statusCode);
