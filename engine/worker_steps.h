#pragma once
#include "common/status_codes.h"

#include <cstdint>
#include <string>

// Steps both workers share. The order of the JobState stores, which the status reporter
// relies on, is written here once.

// Marks a split as running: `idle` false, then `statusCode` StatusOk.
void beginSplitJob();
// Marks a merge as running: `statusCode` StatusOk, then `idle` false.
void beginMergeJob();
// Stores a code of the running job without ending it.
void noteJobCode(StatusCode code);
// Stores the final code, then sets `idle` true: the worker's last touch of JobState.
void endJob(StatusCode code);

// True when the volume that holds `path` reports fewer free bytes than `byteCount`. A
// failed query counts as enough room.
bool volumeLacksRoomFor(const std::string& path, int64_t byteCount);
