#include "disk_files.h"

#include "checks.h"

#include <windows.h>

#include <algorithm>

Bytes patternBytes(std::size_t size, unsigned seed)
{
    Bytes bytes(size);
    uint32_t state = seed * 2654435761u + 1;
    for (auto& byte : bytes) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<unsigned char>(state >> 24);
    }
    return bytes;
}

bool writeFile(const std::string& path, const Bytes& content)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL wrote = content.empty() || WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    return wrote && written == content.size();
}

bool readFile(const std::string& path, Bytes& content)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size;
    bool read = GetFileSizeEx(file, &size) != 0;
    content.assign(read ? static_cast<std::size_t>(size.QuadPart) : 0, 0);
    DWORD got = 0;
    if (read && !content.empty())
        read = ReadFile(file, content.data(), static_cast<DWORD>(content.size()), &got, nullptr) && got == content.size();
    CloseHandle(file);
    return read;
}

bool makeSparseFile(const std::string& path, uint64_t size)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(size);
    const bool sized = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    return sized;
}

bool fileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool deleteFile(const std::string& path)
{
    return DeleteFileA(path.c_str()) != 0;
}

bool makeDirectory(const std::string& path)
{
    return CreateDirectoryA(path.c_str(), nullptr) != 0 || GetLastError() == ERROR_ALREADY_EXISTS;
}

namespace {

std::string partName(const std::string& baseName, uint64_t number)
{
    return baseName + "_part" + std::to_string(number) + ".qv";
}

std::string decodedInfoRecord(const Bytes& stored)
{
    std::string record;
    for (const unsigned char byte : stored)
        record += static_cast<char>(byte ^ 0x80);
    return record;
}

}  // namespace

uint64_t highestPartNumber(const std::string& baseName)
{
    if (!fileExists(partName(baseName, 1)))
        return 0;
    uint64_t present = 1;
    uint64_t absent = 2;
    while (fileExists(partName(baseName, absent))) {
        present = absent;
        absent *= 2;
    }
    while (absent - present > 1) {
        const uint64_t middle = present + (absent - present) / 2;
        (fileExists(partName(baseName, middle)) ? present : absent) = middle;
    }
    return present;
}

bool expectPartSet(const std::string& baseName, const std::string& extension, const Bytes& original,
                   uint32_t partSize, const std::string& what)
{
    const std::size_t partCount = (original.size() + partSize - 1) / partSize;
    bool passed = true;
    for (std::size_t n = 1; n <= partCount; ++n) {
        const std::size_t start = (n - 1) * partSize;
        const std::size_t length = std::min<std::size_t>(partSize, original.size() - start);
        const Bytes expected(original.begin() + static_cast<std::ptrdiff_t>(start),
                             original.begin() + static_cast<std::ptrdiff_t>(start + length));
        Bytes actual;
        const std::string name = partName(baseName, n);
        passed = expect(readFile(name, actual) && actual == expected, what + ": " + name + " holds its " +
                        std::to_string(length) + " bytes") && passed;
    }
    passed = expect(!fileExists(partName(baseName, partCount + 1)), what + ": no part after number " +
                    std::to_string(partCount)) && passed;
    Bytes info;
    const std::string record = std::string("Quorvanteline v 1.0.") + std::to_string(partCount) + extension + "." +
                               std::to_string(original.size());
    if (expect(readFile(baseName + "_part0.qvo", info), what + ": the info file exists"))
        passed = expectText(decodedInfoRecord(info), record, what + ": the decoded info record") && passed;
    else
        passed = false;
    return passed;
}
