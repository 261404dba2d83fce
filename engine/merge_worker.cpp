#include "common/file_io.h"
#include "common/job_state.h"
#include "common/records.h"
#include "engine/byte_copy.h"
#include "engine/part_set.h"
#include "engine/worker_steps.h"
#include "engine/workers.h"

#include <climits>
#include <cstdio>

namespace {

void removeEarlierMergedFile(const std::string& name)
{
    SystemFile earlier = openForReading(name);
    if (!earlier.isOpen())
        return;
    closeFile(earlier);
    std::remove(name.c_str());
}

// Appends parts 1 to partCount to `merged`, in order. StatusMergedNotWritten ends at
// once; a part that cannot be opened or read in full gives StatusPartMissing. Each part is
// opened first to learn that it exists and to measure it; the copy reads it through its
// own handle.
StatusCode appendParts(const std::string& baseName, const std::string& merged, int32_t partCount)
{
    StatusCode code = StatusOk;
    for (int32_t partNumber = 1; partNumber <= partCount; ++partNumber) {
        const std::string name = partName(baseName, partNumber);
        SystemFile part = openForReading(name);
        if (!part.isOpen()) {
            code = StatusPartMissing;
            noteJobCode(code);
            continue;
        }
        const int64_t length = seekToEnd(part);
        const auto partLength = static_cast<int32_t>(length > INT32_MAX ? INT32_MAX : length);
        const CopyOutcome outcome = copyByteRange(name, merged, partLength, 0, true, &jobState.bytesMoved);
        closeFile(part);
        if (outcome == CopyWriteFailed)
            return StatusMergedNotWritten;
        if (outcome == CopyReadFailed) {
            code = StatusPartMissing;
            noteJobCode(code);
        }
    }
    return code;
}

}  // namespace

uint32_t mergeWorker(void* argument)
{
    beginMergeJob();

    auto* pathCopy = static_cast<char*>(argument);
    const std::string path = pathCopy;
    releasePathCopy(pathCopy);

    std::string baseName;
    const StatusCode nameCode = baseNameOfSetFile(path, baseName);
    if (nameCode != StatusOk) {
        endJob(nameCode);
        return 0;
    }
    InfoRecord record;
    const StatusCode infoCode = readInfoFile(baseName, record);
    if (infoCode != StatusOk) {
        endJob(infoCode);
        return 0;
    }
    jobState.bytesTotal.store(static_cast<uint64_t>(record.fileSize), std::memory_order_relaxed);
    if (volumeLacksRoomFor(path, record.fileSize)) {
        endJob(StatusNoSpace);
        return 0;
    }

    const std::string merged = mergedName(baseName, record.extension);
    removeEarlierMergedFile(merged);
    StatusCode code = appendParts(baseName, merged, record.partCount);
    if (code == StatusOk && sizeOfFileAt(merged) != record.fileSize)
        code = StatusSizeMismatch;
    endJob(code);
    return 0;
}
