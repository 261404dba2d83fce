#include "common/file_io.h"

#include "common/system_file_calls.h"

SystemFile openForWriting(const std::string& path, WriteMode mode)
{
    SystemFile file = openForWritingAsIs(path, mode == WriteMode::Append);
    if (!file.isOpen() || mode == WriteMode::Append)
        return file;
    if (seekToEnd(file) > 0 && (!cutToZero(file) || !seekTo(file, 0)))
        closeFile(file);
    return file;
}

int64_t readFully(SystemFile file, char* buffer, int64_t count)
{
    int64_t total = 0;
    while (total < count) {
        const int64_t got = readOnce(file, buffer + total, count - total);
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
        const int64_t put = writeOnce(file, bytes + total, count - total);
        if (put <= 0)
            return false;
        total += put;
    }
    return true;
}

int64_t sizeOfFileAt(const std::string& path)
{
    SystemFile file = openForReading(path);
    if (!file.isOpen())
        return -1;
    const int64_t length = seekToEnd(file);
    closeFile(file);
    return length;
}
