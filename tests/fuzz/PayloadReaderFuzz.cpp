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

// The cipher keyed once for the whole run: the writer encrypts with it, each reader decrypts through a
// TReaderTurn; every input restarts its chain.
struct TKeyedCipher {
    TKeyedCipher() : cipher(nullptr), check(KeyPayloadCipher(cipher, DeriveKeyBlock(kPassword, nullptr))) {}
    TQC_blowfish cipher;
    TKeyBlock check;
};

TKeyedCipher& Keyed() {
    static TKeyedCipher keyed;
    return keyed;
}

// One reader's use of the keyed cipher: its scrub ends this turn only, so the next input needs no new key.
class TReaderTurn : public TQC_blockcipher {
public:
    TReaderTurn() : TQC_blockcipher(nullptr), keyed_(Keyed().cipher) { isReady_ = true; }

    void SetKey(const uint8_t*, int32_t, const uint8_t*) override { std::abort(); }
    void Scrub() override { isReady_ = false; }
    void RestartChain() override { Cipher().RestartChain(); }
    void EncryptBlock(const uint8_t* in, uint8_t* out) override { Cipher().EncryptBlock(in, out); }
    void DecryptBlock(const uint8_t* in, uint8_t* out) override { Cipher().DecryptBlock(in, out); }
    void EncryptChained(const uint8_t* in, uint8_t* out, int32_t size) override {
        Cipher().EncryptChained(in, out, size);
    }
    void DecryptChained(const uint8_t* in, uint8_t* out, int32_t size) override {
        Cipher().DecryptChained(in, out, size);
    }
    void EncryptFeedback8(const uint8_t* in, uint8_t* out, int32_t size) override {
        Cipher().EncryptFeedback8(in, out, size);
    }
    void DecryptFeedback8(const uint8_t* in, uint8_t* out, int32_t size) override {
        Cipher().DecryptFeedback8(in, out, size);
    }

private:
    // A scrubbed turn refuses the cipher, as a scrubbed cipher does.
    TQC_blowfish& Cipher() {
        Require(isReady_);
        return keyed_;
    }

    TQC_blowfish& keyed_;
};

// The input is the plain payload after the check block: its first 10 bytes become the length field
// and the rest the header and beyond, each encrypted as the writer would, behind kPassword's check block.
std::vector<uint8_t> KeyedContainer(const uint8_t* data, size_t size) {
    TKeyedCipher& writer = Keyed();
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

// The reader accepts the password against the check block the inputs stand behind; checked once per run.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    TMemoryStream container(std::vector<uint8_t>(Keyed().check.begin(), Keyed().check.end()));
    TQC_blowfish cipher(nullptr);
    TPayloadReader reader(cipher, container, 0);
    Require(reader.CheckPassword(kPassword, nullptr) == TPayloadResult::prOk);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 64 * 1024) return 0;
    TMemoryStream container(KeyedContainer(data, size));
    TReaderTurn cipher;
    TPayloadReader reader(cipher, container, 0);
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
