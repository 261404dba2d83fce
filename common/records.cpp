#include "common/records.h"

#include "common/job_state.h"

#include <cstring>

namespace {
char* copyIntoPathBuffer(const char* path)
{
    char* buffer = new char[pathCapacity];
    std::strncpy(buffer, path, pathCapacity - 1);
    buffer[pathCapacity - 1] = '\0';
    return buffer;
}
}  // namespace

SplitRequest* makeSplitRequest(uint32_t partSize, const char* path)
{
    return new SplitRequest{partSize, 0, copyIntoPathBuffer(path)};
}

void releaseSplitRequest(SplitRequest* request)
{
    delete[] request->path;
    delete request;
}

char* makePathCopy(const char* path)
{
    return copyIntoPathBuffer(path);
}

void releasePathCopy(char* copy)
{
    delete[] copy;
}
