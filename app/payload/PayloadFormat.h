// Sizes of the payload's fields and the results of the payload operations.
#pragma once

#include <cstdint>

constexpr int32_t kCheckBlockSize = 32;    // password check block
constexpr int32_t kLengthFieldSize = 10;   // header length field, decimal digits
constexpr int32_t kHeaderLimit = 20480;    // longest header that writers and readers hold
constexpr int32_t kPieceSize = 8192;       // contents go through the cipher in pieces of this size
constexpr int64_t kHeaderStart = kCheckBlockSize + kLengthFieldSize;  // offset of the header in a payload

enum class TPayloadResult {
    prOk,
    prWrongPassword,   // check block differs, or the length field is not a length this format allows
    prHeaderTooLong,   // the header of the listed files would not fit kHeaderLimit
    prBadEntry,        // an entry's name or size cannot be used (see IsSafeEntryName, TryParseDigits)
    prSizeChanged,     // a source no longer has the size its header entry records
    prTruncated,       // the source or container ended before the bytes asked for; what was there is written
    prNotKeyed,        // the cipher was scrubbed since the payload was opened
    prStopped,         // the stop hook asked to end
    prReadFailed,      // a source or container could not be positioned or read
    prWriteFailed      // the destination stored fewer bytes than asked
};
