#include "engine/part_set.h"

#include "common/platform.h"
#include "common/text.h"

#include <climits>
#include <fstream>

const char infoSignature[] = "Quorvanteline v 1.0";

namespace {

// A record line is a few hundred bytes at most; a longer one is refused rather than
// read whole into memory, whatever the info file holds.
constexpr std::string::size_type maxRecordLine = 64 * 1024;

// The value of a digits-only text of at most the first NUL, or 0 when it is empty or
// does not fit a signed 32-bit number (either makes the record invalid).
int32_t recordNumberOf(const std::string& text)
{
    const char* digits = text.c_str();
    if (!isDigitsOnly(digits))
        return 0;
    int64_t value = 0;
    for (; *digits != '\0'; ++digits) {
        value = value * 10 + (*digits - '0');
        if (value > INT32_MAX)
            return 0;
    }
    return static_cast<int32_t>(value);
}

// An extension that could make a merged file name leave the set's directory, or that no
// file name can hold, is refused.
bool isSafeExtension(const std::string& extension)
{
    for (const char c : extension) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || c == ':' || byte < 0x20 || byte == 0x7F)
            return false;
    }
    return true;
}

}  // namespace

std::string flipHighBits(std::string bytes)
{
    for (char& c : bytes)
        c = static_cast<char>(static_cast<unsigned char>(c) ^ 0x80u);
    return bytes;
}

std::string partName(const std::string& baseName, int32_t partNumber)
{
    return baseName + "_part" + std::to_string(partNumber) + ".qv";
}

std::string infoName(const std::string& baseName)
{
    return baseName + "_part0.qvo";
}

std::string mergedName(const std::string& baseName, const std::string& extension)
{
    if (extension == ".")
        return baseName + "_merged";
    return baseName + "_merged" + extension;
}

SplitNames splitNamesOf(const std::string& inputPath)
{
    const std::string::size_type separator = inputPath.rfind(pathSeparator);
    const std::string::size_type nameStart = separator == std::string::npos ? 0 : separator + 1;
    const std::string::size_type dot = inputPath.rfind('.');
    if (dot == std::string::npos || dot < nameStart)
        return {inputPath, "."};
    return {inputPath.substr(0, dot), inputPath.substr(dot)};
}

StatusCode baseNameOfSetFile(const std::string& setFilePath, std::string& baseName)
{
    const std::string::size_type dot = setFilePath.rfind('.');
    const std::string selectedExtension = dot == std::string::npos ? "" : setFilePath.substr(dot);
    if (selectedExtension != ".qv" && selectedExtension != ".qvo")
        return StatusNotMergeable;

    const std::string::size_type separator = setFilePath.rfind(pathSeparator, dot);
    const std::string::size_type nameStart = separator == std::string::npos ? 0 : separator + 1;
    const std::string::size_type underscore = setFilePath.rfind('_');
    if (underscore == std::string::npos || underscore < nameStart)
        return StatusBadPartName;

    baseName = setFilePath.substr(0, underscore);
    return StatusOk;
}

std::string plainInfoRecord(const InfoRecord& record)
{
    return std::string(infoSignature) + "." + std::to_string(record.partCount) + record.extension + "." +
           std::to_string(record.fileSize);
}

StatusCode writeInfoFile(const std::string& baseName, const InfoRecord& record)
{
    std::ofstream info(infoName(baseName), std::ios::out | std::ios::trunc);
    if (!info.good())
        return StatusInfoNotCreated;
    info << flipHighBits(plainInfoRecord(record));
    info.close();
    return info.fail() ? StatusInfoNotCreated : StatusOk;
}

StatusCode parseInfoLine(const std::string& decodedLine, InfoRecord& record)
{
    if (decodedLine.find(infoSignature) == std::string::npos)
        return StatusInfoInvalid;

    // The signature holds a '.', so there is a last one, well past the line's start.
    const std::string::size_type last = decodedLine.rfind('.');
    const int32_t fileSize = recordNumberOf(decodedLine.substr(last + 1));
    if (fileSize == 0)
        return StatusInfoInvalid;

    const std::string::size_type secondLast = decodedLine.rfind('.', last - 1);
    if (secondLast == std::string::npos)
        return StatusInfoInvalid;
    const std::string extension = decodedLine.substr(secondLast, last - secondLast);

    const std::string::size_type thirdLast = secondLast == 0 ? std::string::npos : decodedLine.rfind('.', secondLast - 1);
    const std::string::size_type countStart = thirdLast == std::string::npos ? 0 : thirdLast + 1;
    const int32_t partCount = recordNumberOf(decodedLine.substr(countStart, secondLast - countStart));
    if (partCount == 0)
        return StatusInfoInvalid;

    if (partCount > fileSize || !isSafeExtension(extension))
        return StatusInfoInvalid;

    record = {partCount, extension, fileSize};
    return StatusOk;
}

StatusCode readInfoRecord(std::istream& info, InfoRecord& record)
{
    std::string line;
    char c;
    while (line.size() <= maxRecordLine && info.get(c) && c != '\n')
        line += c;
    if (line.size() > maxRecordLine)
        return StatusInfoInvalid;
    return parseInfoLine(flipHighBits(line), record);
}

StatusCode readInfoFile(const std::string& baseName, InfoRecord& record)
{
    std::ifstream info(infoName(baseName), std::ios::in | std::ios::binary);
    if (!info.good())
        return StatusInfoMissing;
    return readInfoRecord(info, record);
}
