#include "common/file_io.h"

#include "common/system_file_calls.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <climits>

namespace {
// The CRT moves at most INT_MAX bytes in one call.
unsigned int callSize(int64_t count)
{
    return static_cast<unsigned int>(count > INT_MAX ? INT_MAX : count);
}
}  // namespace

SystemFile openForReading(const std::string& path)
{
    return {::_open(path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT)};
}

SystemFile openForWritingAsIs(const std::string& path, bool append)
{
    const int appending = append ? _O_APPEND : 0;
    return {::_open(path.c_str(), _O_WRONLY | _O_CREAT | _O_BINARY | _O_NOINHERIT | appending, _S_IREAD | _S_IWRITE)};
}

int64_t readOnce(SystemFile file, char* buffer, int64_t count)
{
    return ::_read(file.descriptor, buffer, callSize(count));
}

int64_t writeOnce(SystemFile file, const char* bytes, int64_t count)
{
    return ::_write(file.descriptor, bytes, callSize(count));
}

bool cutToZero(SystemFile file)
{
    return ::_chsize_s(file.descriptor, 0) == 0;
}

int64_t copyWithinSystem(SystemFile, SystemFile, int64_t)
{
    return -1;  // no such call for two open files: every copy goes through the buffer
}

bool seekTo(SystemFile file, int64_t position)
{
    return ::_lseeki64(file.descriptor, position, SEEK_SET) == position;
}

int64_t seekToEnd(SystemFile file)
{
    return ::_lseeki64(file.descriptor, 0, SEEK_END);
}

bool closeFile(SystemFile& file)
{
    if (!file.isOpen())
        return false;
    const int result = ::_close(file.descriptor);
    file.descriptor = -1;
    return result == 0;
}
