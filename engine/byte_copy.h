#pragma once
#include <atomic>
#include <cstdint>
#include <string>

// Largest piece copyByteRange moves at once, and so the size of its one buffer.
//
// Measured on the 2-core build machine, warm page cache, copying a 300 MiB file into a
// fresh file on ext4 (median of 5 runs, wall time):
//   see bench/README.md for the table and the command that produced it.
constexpr int32_t copyChunkSize = 1024 * 1024;

enum CopyOutcome {
    CopyComplete,     // every byte of the range reached the destination
    CopyReadFailed,   // the source could not be opened or ended before the range did
    CopyWriteFailed,  // the destination could not be opened, written or closed in full
};

// Copies `byteCount` bytes of `sourcePath`, starting at `startPosition`, into
// `destinationPath`: after its existing content when `append` is true (creating it if
// missing), otherwise into the destination created or emptied first. The destination is
// opened even when there is nothing to copy. Copying stops at the first short read or
// write; the destination then holds what was written so far. Each piece moved is added to
// `bytesMoved` when one is given.
CopyOutcome copyByteRange(const std::string& sourcePath, const std::string& destinationPath, int32_t byteCount,
                          int32_t startPosition, bool append, std::atomic<uint64_t>* bytesMoved = nullptr);
