#include "cli/commands.h"

#include "cli/progress.h"
#include "common/job_state.h"
#include "common/platform.h"
#include "common/records.h"
#include "engine/set_check.h"
#include "engine/workers.h"
#include "shell/split_checks.h"
#include "shell/status_messages.h"

#include <cstdio>
#include <thread>

namespace {

void printError(const std::string& file, const char* message)
{
    std::fprintf(stderr, "quorvanteline-cli: %s: %s\n", file.c_str(), message);
}

// The absolute form of `file`, refused when it does not fit the path buffer.
bool usablePath(const std::string& file, std::string& absolute)
{
    if (!absolutePath(file, absolute)) {
        printError(file, "the path cannot be made absolute");
        return false;
    }
    if (absolute.size() >= pathCapacity) {
        const std::string why = "the full path has " + std::to_string(absolute.size()) + " characters; at most " +
                                std::to_string(pathCapacity - 1) + " fit";
        printError(absolute, why.c_str());
        return false;
    }
    return true;
}

// Runs `worker` on a thread of its own, as the window does, and reports how it ended.
int runJob(uint32_t (*worker)(void*), void* argument, const std::string& file)
{
    const uint32_t ticket = jobStartTicket();
    std::thread job(worker, argument);
    showProgressOfJob(ticket);
    job.join();

    const int32_t code = jobState.statusCode.load(std::memory_order_acquire);
    if (code == StatusOk) {
        std::printf("%s\n", statusMessage(code));
        return exitSuccess;
    }
    printError(file, statusMessage(code));
    return code - StatusOk;
}

}  // namespace

int runSplit(const std::string& file, bool byCount, const std::string& valueText)
{
    std::string path;
    if (!usablePath(file, path))
        return exitRefused;
    const SplitPlan plan = planSplit(byCount, valueText.c_str(), path.c_str());
    if (plan.refusal != nullptr) {
        printError(file, plan.refusal);
        return exitRefused;
    }
    return runJob(splitWorker, makeSplitRequest(plan.partSize, path.c_str()), file);
}

int runMerge(const std::string& file)
{
    std::string path;
    if (!usablePath(file, path))
        return exitRefused;
    return runJob(mergeWorker, makePathCopy(path.c_str()), file);
}

int runVerify(const std::string& file)
{
    std::string path;
    if (!usablePath(file, path))
        return exitRefused;
    const SetReport report = checkPartSet(path);
    if (report.recordCode != StatusOk) {
        printError(file, statusMessage(report.recordCode));
        std::fprintf(stderr, "The part set is broken.\n");
        return exitRefused;
    }
    for (const int32_t part : report.missingParts)
        std::fprintf(stderr, "Part %d is missing.\n", part);
    for (const int32_t part : report.wrongSizeParts)
        std::fprintf(stderr, "Part %d has the wrong size.\n", part);

    const InfoRecord& record = report.record;
    if (report.whole()) {
        std::printf("The part set is whole: %d parts, %d bytes.\n", record.partCount, record.fileSize);
        return exitSuccess;
    }
    if (report.totalSize != record.fileSize)
        std::fprintf(stderr, "The parts hold %lld bytes; the original file had %d.\n",
                     static_cast<long long>(report.totalSize), record.fileSize);
    std::fprintf(stderr, "The part set is broken: %zu of %d parts missing, %zu of the wrong size.\n",
                 report.missingParts.size(), record.partCount, report.wrongSizeParts.size());
    return exitRefused;
}
