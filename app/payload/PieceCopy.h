// Copying between streams in pieces, with a stop test before and a progress call after every piece.
#pragma once

#include <cstdint>
#include <functional>

#include "app/payload/ByteStream.h"
#include "app/payload/PayloadFormat.h"

struct TPieceHooks {
    // Asked before every piece; true ends the copy with prStopped. May be empty.
    std::function<bool()> stopRequested;
    // Called after every piece (an empty last piece included) with the bytes done and the bytes
    // expected in all (0 for an empty source: leave the progress where it is). May be empty.
    std::function<void(int64_t done, int64_t total)> pieceDone;
};

// Rounds done * 100 / total to the nearest integer, halves to even; 0 when total is not positive.
int ProgressPercent(int64_t done, int64_t total);

// Moves bytes from `from` to `to` through buffer, at most bufferSize at a time, passing each piece
// through transform (in place; may be empty). count >= 0: exactly count bytes, prTruncated when
// `from` ends first. count < 0: everything up to the end of `from`. prReadFailed when a read of `from`
// fails (ReadFailed), whatever the count.
TPayloadResult CopyPieces(TByteStream& from, TByteStream& to, int64_t count, uint8_t* buffer, int32_t bufferSize,
                          const std::function<void(uint8_t* piece, int32_t size)>& transform,
                          const TPieceHooks& hooks);

// CopyPieces with a buffer of its own and no transform (stub copies, stored cipher text, carriers).
TPayloadResult CopyBytes(TByteStream& from, TByteStream& to, int64_t count, int32_t pieceSize,
                         const TPieceHooks& hooks);
