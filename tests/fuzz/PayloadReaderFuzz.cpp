// Fuzzes the payload reader behind a valid check block, the header parser and the carrier trailer.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "app/payload/CarrierTrailer.h"
#include "app/payload/Header.h"
#include "app/payload/KeyBlock.h"
#include "app/payload/MemoryStream.h"
#include "app/payload/PayloadReader.h"
#include "cipher/Blowfish.h"

namespace {

const char kPassword[] = "fuzz";

void Require(bool condition) {
    if (!condition) std::abort();
}

// The input's first 10 bytes become the plain length field and the rest the plain header and
// beyond, each encrypted as the writer would, behind the check block of kPassword.
std::vector<uint8_t> KeyedContainer(const uint8_t* data, size_t size) {
    TQC_blowfish cipher(nullptr);
    const TKeyBlock check = KeyPayloadCipher(cipher, DeriveKeyBlock(kPassword, nullptr));
    std::vector<uint8_t> container(check.begin(), check.end());
    container.insert(container.end(), data, data + size);
    const int32_t field = static_cast<int32_t>(size < 10 ? size : 10);
    cipher.EncryptChained(container.data() + 32, container.data() + 32, field);
    cipher.EncryptChained(container.data() + 32 + field, container.data() + 32 + field, static_cast<int32_t>(size) - field);
    return container;
}

void FuzzTrailer(const uint8_t* data, size_t size) {
    TMemoryStream carrier(std::vector<uint8_t>(data, data + size));
    int64_t length = -1;
    if (ReadCarrierTrailer(carrier, length)) Require(length >= 0 && length <= static_cast<int64_t>(size) - 10);
}

void FuzzHeader(const uint8_t* data, size_t size) {
    const std::string header(data, data + size);
    const std::string rebuilt = BuildHeader(ParseHeader(header));
    Require(header.compare(0, rebuilt.size(), rebuilt) == 0);
}

void FuzzReader(const uint8_t* data, size_t size) {
    TMemoryStream container(KeyedContainer(data, size));
    TQC_blowfish cipher(nullptr);
    TPayloadReader reader(cipher, container, 0);
    Require(reader.CheckPassword(kPassword, nullptr) == TPayloadResult::prOk);
    if (reader.ReadHeader() != TPayloadResult::prOk) return;
    Require(reader.HeaderLength() >= 0 && reader.HeaderLength() <= kHeaderLimit);
    for (size_t i = 0; i < reader.Entries().size(); ++i) {
        const TPayloadEntry& entry = reader.Entries()[i];
        TMemoryStream out;
        const TPayloadResult result = reader.Extract(i, out, {});
        Require(reader.CanExtract(i) == (result != TPayloadResult::prBadEntry));
        Require(IsSafeEntryName(entry.name) || result == TPayloadResult::prBadEntry);
        Require(out.Size() <= (entry.size < 0 ? 0 : entry.size));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 64 * 1024) return 0;
    FuzzTrailer(data, size);
    FuzzHeader(data, size);
    FuzzReader(data, size);
    return 0;
}
