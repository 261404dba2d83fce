#include "common/platform.h"

#include <windows.h>

bool queryFreeBytes(const std::string& volumeRoot, uint64_t& freeBytes)
{
    ULARGE_INTEGER totalFree{};
    if (GetDiskFreeSpaceExA(volumeRoot.c_str(), nullptr, nullptr, &totalFree) == 0)
        return false;
    freeBytes = totalFree.QuadPart;
    return true;
}
