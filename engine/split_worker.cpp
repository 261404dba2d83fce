#include "common/file_io.h"
#include "common/job_state.h"
#include "common/records.h"
#include "engine/byte_copy.h"
#include "engine/part_set.h"
#include "engine/worker_steps.h"
#include "engine/workers.h"

#include <cmath>

namespace {

// Writes parts 1 to partCount; false when at least one could not be created in full.
// Each part is first opened, and so created or emptied, on a handle of its own that only
// tells whether the part can be made; the copy then writes it through its own handle.
bool writeParts(const std::string& inputPath, const std::string& baseName, uint32_t partSize, int32_t fileSize,
                int32_t partCount)
{
    bool everyPartWritten = true;
    for (int32_t partNumber = 1; partNumber <= partCount; ++partNumber) {
        const std::string name = partName(baseName, partNumber);
        SystemFile partHandle = openForWriting(name, WriteMode::Replace);
        if (!partHandle.isOpen()) {
            noteJobCode(StatusPartNotCreated);
            everyPartWritten = false;
            continue;
        }
        const int64_t start = static_cast<int64_t>(partSize) * (partNumber - 1);
        const int64_t length = partNumber < partCount ? partSize : fileSize - start;
        const CopyOutcome outcome = copyByteRange(inputPath, name, static_cast<int32_t>(length),
                                                  static_cast<int32_t>(start), false, &jobState.bytesMoved);
        closeFile(partHandle);
        if (outcome != CopyComplete) {
            noteJobCode(StatusPartNotCreated);
            everyPartWritten = false;
        }
    }
    return everyPartWritten;
}

}  // namespace

uint32_t splitWorker(void* argument)
{
    beginSplitJob();

    auto* request = static_cast<SplitRequest*>(argument);
    const std::string inputPath = request->path;
    const uint32_t partSize = request->partSize;
    releaseSplitRequest(request);

    SystemFile input = openForReading(inputPath);
    if (!input.isOpen()) {
        endJob(StatusInputMissing);
        return 0;
    }
    const auto fileSize = static_cast<int32_t>(seekToEnd(input));
    jobState.bytesTotal.store(static_cast<uint64_t>(fileSize), std::memory_order_relaxed);

    if (volumeLacksRoomFor(inputPath, fileSize)) {
        closeFile(input);
        endJob(StatusNoSpace);
        return 0;
    }
    // No part can be made of zero bytes; nothing is written.
    if (partSize == 0) {
        closeFile(input);
        endJob(StatusPartNotCreated);
        return 0;
    }

    const SplitNames names = splitNamesOf(inputPath);
    const auto partCount = static_cast<int32_t>(std::ceil(static_cast<double>(fileSize) / partSize));
    const bool partsWritten = writeParts(inputPath, names.baseName, partSize, fileSize, partCount);
    closeFile(input);

    if (writeInfoFile(names.baseName, {partCount, names.extension, fileSize}) != StatusOk) {
        endJob(StatusInfoNotCreated);
        return 0;
    }
    endJob(partsWritten ? StatusOk : StatusPartNotCreated);
    return 0;
}
