#pragma once
#include <atomic>
#include <cstdint>
#include <string>

// Largest piece copyByteRange moves at once, and so the size of its one buffer (at most
// 1 MiB). Measured with bench/chunk_sizes.sh on the 2-core build machine, other builds
// running beside it, warm page cache, ext4: split of a 300 MiB file into 10 parts and
// merge of those parts back, each through the engine alone, median of 7 runs, wall
// seconds:
//
//   buffer        split   merge
//    64 KiB       0.132   0.111
//   128 KiB       0.120   0.091
//   256 KiB       0.111   0.083
//   512 KiB       0.109   0.348
//  1024 KiB       0.115   0.735
//   GNU split -n 10 and cat, same rounds:  0.121   0.061
//
// Up to 256 KiB each halving of the buffer doubles the system calls and costs time; from
// 512 KiB on, the merge's large appends are several times slower (the kernel spends the
// time in the copy itself, presumably finding room for large page-cache folios), and the
// split gains nothing.
constexpr int32_t copyChunkSize = 256 * 1024;

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
