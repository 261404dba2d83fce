#include "common/file_io.h"

#include "common/system_file_calls.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

SystemFile openForReading(const std::string& path)
{
    return {::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
}

SystemFile openForWritingAsIs(const std::string& path, bool append)
{
    const int appending = append ? O_APPEND : 0;
    return {::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | appending, 0666)};
}

int64_t readOnce(SystemFile file, char* buffer, int64_t count)
{
    for (;;) {
        const ssize_t got = ::read(file.descriptor, buffer, static_cast<size_t>(count));
        if (got >= 0 || errno != EINTR)
            return static_cast<int64_t>(got);
    }
}

int64_t writeOnce(SystemFile file, const char* bytes, int64_t count)
{
    for (;;) {
        const ssize_t put = ::write(file.descriptor, bytes, static_cast<size_t>(count));
        if (put >= 0 || errno != EINTR)
            return static_cast<int64_t>(put);
    }
}

bool cutToZero(SystemFile file)
{
    return ::ftruncate(file.descriptor, 0) == 0;
}

namespace {
// The system does not copy into a file opened for appending. This process is the only
// writer of its destinations, so it drops the flag and stands at the end instead.
bool writeAtEndWithoutAppendFlag(SystemFile file)
{
    const int flags = ::fcntl(file.descriptor, F_GETFL);
    if (flags < 0)
        return false;
    if ((flags & O_APPEND) == 0)
        return true;
    return ::fcntl(file.descriptor, F_SETFL, flags & ~O_APPEND) == 0 && ::lseek(file.descriptor, 0, SEEK_END) >= 0;
}
}  // namespace

int64_t copyWithinSystem(SystemFile source, SystemFile destination, int64_t count)
{
    if (!writeAtEndWithoutAppendFlag(destination))
        return -1;
    for (;;) {
        const ssize_t copied =
            ::copy_file_range(source.descriptor, nullptr, destination.descriptor, nullptr, static_cast<size_t>(count), 0);
        if (copied < 0 && errno == EINTR)
            continue;
        return copied < 0 ? -1 : static_cast<int64_t>(copied);
    }
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
