// Reads a payload from a container: password check, header, and each file's contents by index.
#include "app/payload/PayloadReader.h"

#include <algorithm>
#include <limits>

#include "app/payload/DecimalText.h"
#include "app/payload/Header.h"
#include "app/payload/KeyBlock.h"

TPayloadReader::TPayloadReader(TQC_blockcipher& cipher, TByteStream& container, int64_t payloadOffset)
    : cipher_(cipher), container_(container), payloadOffset_(payloadOffset), piece_(kPieceSize),
      header_(kHeaderLimit) {}

TPayloadReader::~TPayloadReader() {
    cipher_.Scrub();
    WipeBytes(header_.data(), header_.size(), 0);
    WipeBytes(piece_.data(), piece_.size(), 0);
}

TPayloadResult TPayloadReader::Refuse() {
    cipher_.Scrub();
    return TPayloadResult::prWrongPassword;
}

TPayloadResult TPayloadReader::CheckPassword(const std::string& password, TComponent* owner) {
    TKeyBlock keyBlock = DeriveKeyBlock(password, owner);
    const TKeyBlock expected = KeyPayloadCipher(cipher_, keyBlock);
    WipeBytes(keyBlock.data(), keyBlock.size(), 0);
    TKeyBlock found{};
    if (!container_.Seek(payloadOffset_) || container_.Read(found.data(), kCheckBlockSize) != kCheckBlockSize ||
        found != expected) {
        return Refuse();
    }
    return TPayloadResult::prOk;
}

TPayloadResult TPayloadReader::ReadHeader() {
    entries_.clear();
    headerLength_ = -1;
    if (!cipher_.IsReady()) return TPayloadResult::prNotKeyed;
    cipher_.RestartChain();
    if (!container_.Seek(payloadOffset_ + kCheckBlockSize) ||
        container_.Read(header_.data(), kLengthFieldSize) != kLengthFieldSize) {
        return Refuse();
    }
    cipher_.DecryptChained(header_.data(), header_.data(), kLengthFieldSize);
    int64_t length = 0;
    const std::string lengthField(header_.begin(), header_.begin() + kLengthFieldSize);
    if (!TryParseDigits(lengthField, length) || length > kHeaderLimit) return Refuse();

    // A second chained call: the length field's tail left the chain where its full block put it.
    const int32_t headerSize = static_cast<int32_t>(length);
    if (container_.Read(header_.data(), headerSize) != headerSize) return Refuse();
    cipher_.DecryptChained(header_.data(), header_.data(), headerSize);
    const std::string header(header_.begin(), header_.begin() + headerSize);
    WipeBytes(header_.data(), static_cast<size_t>(headerSize), 0);
    headerLength_ = length;

    int64_t next = payloadOffset_ + kHeaderStart + length;  // -1 once an offset is unknown
    for (const THeaderEntry& parsed : ParseHeader(header)) {
        TPayloadEntry entry;
        entry.name = parsed.name;
        entry.sizeText = parsed.sizeText;
        entry.nameSafe = IsSafeEntryName(parsed.name);
        if (!TryParseDigits(parsed.sizeText, entry.size)) entry.size = -1;
        if (entry.size < 0) next = -1;
        entry.offset = next;
        if (next >= 0) {
            next = entry.size <= std::numeric_limits<int64_t>::max() - next ? next + entry.size : -1;
        }
        entries_.push_back(entry);
    }
    return TPayloadResult::prOk;
}

bool TPayloadReader::CanExtract(size_t index) const {
    return index < entries_.size() && entries_[index].Usable() && cipher_.IsReady();
}

TPayloadResult TPayloadReader::CopyEntry(size_t index, TByteStream& destination, bool decrypt,
                                         const TPieceHooks& hooks) {
    if (index >= entries_.size() || !entries_[index].Usable()) return TPayloadResult::prBadEntry;
    if (decrypt && !cipher_.IsReady()) return TPayloadResult::prNotKeyed;
    const TPayloadEntry& entry = entries_[index];
    if (!container_.Seek(entry.offset)) return TPayloadResult::prReadFailed;
    if (!decrypt) return CopyPieces(container_, destination, entry.size, piece_.data(), kPieceSize, nullptr, hooks);
    cipher_.RestartChain();
    return CopyPieces(
        container_, destination, entry.size, piece_.data(), kPieceSize,
        [this](uint8_t* piece, int32_t n) { cipher_.DecryptChained(piece, piece, n); }, hooks);
}

TPayloadResult TPayloadReader::Extract(size_t index, TByteStream& destination, const TPieceHooks& hooks) {
    return CopyEntry(index, destination, true, hooks);
}

TPayloadResult TPayloadReader::CopyStored(size_t index, TByteStream& destination, const TPieceHooks& hooks) {
    return CopyEntry(index, destination, false, hooks);
}
