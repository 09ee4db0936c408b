// Copying between streams in pieces, with a stop test before and a progress call after every piece.
#include "app/payload/PieceCopy.h"

#include <algorithm>
#include <cmath>
#include <vector>

int ProgressPercent(int64_t done, int64_t total) {
    if (total <= 0) return 0;
    const long double ratio = static_cast<long double>(done) * 100.0L / static_cast<long double>(total);
    return static_cast<int>(std::nearbyint(ratio));  // the default rounding mode: halves to even
}

TPayloadResult CopyPieces(TByteStream& from, TByteStream& to, int64_t count, uint8_t* buffer, int32_t bufferSize,
                          const std::function<void(uint8_t* piece, int32_t size)>& transform,
                          const TPieceHooks& hooks) {
    const bool toEnd = count < 0;
    const int64_t total = toEnd ? std::max<int64_t>(0, from.Size() - from.Position()) : count;
    int64_t done = 0;
    int32_t got = 0;
    int32_t wanted = 0;
    do {
        if (hooks.stopRequested && hooks.stopRequested()) return TPayloadResult::prStopped;
        wanted = toEnd ? bufferSize : static_cast<int32_t>(std::min<int64_t>(bufferSize, count - done));
        got = wanted > 0 ? from.Read(buffer, wanted) : 0;
        if (got < wanted && from.ReadFailed()) return TPayloadResult::prReadFailed;
        if (got > 0 && transform) transform(buffer, got);
        if (got > 0 && to.Write(buffer, got) != got) return TPayloadResult::prWriteFailed;
        done += got;
        if (hooks.pieceDone) hooks.pieceDone(done, total);
    } while (got == wanted && (toEnd || done < count));
    return !toEnd && done < count ? TPayloadResult::prTruncated : TPayloadResult::prOk;
}

TPayloadResult CopyBytes(TByteStream& from, TByteStream& to, int64_t count, int32_t pieceSize,
                         const TPieceHooks& hooks) {
    std::vector<uint8_t> buffer(static_cast<size_t>(pieceSize));
    return CopyPieces(from, to, count, buffer.data(), pieceSize, nullptr, hooks);
}
