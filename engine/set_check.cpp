#include "engine/set_check.h"

#include "common/file_io.h"

#include <map>

namespace {

// The size most of the full parts share: the set's part size, as far as the parts tell.
int64_t commonFullPartSize(const std::vector<int64_t>& sizes)
{
    std::map<int64_t, int> counts;
    for (std::size_t index = 0; index + 1 < sizes.size(); ++index) {
        if (sizes[index] >= 0)
            ++counts[sizes[index]];
    }
    int64_t common = -1;
    int best = 0;
    for (const auto& [size, count] : counts) {
        if (count > best) {
            common = size;
            best = count;
        }
    }
    return common;
}

}  // namespace

SetReport checkPartSet(const std::string& setFilePath)
{
    SetReport report;
    std::string baseName;
    report.recordCode = baseNameOfSetFile(setFilePath, baseName);
    if (report.recordCode == StatusOk)
        report.recordCode = readInfoFile(baseName, report.record);
    if (report.recordCode != StatusOk)
        return report;

    const int32_t partCount = report.record.partCount;
    std::vector<int64_t> sizes;
    for (int32_t partNumber = 1; partNumber <= partCount; ++partNumber) {
        const int64_t size = sizeOfFileAt(partName(baseName, partNumber));
        sizes.push_back(size);
        if (size < 0)
            report.missingParts.push_back(partNumber);
        else
            report.totalSize += size;
    }

    const int64_t fullPartSize = commonFullPartSize(sizes);
    for (int32_t partNumber = 1; partNumber <= partCount; ++partNumber) {
        const int64_t size = sizes[static_cast<std::size_t>(partNumber - 1)];
        if (size < 0)
            continue;
        const bool isLast = partNumber == partCount;
        const bool fits = isLast ? (fullPartSize < 0 || size <= fullPartSize) && size > 0 : size == fullPartSize;
        if (!fits)
            report.wrongSizeParts.push_back(partNumber);
    }
    return report;
}
