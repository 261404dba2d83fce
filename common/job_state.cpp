#include "common/job_state.h"

JobState jobState;

void signalJobStarted()
{
    jobState.jobsStarted.fetch_add(1, std::memory_order_release);
    jobState.jobsStarted.notify_all();
}

uint32_t jobStartTicket()
{
    return jobState.jobsStarted.load(std::memory_order_acquire);
}

void awaitJobStarted(uint32_t ticket)
{
    jobState.jobsStarted.wait(ticket, std::memory_order_acquire);
}
