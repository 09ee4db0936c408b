// Writes a payload into a stream: check block, length field, header, then each file's contents.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/payload/ByteStream.h"
#include "app/payload/Header.h"
#include "app/payload/PayloadFormat.h"
#include "app/payload/PieceCopy.h"
#include "cipher/CryptBase.h"
#include "toolkit/core/Component.h"

// What WriteHead would refuse for these entries, checked without writing: prBadEntry, prHeaderTooLong,
// or prOk.
TPayloadResult CheckHeadEntries(const std::vector<THeaderEntry>& entries);

// Writes at the destination's current position. Call WriteHead once, then WriteContents (or
// CopyStored) for each entry in header order; a carrier then gets WriteCarrierTrailer. The cipher
// is scrubbed when the writer goes, on every path.
class TPayloadWriter {
public:
    TPayloadWriter(TQC_blockcipher& cipher, TByteStream& destination);
    ~TPayloadWriter();
    TPayloadWriter(const TPayloadWriter&) = delete;
    TPayloadWriter& operator=(const TPayloadWriter&) = delete;

    // Builds the header from the entries (size texts with surrounding blanks removed), keys the
    // cipher from the password (the hash owned by owner while it works) and writes the check block,
    // the length field and the header. Refuses, writing nothing: prBadEntry for an entry whose name
    // fails IsSafeEntryName or holds "?", or whose size is not plain decimal digits;
    // prHeaderTooLong for a header above kHeaderLimit.
    TPayloadResult WriteHead(const std::string& password, TComponent* owner, const std::vector<THeaderEntry>& entries);

    // Encrypts the next entry's contents: the source must hold exactly the entry's recorded size
    // from its current position (prSizeChanged otherwise, with nothing written for it).
    TPayloadResult WriteContents(TByteStream& source, const TPieceHooks& hooks);

    // Copies the next entry's contents as stored, already encrypted under the same password, from
    // the source's current position.
    TPayloadResult CopyStored(TByteStream& source, const TPieceHooks& hooks);

private:
    TPayloadResult WriteAll(const uint8_t* bytes, int32_t size);
    // Size of the next entry, or -1 when every entry has been written.
    int64_t NextEntrySize() const;

    TQC_blockcipher& cipher_;
    TByteStream& destination_;
    std::vector<int64_t> entrySizes_;
    size_t nextEntry_ = 0;
    std::vector<uint8_t> piece_;   // kPieceSize bytes
    std::vector<uint8_t> header_;  // kHeaderLimit bytes
};
