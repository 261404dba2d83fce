#pragma once
#include <atomic>
#include <cstdint>
#include <string>

// Largest piece copyByteRange moves at once, and so the size of its one buffer (at most
// 1 MiB). Measured with bench/chunk_sizes.sh on the 2-core build machine, other builds
// running beside it, warm page cache, ext4: split of a 300 MiB file into 10 parts and
// merge of those parts back, each through the engine alone; wall seconds, median of 7
// runs, in two series taken under different loads:
//
//   buffer            split  merge     split  merge
//     64 KiB          0.132  0.111     0.154  0.103
//    128 KiB          0.120  0.091     0.152  0.121
//    256 KiB          0.111  0.083     0.145  0.092
//    512 KiB          0.109  0.348     0.142  0.077
//   1024 KiB          0.115  0.735     0.173  0.683
//   GNU split/cat     0.121  0.061     0.183  0.100
//
// With 1 MiB the merge's appends are 7 to 9 times slower in both series (the time goes to
// the kernel's copying), 512 KiB was as slow in one series of two, and below 256 KiB the
// extra system calls begin to cost. 256 KiB is fast in every series.
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
