// Writes a payload into a stream: check block, length field, header, then each file's contents.
#include "app/payload/PayloadWriter.h"

#include <algorithm>

#include "app/payload/DecimalText.h"
#include "app/payload/KeyBlock.h"

TPayloadWriter::TPayloadWriter(TQC_blockcipher& cipher, TByteStream& destination)
    : cipher_(cipher), destination_(destination), piece_(kPieceSize), header_(kHeaderLimit) {}

TPayloadWriter::~TPayloadWriter() {
    cipher_.Scrub();
    WipeBytes(header_.data(), header_.size(), 0);
    WipeBytes(piece_.data(), piece_.size(), 0);
}

TPayloadResult TPayloadWriter::WriteAll(const uint8_t* bytes, int32_t size) {
    return destination_.Write(bytes, size) == size ? TPayloadResult::prOk : TPayloadResult::prWriteFailed;
}

int64_t TPayloadWriter::NextEntrySize() const {
    return nextEntry_ < entrySizes_.size() ? entrySizes_[nextEntry_] : -1;
}

namespace {

// The header of the entries (size texts trimmed) and their sizes, or the reason it cannot be written.
TPayloadResult PrepareHeader(const std::vector<THeaderEntry>& entries, std::string& header,
                             std::vector<int64_t>& sizes) {
    std::vector<THeaderEntry> trimmed;
    for (const THeaderEntry& entry : entries) {
        THeaderEntry row{entry.name, TrimBlanks(entry.sizeText)};
        int64_t size = 0;
        if (!IsSafeEntryName(row.name) || row.name.find('?') != std::string::npos || !TryParseDigits(row.sizeText, size)) {
            return TPayloadResult::prBadEntry;
        }
        trimmed.push_back(row);
        sizes.push_back(size);
    }
    header = BuildHeader(trimmed);
    return header.size() > static_cast<size_t>(kHeaderLimit) ? TPayloadResult::prHeaderTooLong : TPayloadResult::prOk;
}

}  // namespace

TPayloadResult CheckHeadEntries(const std::vector<THeaderEntry>& entries) {
    std::string header;
    std::vector<int64_t> sizes;
    return PrepareHeader(entries, header, sizes);
}

TPayloadResult TPayloadWriter::WriteHead(const std::string& password, TComponent* owner,
                                         const std::vector<THeaderEntry>& entries) {
    std::string header;
    std::vector<int64_t> sizes;
    const TPayloadResult prepared = PrepareHeader(entries, header, sizes);
    if (prepared != TPayloadResult::prOk) return prepared;
    entrySizes_ = sizes;
    nextEntry_ = 0;

    TKeyBlock keyBlock = DeriveKeyBlock(password, owner);
    TKeyBlock check = KeyPayloadCipher(cipher_, keyBlock);
    WipeBytes(keyBlock.data(), keyBlock.size(), 0);
    if (WriteAll(check.data(), kCheckBlockSize) != TPayloadResult::prOk) return TPayloadResult::prWriteFailed;

    // The length field and the header are two chained calls on one chain.
    const std::string lengthField = PadDecimal10(static_cast<int64_t>(header.size()));
    std::copy(lengthField.begin(), lengthField.end(), header_.begin());
    cipher_.EncryptChained(header_.data(), header_.data(), kLengthFieldSize);
    if (WriteAll(header_.data(), kLengthFieldSize) != TPayloadResult::prOk) return TPayloadResult::prWriteFailed;
    const int32_t headerSize = static_cast<int32_t>(header.size());
    std::copy(header.begin(), header.end(), header_.begin());
    cipher_.EncryptChained(header_.data(), header_.data(), headerSize);
    return WriteAll(header_.data(), headerSize);
}

TPayloadResult TPayloadWriter::WriteContents(TByteStream& source, const TPieceHooks& hooks) {
    const int64_t size = NextEntrySize();
    if (size < 0 || source.Size() - source.Position() != size) return TPayloadResult::prSizeChanged;
    ++nextEntry_;
    cipher_.RestartChain();
    const TPayloadResult result = CopyPieces(
        source, destination_, size, piece_.data(), kPieceSize,
        [this](uint8_t* piece, int32_t n) { cipher_.EncryptChained(piece, piece, n); }, hooks);
    return result == TPayloadResult::prTruncated ? TPayloadResult::prSizeChanged : result;
}

TPayloadResult TPayloadWriter::CopyStored(TByteStream& source, const TPieceHooks& hooks) {
    const int64_t size = NextEntrySize();
    if (size < 0) return TPayloadResult::prSizeChanged;
    ++nextEntry_;
    return CopyPieces(source, destination_, size, piece_.data(), kPieceSize, nullptr, hooks);
}
