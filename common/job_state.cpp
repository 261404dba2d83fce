#include "common/job_state.h"

#include <chrono>
#include <thread>

JobState jobState;

void signalJobStarted()
{
    jobState.jobsStarted.fetch_add(1, std::memory_order_release);
}

uint32_t jobStartTicket()
{
    return jobState.jobsStarted.load(std::memory_order_acquire);
}

void awaitJobStarted(uint32_t ticket)
{
    // A short poll rather than std::atomic::wait: the MinGW-w64 libstdc++ builds it from a
    // condition variable that can miss the worker's notify, and the window then waits for
    // ever. The worker marks its job at once, so the poll ends within a millisecond or two.
    while (jobState.jobsStarted.load(std::memory_order_acquire) == ticket)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}
