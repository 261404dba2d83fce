#pragma once
#include <cstdint>

// Outcome of a split or merge job, as left in JobState::statusCode.
// 0 is the load-time value before any job has stored a code.
enum StatusCode : int32_t {
    StatusOk = 200,
    StatusInputMissing = 201,
    StatusPartNotCreated = 202,
    StatusInfoNotCreated = 203,
    StatusInfoMissing = 204,
    StatusNotMergeable = 205,
    StatusBadPartName = 206,
    StatusPartMissing = 207,
    StatusInfoInvalid = 208,
    StatusNoSpace = 209,
    StatusMergedNotWritten = 210,
    StatusSizeMismatch = 211,
};
