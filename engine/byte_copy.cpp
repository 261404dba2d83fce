#include "engine/byte_copy.h"

#include "common/file_io.h"

#include <algorithm>
#include <memory>

namespace {

CopyOutcome copyPieces(SystemFile source, SystemFile destination, int32_t byteCount,
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
        if (bytesMoved != nullptr)
            bytesMoved->fetch_add(static_cast<uint64_t>(piece), std::memory_order_relaxed);
    }
    return CopyComplete;
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
