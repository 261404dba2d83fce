#include "common/file_io.h"

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

SystemFile openForWriting(const std::string& path, WriteMode mode)
{
    const int appending = mode == WriteMode::Append ? _O_APPEND : 0;
    SystemFile file{::_open(path.c_str(), _O_WRONLY | _O_CREAT | _O_BINARY | _O_NOINHERIT | appending,
                            _S_IREAD | _S_IWRITE)};
    if (!file.isOpen() || mode == WriteMode::Append)
        return file;
    const int64_t length = ::_lseeki64(file.descriptor, 0, SEEK_END);
    if (length > 0 && (::_chsize_s(file.descriptor, 0) != 0 || ::_lseeki64(file.descriptor, 0, SEEK_SET) != 0))
        closeFile(file);
    return file;
}

int64_t readFully(SystemFile file, char* buffer, int64_t count)
{
    int64_t total = 0;
    while (total < count) {
        const int got = ::_read(file.descriptor, buffer + total, callSize(count - total));
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        total += got;
    }
    return total;
}

bool writeFully(SystemFile file, const char* bytes, int64_t count)
{
    int64_t total = 0;
    while (total < count) {
        const int put = ::_write(file.descriptor, bytes + total, callSize(count - total));
        if (put <= 0)
            return false;
        total += put;
    }
    return true;
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
