#include "common/job_state.h"
#include "common/records.h"
#include "shell/shell.h"
#include "shell/status_messages.h"

uint32_t statusReporter(void* argument)
{
    auto* target = static_cast<ReporterTarget*>(argument);
    WindowHandle outcomeText = target->statusText;
    delete target;

    while (!jobState.idle.load(std::memory_order_acquire))
        sleepMilliseconds(100);
    const int32_t code = jobState.statusCode.load(std::memory_order_acquire);
    if (const char* message = statusMessage(code))
        setControlText(outcomeText, message);
    return 0;
}
