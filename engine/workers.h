#pragma once
#include <cstdint>

// Thread procedures of one split and one merge. Each takes ownership of its argument,
// reports only through JobState, and returns 0.

// `request` is a SplitRequest made with makeSplitRequest.
uint32_t splitWorker(void* request);

// `pathCopy` is a path block made with makePathCopy: any file of a part set.
uint32_t mergeWorker(void* pathCopy);
