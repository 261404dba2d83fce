#include "common/job_state.h"
#include "common/records.h"
#include "engine/byte_copy.h"
#include "engine/worker_steps.h"
#include "engine/part_set.h"
#include "engine/workers.h"

#include <climits>
#include <cstdio>
#include <fstream>

namespace {

// Length of an open file, measured by moving to its end: the move itself gives the
// position, so this costs one seek of the system and no second one to ask for it.
int64_t measuredSize(std::ifstream& file)
{
    return static_cast<int64_t>(file.rdbuf()->pubseekoff(0, std::ios::end, std::ios::in));
}

// Opens a part only to learn that it exists and how long it is: no buffer is needed.
void openPart(std::ifstream& part, const std::string& name)
{
    part.rdbuf()->pubsetbuf(nullptr, 0);
    part.open(name, std::ios::in | std::ios::binary);
}

void removeEarlierMergedFile(const std::string& name)
{
    std::ifstream earlier(name, std::ios::in | std::ios::binary);
    if (!earlier.good())
        return;
    earlier.close();
    std::remove(name.c_str());
}

// Appends parts 1 to partCount to `merged`, in order. StatusMergedNotWritten ends at
// once; a part that cannot be opened or read in full gives StatusPartMissing.
StatusCode appendParts(const std::string& baseName, const std::string& merged, int32_t partCount)
{
    StatusCode code = StatusOk;
    for (int32_t partNumber = 1; partNumber <= partCount; ++partNumber) {
        const std::string name = partName(baseName, partNumber);
        std::ifstream part;
        openPart(part, name);
        if (!part.good()) {
            code = StatusPartMissing;
            noteJobCode(code);
            continue;
        }
        const int64_t length = measuredSize(part);
        const auto partLength = static_cast<int32_t>(length > INT32_MAX ? INT32_MAX : length);
        const CopyOutcome outcome = copyByteRange(name, merged, partLength, 0, true, &jobState.bytesMoved);
        if (outcome == CopyWriteFailed)
            return StatusMergedNotWritten;
        if (outcome == CopyReadFailed) {
            code = StatusPartMissing;
            noteJobCode(code);
        }
    }
    return code;
}

bool hasSize(const std::string& path, int64_t expected)
{
    std::ifstream file(path, std::ios::in | std::ios::binary);
    return file.good() && measuredSize(file) == expected;
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
    if (code == StatusOk && !hasSize(merged, record.fileSize))
        code = StatusSizeMismatch;
    endJob(code);
    return 0;
}
