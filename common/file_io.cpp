#include "common/file_io.h"

int64_t sizeOfFileAt(const std::string& path)
{
    SystemFile file = openForReading(path);
    if (!file.isOpen())
        return -1;
    const int64_t length = seekToEnd(file);
    closeFile(file);
    return length;
}
