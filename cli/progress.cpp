#include "cli/progress.h"

#include "common/job_state.h"
#include "common/platform.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

void showProgress(uint64_t moved, uint64_t total)
{
    if (total == 0)  // not known before the job has measured its input
        return;
    const auto percent = static_cast<unsigned>(moved * 100 / total);
    std::fprintf(stderr, "\r%3u%%  %llu of %llu bytes", percent, static_cast<unsigned long long>(moved),
                 static_cast<unsigned long long>(total));
    std::fflush(stderr);
}

void clearProgressLine()
{
    std::fprintf(stderr, "\r%60s\r", "");
    std::fflush(stderr);
}

}  // namespace

void showProgressOfJob(uint32_t ticket)
{
    if (!standardErrorIsTerminal())
        return;
    awaitJobStarted(ticket);
    while (!jobState.idle.load(std::memory_order_acquire)) {
        showProgress(jobState.bytesMoved.load(std::memory_order_relaxed),
                     jobState.bytesTotal.load(std::memory_order_relaxed));
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    clearProgressLine();
}
