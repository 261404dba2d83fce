#include "common/platform.h"

#include <sys/statvfs.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

const char pathSeparator = '/';

std::string volumeRootOf(const std::string& path)
{
    const std::string::size_type slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return path.substr(0, slash + 1);
}

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

bool absolutePath(const std::string& path, std::string& absolute)
{
    if (!path.empty() && path[0] == '/') {
        absolute = path;
        return true;
    }
    char directory[PATH_MAX];
    if (getcwd(directory, sizeof directory) == nullptr)
        return false;
    absolute = std::string(directory) + "/" + path;
    return true;
}

bool standardErrorIsTerminal()
{
    return isatty(STDERR_FILENO) == 1;
}
