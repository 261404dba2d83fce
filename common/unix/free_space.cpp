#include "common/platform.h"

#include <sys/statvfs.h>
#include <unistd.h>

bool queryFreeBytes(const std::string& volumeRoot, uint64_t& freeBytes)
{
    struct statvfs volume {};
    if (statvfs(volumeRoot.c_str(), &volume) != 0)
        return false;
    // The superuser may also fill the blocks kept in reserve for it.
    const uint64_t blocks = geteuid() == 0 ? volume.f_bfree : volume.f_bavail;
    freeBytes = blocks * static_cast<uint64_t>(volume.f_frsize);
    return true;
}
