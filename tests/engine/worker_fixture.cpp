#include "worker_fixture.h"

#include "common/job_state.h"
#include "common/records.h"
#include "engine/workers.h"
#include "fake_free_space.h"

#include <thread>

namespace {
int32_t runWorker(uint32_t (*worker)(void*), void* argument)
{
    const uint32_t ticket = jobStartTicket();
    std::thread job(worker, argument);
    awaitJobStarted(ticket);
    job.join();
    EXPECT_TRUE(jobState.idle.load());
    return jobState.statusCode.load();
}
}  // namespace

void WorkerTest::SetUp()
{
    fakeVolume = FakeVolume{true, uint64_t{1} << 40, ""};
}

int32_t WorkerTest::split(const std::string& input, uint32_t partSize)
{
    return runWorker(splitWorker, makeSplitRequest(partSize, input.c_str()));
}

int32_t WorkerTest::merge(const std::string& setFile)
{
    return runWorker(mergeWorker, makePathCopy(setFile.c_str()));
}

std::string WorkerTest::makeReportSet()
{
    const std::string input = dir.path("report.txt");
    writeFile(input, "0123456789");
    EXPECT_EQ(split(input, 4), 200);
    return input;
}
