#pragma once
#include <cstdint>
#include <string>

// What the workers' free-space query answers in these tests.
struct FakeVolume {
    bool answers = false;     // false: the query fails, as an unreachable volume's does
    uint64_t freeBytes = 0;
    std::string lastRootAsked;
};

extern FakeVolume fakeVolume;
