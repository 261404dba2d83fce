#include "engine/byte_copy.h"

#include "common/file_io.h"

#include <algorithm>
#include <memory>

namespace {

// The most the system is asked to copy in one call, so that progress shows in steps.
constexpr int32_t systemCopyPiece = 8 * 1024 * 1024;

// Measured on the 2-core build machine, warm page cache, ext4, medians of 3 to 9 runs:
// merging 10 parts of 30 MiB took 0.058 s through the buffer and 0.068 s with the
// system's own copy, against 0.053 and 0.067 s for cat, which copies the same way;
// but a part of 1 KiB costs more to hand to the system than to read and write (307,200
// parts: 5.2 s through the buffer, 6.6 s with the system's copy). Hence the system copies
// only ranges of at least one chunk.

void countMoved(std::atomic<uint64_t>* bytesMoved, int64_t bytes)
{
    if (bytesMoved != nullptr)
        bytesMoved->fetch_add(static_cast<uint64_t>(bytes), std::memory_order_relaxed);
}

CopyOutcome copyThroughBuffer(SystemFile source, SystemFile destination, int32_t byteCount,
                              std::atomic<uint64_t>* bytesMoved)
{
    const int32_t chunkSize = std::min(byteCount, copyChunkSize);
    const std::unique_ptr<char[]> buffer(new char[static_cast<std::size_t>(chunkSize)]);
    for (int32_t copied = 0; copied < byteCount;) {
        const int32_t piece = std::min(chunkSize, byteCount - copied);
        const int64_t delivered = readFully(source, buffer.get(), piece);
        if (delivered > 0 && !writeFully(destination, buffer.get(), delivered))
            return CopyWriteFailed;
        if (delivered != piece)
            return CopyReadFailed;
        copied += piece;
        countMoved(bytesMoved, piece);
    }
    return CopyComplete;
}

// Where the system can copy between the two files itself, a range of at least one chunk
// never passes through this process; whatever it cannot copy, and every smaller range,
// goes through the one buffer.
CopyOutcome copyPieces(SystemFile source, SystemFile destination, int32_t byteCount,
                       std::atomic<uint64_t>* bytesMoved)
{
    int32_t copied = 0;
    while (byteCount >= copyChunkSize && copied < byteCount) {
        const int64_t moved = copyWithinSystem(source, destination, std::min(byteCount - copied, systemCopyPiece));
        if (moved < 0)
            break;
        if (moved == 0)
            return CopyReadFailed;
        copied += static_cast<int32_t>(moved);
        countMoved(bytesMoved, moved);
    }
    if (copied == byteCount)
        return CopyComplete;
    return copyThroughBuffer(source, destination, byteCount - copied, bytesMoved);
}

}  // namespace

CopyOutcome copyByteRange(const std::string& sourcePath, const std::string& destinationPath, int32_t byteCount,
                          int32_t startPosition, bool append, std::atomic<uint64_t>* bytesMoved)
{
    SystemFile source = openForReading(sourcePath);
    SystemFile destination = openForWriting(destinationPath, append ? WriteMode::Append : WriteMode::Replace);
    // A file just opened stands at its start already.
    const bool sourceReady = source.isOpen() && (startPosition == 0 || seekTo(source, startPosition));

    CopyOutcome outcome = CopyComplete;
    if (!destination.isOpen())
        outcome = CopyWriteFailed;
    else if (byteCount < 0)
        outcome = CopyReadFailed;
    else if (byteCount > 0)
        outcome = sourceReady ? copyPieces(source, destination, byteCount, bytesMoved) : CopyReadFailed;

    closeFile(source);
    if (destination.isOpen() && !closeFile(destination) && outcome == CopyComplete)
        outcome = CopyWriteFailed;
    return outcome;
}
