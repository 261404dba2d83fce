#pragma once
#include "common/status_codes.h"
#include "engine/part_set.h"

#include <cstdint>
#include <string>
#include <vector>

// What a check of a part set found, without writing anything.
struct SetReport {
    // StatusOk when the set's name and info record are sound; otherwise the code a merge
    // would end with (StatusNotMergeable, StatusBadPartName, StatusInfoMissing,
    // StatusInfoInvalid), and nothing else below is filled.
    StatusCode recordCode = StatusOk;
    InfoRecord record;
    std::vector<int32_t> missingParts;    // part numbers that cannot be opened
    std::vector<int32_t> wrongSizeParts;  // part numbers whose size breaks the layout
    int64_t totalSize = 0;                // bytes of the parts that opened

    bool whole() const
    {
        return recordCode == StatusOk && missingParts.empty() && wrongSizeParts.empty() &&
               totalSize == record.fileSize;
    }
};

// Checks the set that `setFilePath` (any of its files) belongs to: its info record is
// valid, parts 1 to partCount exist, every part but the last has one common size, the
// last is no larger, and the sizes add up to the recorded file size.
SetReport checkPartSet(const std::string& setFilePath);
