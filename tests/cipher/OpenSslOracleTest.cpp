// Cipher components against OpenSSL's Blowfish and SHA-1 on random data.
#include <gtest/gtest.h>
#include <openssl/blowfish.h>
#include <openssl/sha.h>

#include "cipher/Blowfish.h"
#include "cipher/SHA1.h"
#include "tests/cipher/CountingSha1.h"
#include "tests/cipher/TestBytes.h"

namespace {

BF_KEY OpenSslKey(const Bytes& key) {
    BF_KEY schedule;
    BF_set_key(&schedule, static_cast<int>(key.size()), key.data());
    return schedule;
}

// Whole blocks through OpenSSL CBC, then the tail XORed with the encryption of the last cipher block.
Bytes OpenSslChained(const BF_KEY& schedule, const Bytes& iv, const Bytes& in, bool encrypt) {
    Bytes out(in.size());
    const size_t full = in.size() - in.size() % 8;
    Bytes chain = iv;
    if (full > 0) {
        BF_cbc_encrypt(in.data(), out.data(), static_cast<long>(full), &schedule, chain.data(),
                       encrypt ? BF_ENCRYPT : BF_DECRYPT);
    }
    uint8_t keystream[8];
    BF_ecb_encrypt(chain.data(), keystream, &schedule, BF_ENCRYPT);
    for (size_t k = full; k < in.size(); ++k) out[k] = in[k] ^ keystream[k - full];
    return out;
}

}  // namespace

TEST(OpenSslOracle, ChainedModeMatchesCbcWithKeystreamTail) {
    const Bytes key = RandomBytes(32, 21);
    const BF_KEY schedule = OpenSslKey(key);
    TQC_blowfish bf(nullptr);
    bf.SetKey(key.data(), 256, nullptr);
    const Bytes iv(bf.InitVector(), bf.InitVector() + 8);

    std::vector<size_t> sizes;
    for (size_t size = 0; size <= 100; ++size) sizes.push_back(size);
    sizes.push_back(16387);
    for (size_t size : sizes) {
        const Bytes plain = RandomBytes(size, 1000 + static_cast<uint32_t>(size));
        Bytes data = plain;
        bf.RestartChain();
        bf.EncryptChained(data.data(), data.data(), static_cast<int32_t>(size));
        ASSERT_EQ(data, OpenSslChained(schedule, iv, plain, true)) << "encrypt " << size;

        const Bytes cipher = data;
        bf.RestartChain();
        bf.DecryptChained(data.data(), data.data(), static_cast<int32_t>(size));
        ASSERT_EQ(data, plain) << "decrypt " << size;
        ASSERT_EQ(OpenSslChained(schedule, iv, cipher, false), plain) << "oracle decrypt " << size;
    }
}

TEST(OpenSslOracle, BlocksMatchForEveryKeyLength) {
    TQC_blowfish bf(nullptr);
    for (size_t bytes = 1; bytes <= 56; ++bytes) {
        const Bytes key = RandomBytes(bytes, 300 + static_cast<uint32_t>(bytes));
        const BF_KEY schedule = OpenSslKey(key);
        bf.SetKey(key.data(), static_cast<int32_t>(8 * bytes), nullptr);
        const Bytes block = RandomBytes(8, 400 + static_cast<uint32_t>(bytes));
        uint8_t ours[8];
        uint8_t theirs[8];
        bf.EncryptBlock(block.data(), ours);
        BF_ecb_encrypt(block.data(), theirs, &schedule, BF_ENCRYPT);
        EXPECT_EQ(ToHex(ours, 8), ToHex(theirs, 8)) << bytes << "-byte key";
    }
}

TEST(OpenSslOracle, Sha1MatchesForLengthsAcrossSeveralBlocks) {
    for (size_t size = 0; size <= 200; ++size) {
        const Bytes message = RandomBytes(size, 500 + static_cast<uint32_t>(size));
        TQC_sha1 sha(nullptr);
        sha.Start();
        sha.Feed(message.data(), static_cast<int32_t>(size));
        uint8_t ours[20];
        uint8_t theirs[20];
        sha.Finish(ours);
        SHA1(message.data(), size, theirs);
        EXPECT_EQ(ToHex(ours, 20), ToHex(theirs, 20)) << size;
    }
}

TEST(OpenSslOracle, Sha1BitCountCarryReachesTheLengthField) {
    const Bytes message = RandomBytes(150, 600);
    for (uint32_t low : {0xFFFFFFF8u, 0xFFFFFC00u, 0xFFFFFB50u}) {
        CountingSha1 sha;
        sha.Start();
        sha.SetBitCount(0, low);
        sha.Feed(message.data(), 150);
        uint8_t ours[20];
        sha.Finish(ours);

        SHA_CTX ctx;
        SHA1_Init(&ctx);
        ctx.Nl = low;
        ctx.Nh = 0;
        SHA1_Update(&ctx, message.data(), message.size());
        uint8_t theirs[20];
        SHA1_Final(theirs, &ctx);
        EXPECT_EQ(ToHex(ours, 20), ToHex(theirs, 20)) << std::hex << low;
    }
}
