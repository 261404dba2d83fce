#include "engine/worker_steps.h"

#include "common/job_state.h"
#include "common/platform.h"

namespace {
void resetProgress()
{
    jobState.bytesMoved.store(0, std::memory_order_relaxed);
    jobState.bytesTotal.store(0, std::memory_order_relaxed);
}
}  // namespace

void beginSplitJob()
{
    jobState.idle.store(false, std::memory_order_seq_cst);
    jobState.statusCode.store(StatusOk, std::memory_order_seq_cst);
    resetProgress();
    signalJobStarted();
}

void beginMergeJob()
{
    jobState.statusCode.store(StatusOk, std::memory_order_seq_cst);
    jobState.idle.store(false, std::memory_order_seq_cst);
    resetProgress();
    signalJobStarted();
}

void noteJobCode(StatusCode code)
{
    jobState.statusCode.store(code, std::memory_order_release);
}

void endJob(StatusCode code)
{
    jobState.statusCode.store(code, std::memory_order_release);
    jobState.idle.store(true, std::memory_order_release);
}

bool volumeLacksRoomFor(const std::string& path, int64_t byteCount)
{
    uint64_t freeBytes = 0;
    return queryFreeBytes(volumeRootOf(path), freeBytes) && freeBytes < static_cast<uint64_t>(byteCount);
}
