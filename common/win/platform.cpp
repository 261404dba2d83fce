#include "common/platform.h"

#include <windows.h>
#include <io.h>

#include <cstdio>

const char pathSeparator = '\\';

std::string volumeRootOf(const std::string& path)
{
    return path.substr(0, path.find('\\')) + "\\";
}

bool absolutePath(const std::string& path, std::string& absolute)
{
    char buffer[MAX_PATH * 4];
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
    if (length == 0 || length >= sizeof buffer)
        return false;
    absolute.assign(buffer, length);
    return true;
}

bool standardErrorIsTerminal()
{
    return _isatty(_fileno(stderr)) != 0;
}
