// Fuzzes the payload reader behind a valid check block: length field, header, entries and their contents.
#include <cstdint>
#include <cstdlib>
#include <vector>

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

// The writer's cipher, keyed once for the whole run; each input restarts its chain.
struct TWriterCipher {
    TWriterCipher() : cipher(nullptr), check(KeyPayloadCipher(cipher, DeriveKeyBlock(kPassword, nullptr))) {}
    TQC_blowfish cipher;
    TKeyBlock check;
};

// The input is the plain payload after the check block: its first 10 bytes become the length field
// and the rest the header and beyond, each encrypted as the writer would, behind kPassword's check block.
std::vector<uint8_t> KeyedContainer(const uint8_t* data, size_t size) {
    static TWriterCipher writer;
    writer.cipher.RestartChain();
    std::vector<uint8_t> container(writer.check.begin(), writer.check.end());
    container.insert(container.end(), data, data + size);
    const int32_t field = static_cast<int32_t>(size < 10 ? size : 10);
    uint8_t* plain = container.data() + kCheckBlockSize;
    writer.cipher.EncryptChained(plain, plain, field);
    writer.cipher.EncryptChained(plain + field, plain + field, static_cast<int32_t>(size) - field);
    return container;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 64 * 1024) return 0;
    TMemoryStream container(KeyedContainer(data, size));
    TQC_blowfish cipher(nullptr);
    TPayloadReader reader(cipher, container, 0);
    Require(reader.CheckPassword(kPassword, nullptr) == TPayloadResult::prOk);
    if (reader.ReadHeader() != TPayloadResult::prOk) return 0;
    Require(reader.HeaderLength() >= 0 && reader.HeaderLength() <= kHeaderLimit);
    for (size_t i = 0; i < reader.Entries().size(); ++i) {
        const TPayloadEntry& entry = reader.Entries()[i];
        TMemoryStream out;
        const TPayloadResult result = reader.Extract(i, out, {});
        Require(reader.CanExtract(i) == (result != TPayloadResult::prBadEntry));
        Require(IsSafeEntryName(entry.name) || result == TPayloadResult::prBadEntry);
        Require(out.Size() <= (entry.size < 0 ? 0 : entry.size));
    }
    return 0;
}
