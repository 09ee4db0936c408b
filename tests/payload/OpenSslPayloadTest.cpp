// Known answers for whole payloads, computed with OpenSSL's SHA-1 and Blowfish instead of our code.
#include <gtest/gtest.h>
#include <openssl/blowfish.h>
#include <openssl/sha.h>

#include <cstring>

#include "app/payload/PayloadReader.h"
#include "tests/payload/PayloadTestSupport.h"

namespace {

// The payload's chaining built from OpenSSL: CBC from the derived vector, a partial last block
// XORed with the encryption of the chaining value.
class TOracleChain {
public:
    explicit TOracleChain(const std::string& password) {
        std::memset(keyBlock_, 0xFF, sizeof keyBlock_);
        SHA1(reinterpret_cast<const unsigned char*>(password.data()), password.size(), keyBlock_);
        BF_set_key(&key_, 32, keyBlock_);
        unsigned char ones[8];
        std::memset(ones, 0xFF, 8);
        BF_ecb_encrypt(ones, initVector_, &key_, BF_ENCRYPT);
        Restart();
    }
    void Restart() { std::memcpy(chain_, initVector_, 8); }
    std::vector<uint8_t> Encrypt(std::vector<uint8_t> data) {
        const size_t full = data.size() / 8 * 8;
        std::vector<uint8_t> out(data.size());
        if (full > 0) BF_cbc_encrypt(data.data(), out.data(), static_cast<long>(full), &key_, chain_, BF_ENCRYPT);
        if (full < data.size()) {
            unsigned char stream[8];
            BF_ecb_encrypt(chain_, stream, &key_, BF_ENCRYPT);
            for (size_t i = full; i < data.size(); ++i) out[i] = data[i] ^ stream[i - full];
        }
        return out;
    }
    std::vector<uint8_t> KeyBlock() const { return std::vector<uint8_t>(keyBlock_, keyBlock_ + 32); }

private:
    unsigned char keyBlock_[32];
    BF_KEY key_;
    unsigned char initVector_[8];
    unsigned char chain_[8];
};

std::vector<uint8_t> Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

void Append(std::vector<uint8_t>& to, const std::vector<uint8_t>& more) { to.insert(to.end(), more.begin(), more.end()); }

std::vector<uint8_t> OraclePayload(const std::string& password, const std::vector<TPackedFile>& files) {
    TOracleChain chain(password);
    std::vector<uint8_t> payload = chain.Encrypt(chain.KeyBlock());
    std::string header;
    for (const TPackedFile& f : files) header += f.name + "?" + std::to_string(f.contents.size()) + "?";
    chain.Restart();
    std::string lengthField = std::to_string(header.size());
    lengthField.insert(0, 10 - lengthField.size(), '0');
    Append(payload, chain.Encrypt(Bytes(lengthField)));
    Append(payload, chain.Encrypt(Bytes(header)));
    for (const TPackedFile& f : files) {
        chain.Restart();
        Append(payload, chain.Encrypt(f.contents));
    }
    return payload;
}

const std::vector<TPackedFile> kFiles = {
    {"empty.txt", {}}, {"page.bin", RandomBytes(8192, 21)}, {"tail.bin", RandomBytes(1003, 22)}};

TEST(PayloadKnownAnswer, CheckBlockMatchesSha1KeyBlockEncryptedFromTheDerivedVector) {
    for (const char* password : {"secret", "   ", "\xe9t\xe9"}) {
        TQC_blowfish cipher(nullptr);
        const TKeyBlock keyBlock = DeriveKeyBlock(password, nullptr);
        TOracleChain oracle(password);
        EXPECT_EQ(std::vector<uint8_t>(keyBlock.begin(), keyBlock.end()), oracle.KeyBlock());
        const TKeyBlock check = KeyPayloadCipher(cipher, keyBlock);
        EXPECT_EQ(std::vector<uint8_t>(check.begin(), check.end()), oracle.Encrypt(oracle.KeyBlock())) << password;
    }
}

TEST(PayloadKnownAnswer, WriterOutputEqualsIndependentlyBuiltPayload) {
    const struct { std::vector<TPackedFile> files; size_t size; } cases[] = {
        {kFiles, 42 + 40 + 8192 + 1003}, {{}, 42}};
    for (const auto& c : cases) {
        TMemoryStream written;
        ASSERT_EQ(WritePayload("secret", c.files, written), TPayloadResult::prOk);
        EXPECT_EQ(written.Bytes(), OraclePayload("secret", c.files));
        EXPECT_EQ(written.Size(), static_cast<int64_t>(c.size));
    }
}

TEST(PayloadKnownAnswer, ReaderOpensIndependentlyBuiltPayload) {
    TMemoryStream container(OraclePayload("secret", kFiles));
    TQC_blowfish cipher(nullptr);
    TPayloadReader reader(cipher, container, 0);
    ASSERT_EQ(reader.CheckPassword("secret", nullptr), TPayloadResult::prOk);
    ASSERT_EQ(reader.ReadHeader(), TPayloadResult::prOk);
    ASSERT_EQ(reader.Entries().size(), kFiles.size());
    for (size_t i = 0; i < kFiles.size(); ++i) {
        TMemoryStream out;
        ASSERT_EQ(reader.Extract(i, out, {}), TPayloadResult::prOk);
        EXPECT_EQ(out.Bytes(), kFiles[i].contents) << kFiles[i].name;
    }
}

}  // namespace
