#pragma once
#include <cstdint>

// The heap record handed to splitWorker as its thread argument. The worker owns it,
// and its path buffer, from the moment its thread is started.
struct SplitRequest {
    uint32_t partSize;  // bytes per part, at least 1 and at most the file's size
    int32_t reserved;   // always 0, never read
    char* path;         // pathCapacity-byte heap buffer, NUL-terminated full path
};

// The heap record handed to statusReporter: the main window and its status text
// control, as opaque handles of whichever window system draws them.
struct ReporterTarget {
    void* mainWindow;
    void* statusText;
};

// A new request holding a copy of `path` (cut to fit the path buffer).
SplitRequest* makeSplitRequest(uint32_t partSize, const char* path);
void releaseSplitRequest(SplitRequest* request);

// A new pathCapacity-byte heap block holding a copy of `path`: the merge worker's argument.
char* makePathCopy(const char* path);
void releasePathCopy(char* copy);
