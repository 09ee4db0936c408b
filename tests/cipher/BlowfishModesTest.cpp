// Blowfish component: key sizes, initial vector, chained and feedback modes, scrubbing, properties.
#include "cipher/Blowfish.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/cipher/TestBytes.h"
#include "toolkit/core/Exception.h"

namespace {

const Bytes kAllFF(8, 0xFF);

// The 32-byte key block the programs use: 20 digest bytes and twelve 0xFF bytes.
Bytes KeyBlock() {
    Bytes key = RandomBytes(20, 7);
    key.resize(32, 0xFF);
    return key;
}

void ExpectError(const std::function<void()>& call, const std::string& message) {
    try {
        call();
        ADD_FAILURE() << "no exception, expected " << message;
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), message);
    }
}

Bytes Encrypted(TQC_blowfish& bf, const Bytes& block) {
    Bytes out(8);
    bf.EncryptBlock(block.data(), out.data());
    return out;
}

Bytes Vector(const uint8_t* v) { return Bytes(v, v + 8); }

class KeyedBlowfish : public ::testing::Test {
protected:
    void SetUp() override {
        const Bytes key = KeyBlock();
        bf.SetKey(key.data(), 256, nullptr);
    }
    Bytes EncryptChained(const Bytes& in) {
        Bytes out(in.size());
        bf.EncryptChained(in.data(), out.data(), static_cast<int32_t>(in.size()));
        return out;
    }
    Bytes DecryptChained(const Bytes& in) {
        Bytes out(in.size());
        bf.DecryptChained(in.data(), out.data(), static_cast<int32_t>(in.size()));
        return out;
    }

    TQC_blowfish bf{nullptr};
};

using DataCall = void (TQC_blowfish::*)(const uint8_t*, uint8_t*, int32_t);
const struct {
    const char* name;
    DataCall call;
} kSizedCalls[] = {
    {"EncryptChained", &TQC_blowfish::EncryptChained},
    {"DecryptChained", &TQC_blowfish::DecryptChained},
    {"EncryptFeedback8", &TQC_blowfish::EncryptFeedback8},
    {"DecryptFeedback8", &TQC_blowfish::DecryptFeedback8},
};

}  // namespace

TEST(BlowfishKey, SizeOutsideWholeBytesUpTo448IsRejectedWithPassedSize) {
    const Bytes key = RandomBytes(64, 1);
    TQC_blowfish bf(nullptr);
    for (int32_t bits : {8, 448}) {
        bf.SetKey(key.data(), bits, nullptr);
        EXPECT_TRUE(bf.IsReady()) << bits;
    }
    const struct {
        int32_t bits;
        const char* message;
    } rejected[] = {
        {0, "Blowfish: Invalid key size - 0"},
        {-8, "Blowfish: Invalid key size - -8"},
        {12, "Blowfish: Invalid key size - 12"},
        {456, "Blowfish: Invalid key size - 456"},
    };
    for (const auto& r : rejected) {
        bf.SetKey(key.data(), 64, nullptr);
        ExpectError([&] { bf.SetKey(key.data(), r.bits, nullptr); }, r.message);
        EXPECT_FALSE(bf.IsReady()) << r.bits;
        EXPECT_EQ(Vector(bf.InitVector()), kAllFF) << "old key material survived a rejected size";
        uint8_t block[8] = {};
        ExpectError([&] { bf.EncryptChained(block, block, 8); }, "Blowfish: Not initialized");
    }
}

TEST(BlowfishKey, KeyBlockTailCountsAndBytesBeyondSizeAreIgnored) {
    TQC_blowfish a(nullptr);
    TQC_blowfish b(nullptr);
    const Bytes key = KeyBlock();
    a.SetKey(key.data(), 160, nullptr);
    b.SetKey(key.data(), 256, nullptr);
    EXPECT_NE(Vector(a.InitVector()), Vector(b.InitVector()));
    Bytes truncated(key.begin(), key.begin() + 20);
    truncated.push_back(0x00);
    b.SetKey(truncated.data(), 160, nullptr);
    EXPECT_EQ(Vector(a.InitVector()), Vector(b.InitVector()));
}

TEST(BlowfishKey, DerivedVectorIsEncryptionOfAllFFAndGivenVectorIsKept) {
    const Bytes key = KeyBlock();
    TQC_blowfish bf(nullptr);
    bf.SetKey(key.data(), 256, nullptr);
    const Bytes derived = Encrypted(bf, kAllFF);
    EXPECT_EQ(Vector(bf.InitVector()), derived);
    EXPECT_EQ(Vector(bf.ChainVector()), derived);

    const Bytes given = FromHex("0011223344556677");
    bf.SetKey(key.data(), 256, given.data());
    EXPECT_EQ(Vector(bf.InitVector()), given);
    EXPECT_EQ(Vector(bf.ChainVector()), given);

    // Re-keying with the component's own vector must not read it after the wipe.
    bf.SetKey(key.data(), 256, bf.InitVector());
    EXPECT_EQ(Vector(bf.InitVector()), given);
}

TEST_F(KeyedBlowfish, FullBlocksChainLikeCbc) {
    const Bytes plain = RandomBytes(32, 5);
    const Bytes iv = Vector(bf.InitVector());
    const Bytes cipher = EncryptChained(plain);

    Bytes previous = iv;
    for (size_t i = 0; i < 32; i += 8) {
        Bytes block(8);
        for (size_t k = 0; k < 8; ++k) block[k] = plain[i + k] ^ previous[k];
        previous = Encrypted(bf, block);
        EXPECT_EQ(Bytes(cipher.begin() + i, cipher.begin() + i + 8), previous) << "block " << i / 8;
    }
    EXPECT_EQ(Vector(bf.ChainVector()), previous);

    bf.RestartChain();
    EXPECT_EQ(Vector(bf.ChainVector()), iv);
    EXPECT_EQ(DecryptChained(cipher), plain);
}

TEST_F(KeyedBlowfish, ChainedTailLeavesChainVectorUnchanged) {
    for (size_t size : {5, 13, 39}) {
        bf.RestartChain();
        const Bytes plain = RandomBytes(size, static_cast<uint32_t>(size));
        const Bytes full(plain.begin(), plain.end() - static_cast<long>(size % 8));
        const Bytes fullCipher = EncryptChained(full);
        const Bytes chainAfterFull = Vector(bf.ChainVector());
        const Bytes keystream = Encrypted(bf, chainAfterFull);

        bf.RestartChain();
        const Bytes cipher = EncryptChained(plain);
        EXPECT_EQ(Vector(bf.ChainVector()), chainAfterFull) << size;
        EXPECT_EQ(Bytes(cipher.begin(), cipher.begin() + static_cast<long>(full.size())), fullCipher);
        for (size_t k = 0; k < size % 8; ++k)
            EXPECT_EQ(cipher[full.size() + k], plain[full.size() + k] ^ keystream[k]) << size << " tail byte " << k;

        bf.RestartChain();
        EXPECT_EQ(DecryptChained(cipher), plain) << size;
        EXPECT_EQ(Vector(bf.ChainVector()), chainAfterFull) << size;
    }
}

TEST_F(KeyedBlowfish, ChainedRoundTripForEverySizeAndGrouping) {
    for (size_t size = 0; size <= 100; ++size) {
        const Bytes plain = RandomBytes(size, 100 + static_cast<uint32_t>(size));
        bf.RestartChain();
        const Bytes cipher = EncryptChained(plain);
        bf.RestartChain();
        EXPECT_EQ(DecryptChained(cipher), plain) << size;
    }
}

TEST_F(KeyedBlowfish, ThreeCallsEqualOneCallAfterWholeBlocks) {
    const Bytes plain = RandomBytes(16387, 11);
    const Bytes whole = EncryptChained(plain);
    const Bytes wholeChain = Vector(bf.ChainVector());

    bf.RestartChain();
    Bytes pieces = plain;
    bf.EncryptChained(pieces.data(), pieces.data(), 8192);
    bf.EncryptChained(pieces.data() + 8192, pieces.data() + 8192, 8192);
    bf.EncryptChained(pieces.data() + 16384, pieces.data() + 16384, 3);
    EXPECT_EQ(pieces, whole);
    EXPECT_EQ(Vector(bf.ChainVector()), wholeChain);

    bf.RestartChain();
    bf.DecryptChained(pieces.data(), pieces.data(), 8192);
    bf.DecryptChained(pieces.data() + 8192, pieces.data() + 8192, 8192);
    bf.DecryptChained(pieces.data() + 16384, pieces.data() + 16384, 3);
    EXPECT_EQ(pieces, plain);
}

TEST_F(KeyedBlowfish, InPlaceEqualsSeparateBuffers) {
    const Bytes input = RandomBytes(77, 12);
    for (const auto& c : kSizedCalls) {
        bf.RestartChain();
        Bytes separate(input.size());
        (bf.*c.call)(input.data(), separate.data(), 77);
        const Bytes chain = Vector(bf.ChainVector());
        bf.RestartChain();
        Bytes inPlace = input;
        (bf.*c.call)(inPlace.data(), inPlace.data(), 77);
        EXPECT_EQ(inPlace, separate) << c.name;
        EXPECT_EQ(Vector(bf.ChainVector()), chain) << c.name;
    }
    Bytes block = input;
    block.resize(8);
    const Bytes encrypted = Encrypted(bf, block);
    bf.EncryptBlock(block.data(), block.data());
    EXPECT_EQ(block, encrypted);
    bf.DecryptBlock(block.data(), block.data());
    EXPECT_EQ(block, Bytes(input.begin(), input.begin() + 8));
}

TEST_F(KeyedBlowfish, EmptyOrNegativeSizeWritesNothing) {
    const Bytes input = RandomBytes(16, 13);
    const Bytes chain = Vector(bf.ChainVector());
    for (const auto& c : kSizedCalls) {
        for (int32_t size : {0, -1, -8}) {
            Bytes out(16, 0xA5);
            (bf.*c.call)(input.data(), out.data(), size);
            EXPECT_EQ(out, Bytes(16, 0xA5)) << c.name << " " << size;
            EXPECT_EQ(Vector(bf.ChainVector()), chain) << c.name << " " << size;
        }
    }
}

TEST_F(KeyedBlowfish, Feedback8ShiftsCipherBytesIntoChain) {
    const Bytes iv = Vector(bf.InitVector());
    for (size_t size : {1, 7, 9, 33, 100}) {
        const Bytes plain = RandomBytes(size, 200 + static_cast<uint32_t>(size));
        bf.RestartChain();
        Bytes cipher(size);
        bf.EncryptFeedback8(plain.data(), cipher.data(), static_cast<int32_t>(size));
        EXPECT_EQ(cipher[0], plain[0] ^ Encrypted(bf, iv)[0]) << size;
        Bytes expectedChain = iv;
        expectedChain.insert(expectedChain.end(), cipher.begin(), cipher.end());
        EXPECT_EQ(Vector(bf.ChainVector()), Bytes(expectedChain.end() - 8, expectedChain.end())) << size;

        bf.RestartChain();
        Bytes back(size);
        bf.DecryptFeedback8(cipher.data(), back.data(), 3 < size ? 3 : static_cast<int32_t>(size));
        if (size > 3) bf.DecryptFeedback8(cipher.data() + 3, back.data() + 3, static_cast<int32_t>(size - 3));
        EXPECT_EQ(back, plain) << size;
    }
}

TEST(BlowfishState, ScrubbedComponentRefusesDataAndHoldsOnlyFF) {
    const Bytes key = KeyBlock();
    TQC_blowfish bf(nullptr);
    for (bool keyedBefore : {false, true}) {
        if (keyedBefore) {
            bf.SetKey(key.data(), 256, nullptr);
            bf.Scrub();
        }
        EXPECT_FALSE(bf.IsReady());
        bf.RestartChain();
        EXPECT_EQ(Vector(bf.InitVector()), kAllFF);
        EXPECT_EQ(Vector(bf.ChainVector()), kAllFF);

        Bytes out(16, 0x5A);
        const Bytes in(16, 0x01);
        for (const auto& c : kSizedCalls)
            ExpectError([&] { (bf.*c.call)(in.data(), out.data(), 16); }, "Blowfish: Not initialized");
        ExpectError([&] { bf.EncryptBlock(in.data(), out.data()); }, "Blowfish: Not initialized");
        ExpectError([&] { bf.DecryptBlock(in.data(), out.data()); }, "Blowfish: Not initialized");
        EXPECT_EQ(out, Bytes(16, 0x5A)) << "a refused call wrote output";
    }
}

TEST(BlowfishState, PropertiesKeepConstructorValues) {
    TQC_blowfish bf(nullptr);
    bf.SetAlgorithm("DES");
    bf.SetBlockSize(128);
    bf.SetMaxKeySize(56);
    EXPECT_EQ(bf.Algorithm(), "Blowfish");
    EXPECT_EQ(bf.BlockSize(), 64);
    EXPECT_EQ(bf.MaxKeySize(), 448);
    EXPECT_STREQ(bf.ClassName(), "TQC_blowfish");
    EXPECT_TRUE(bf.Is<TQC_blockcipher>());
}
