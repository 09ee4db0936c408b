// Reads a payload from a container: password check, header, and each file's contents by index.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/payload/ByteStream.h"
#include "app/payload/PayloadFormat.h"
#include "app/payload/PieceCopy.h"
#include "cipher/CryptBase.h"
#include "toolkit/core/Component.h"

struct TPayloadEntry {
    std::string name;      // as stored
    std::string sizeText;  // as stored
    int64_t size = -1;     // -1 when the size text is not plain decimal digits
    int64_t offset = -1;   // of the contents in the container; -1 when this or an earlier size is unusable
    bool nameSafe = false; // IsSafeEntryName

    bool Usable() const { return nameSafe && size >= 0 && offset >= 0; }
};

// Reads the payload that starts at payloadOffset of the container. CheckPassword, then ReadHeader;
// after that Extract and CopyStored may be called for any entry, in any order, as long as the
// cipher stays keyed. The cipher is scrubbed when the reader goes.
class TPayloadReader {
public:
    TPayloadReader(TQC_blockcipher& cipher, TByteStream& container, int64_t payloadOffset);
    ~TPayloadReader();
    TPayloadReader(const TPayloadReader&) = delete;
    TPayloadReader& operator=(const TPayloadReader&) = delete;

    // Keys the cipher from the password (the hash owned by owner while it works) and compares the
    // check block. prWrongPassword, with the cipher scrubbed, when it differs or cannot be read.
    TPayloadResult CheckPassword(const std::string& password, TComponent* owner);

    // Decrypts the length field and the header and parses it. prWrongPassword, with the cipher
    // scrubbed, for a length field that is not 10 digits of a length up to kHeaderLimit, or a
    // header that the container cuts short.
    TPayloadResult ReadHeader();

    const std::vector<TPayloadEntry>& Entries() const { return entries_; }
    int64_t HeaderLength() const { return headerLength_; }

    // True when Extract and CopyStored can serve the entry: test it before creating a destination.
    bool CanExtract(size_t index) const;

    // Decrypts entry index into the destination at its position. prBadEntry or prNotKeyed before
    // anything is written; prTruncated when the container ends inside the entry; prReadFailed when it
    // cannot be read there.
    TPayloadResult Extract(size_t index, TByteStream& destination, const TPieceHooks& hooks);

    // Copies entry index's stored bytes unchanged (still encrypted) into the destination.
    TPayloadResult CopyStored(size_t index, TByteStream& destination, const TPieceHooks& hooks);

private:
    TPayloadResult Refuse();
    TPayloadResult CopyEntry(size_t index, TByteStream& destination, bool decrypt, const TPieceHooks& hooks);

    TQC_blockcipher& cipher_;
    TByteStream& container_;
    int64_t payloadOffset_;
    int64_t headerLength_ = -1;
    std::vector<TPayloadEntry> entries_;
    std::vector<uint8_t> piece_;   // kPieceSize bytes
    std::vector<uint8_t> header_;  // kHeaderLimit bytes, the length field too
};
