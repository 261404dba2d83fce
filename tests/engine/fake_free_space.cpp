#include "fake_free_space.h"

#include "common/platform.h"

FakeVolume fakeVolume;

bool queryFreeBytes(const std::string& volumeRoot, uint64_t& freeBytes)
{
    fakeVolume.lastRootAsked = volumeRoot;
    if (!fakeVolume.answers)
        return false;
    freeBytes = fakeVolume.freeBytes;
    return true;
}
