#include "common/platform.h"

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
