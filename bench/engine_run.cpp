// qv-engine-run: runs one split or merge of the engine on the calling thread and nothing
// else, so that the benchmark can time the engine apart from the front end around it.
//
//   qv-engine-run split FILE PART_BYTES
//   qv-engine-run merge FILE
//
// Prints the job's status code; exits 0 when it is StatusOk, 1 otherwise, 64 on a usage
// error.

#include "common/job_state.h"
#include "common/platform.h"
#include "common/records.h"
#include "common/status_codes.h"
#include "engine/workers.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int usageError()
{
    std::fputs("Usage: qv-engine-run split FILE PART_BYTES | merge FILE\n", stderr);
    return 64;
}

int reportOutcome()
{
    const int32_t code = jobState.statusCode.load(std::memory_order_acquire);
    std::printf("status %d\n", code);
    return code == StatusOk ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return usageError();
    std::string path;
    if (!absolutePath(argv[2], path) || path.size() >= pathCapacity) {
        std::fprintf(stderr, "qv-engine-run: %s: no usable absolute path\n", argv[2]);
        return 64;
    }
    if (argc == 4 && std::strcmp(argv[1], "split") == 0) {
        const unsigned long partBytes = std::strtoul(argv[3], nullptr, 10);
        if (partBytes == 0 || partBytes > UINT32_MAX)
            return usageError();
        splitWorker(makeSplitRequest(static_cast<uint32_t>(partBytes), path.c_str()));
        return reportOutcome();
    }
    if (argc == 3 && std::strcmp(argv[1], "merge") == 0) {
        mergeWorker(makePathCopy(path.c_str()));
        return reportOutcome();
    }
    return usageError();
}
