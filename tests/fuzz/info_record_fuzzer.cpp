// Feeds arbitrary info file contents to the record reader. Besides the sanitizers' own
// checks, every record it accepts must hold sound values and read back the same when
// written anew.

#include "engine/part_set.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {
void require(bool condition)
{
    if (!condition)
        std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    std::istringstream info(std::string(reinterpret_cast<const char*>(data), size));
    InfoRecord record;
    const StatusCode code = readInfoRecord(info, record);
    require(code == StatusOk || code == StatusInfoInvalid);
    if (code != StatusOk)
        return 0;

    require(record.partCount >= 1 && record.partCount <= record.fileSize);
    require(!record.extension.empty() && record.extension[0] == '.');
    require(record.extension.find_first_of("/\\:") == std::string::npos);

    InfoRecord again;
    require(parseInfoLine(plainInfoRecord(record), again) == StatusOk);
    require(again.partCount == record.partCount && again.extension == record.extension &&
            again.fileSize == record.fileSize);
    return 0;
}
