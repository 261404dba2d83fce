#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Files the scenarios make and the part sets they check, through the Win32 file calls.

using Bytes = std::vector<unsigned char>;

// `size` bytes that differ from part to part, so a part in the wrong place is seen.
Bytes patternBytes(std::size_t size, unsigned seed);
bool writeFile(const std::string& path, const Bytes& content);
bool readFile(const std::string& path, Bytes& content);
// A file of `size` bytes that holds no data blocks, for the size limits.
bool makeSparseFile(const std::string& path, uint64_t size);
bool fileExists(const std::string& path);
bool deleteFile(const std::string& path);
bool makeDirectory(const std::string& path);

// The highest N for which `baseName`_partN.qv exists, 0 when none does; part files are
// written in ascending order, so the search may halve.
uint64_t highestPartNumber(const std::string& baseName);

// Checks the part set that a split of `original` into parts of `partSize` bytes leaves
// under `baseName` with `extension`: every part's bytes, no part beyond the last, and the
// decoded info record. Failures are reported through expect.
bool expectPartSet(const std::string& baseName, const std::string& extension, const Bytes& original,
                   uint32_t partSize, const std::string& what);
