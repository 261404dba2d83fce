#include "common/file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

SystemFile openForReading(const std::string& path)
{
    return {::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
}

SystemFile openForWriting(const std::string& path, WriteMode mode)
{
    const int appending = mode == WriteMode::Append ? O_APPEND : 0;
    SystemFile file{::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | appending, 0666)};
    if (!file.isOpen() || mode == WriteMode::Append)
        return file;
    const off_t length = ::lseek(file.descriptor, 0, SEEK_END);
    if (length > 0 && (::ftruncate(file.descriptor, 0) != 0 || ::lseek(file.descriptor, 0, SEEK_SET) != 0))
        closeFile(file);
    return file;
}

int64_t readFully(SystemFile file, char* buffer, int64_t count)
{
    int64_t total = 0;
    while (total < count) {
        const ssize_t got = ::read(file.descriptor, buffer + total, static_cast<size_t>(count - total));
        if (got < 0 && errno == EINTR)
            continue;
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
        const ssize_t put = ::write(file.descriptor, bytes + total, static_cast<size_t>(count - total));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        total += put;
    }
    return true;
}

bool seekTo(SystemFile file, int64_t position)
{
    return ::lseek(file.descriptor, static_cast<off_t>(position), SEEK_SET) == static_cast<off_t>(position);
}

int64_t seekToEnd(SystemFile file)
{
    return static_cast<int64_t>(::lseek(file.descriptor, 0, SEEK_END));
}

bool closeFile(SystemFile& file)
{
    if (!file.isOpen())
        return false;
    const int result = ::close(file.descriptor);
    file.descriptor = -1;
    return result == 0;
}
