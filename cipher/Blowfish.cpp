// Blowfish block-cipher component: key schedule, block rounds and the chained and feedback modes.
#include "cipher/Blowfish.h"

#include <cstring>
#include <string>

#include "cipher/BlowfishTables.h"
#include "cipher/ByteOrder.h"
#include "toolkit/core/Exception.h"

namespace {

using SBoxes = uint32_t[4][256];

inline uint32_t F(const SBoxes& s, uint32_t x) {
    return ((s[0][x >> 24] + s[1][(x >> 16) & 0xFFu]) ^ s[2][(x >> 8) & 0xFFu]) + s[3][x & 0xFFu];
}

// Two rounds with round keys k1, k2 (forward or backward through the P-array).
inline void TwoRounds(const SBoxes& s, uint32_t k1, uint32_t k2, uint32_t& l, uint32_t& r) {
    r ^= F(s, l) ^ k1;
    l ^= F(s, r) ^ k2;
}

// Sixteen rounds on one block, the P-array read from first to last (encryption) or last to first.
template <bool Forward>
inline void RunRounds(const uint32_t* p, const SBoxes& s, uint32_t& left, uint32_t& right) {
    const auto key = [p](int i) { return Forward ? p[i] : p[17 - i]; };
    uint32_t l = left ^ key(0);
    uint32_t r = right;
#pragma GCC unroll 8
    for (int i = 1; i < 17; i += 2) TwoRounds(s, key(i), key(i + 1), l, r);
    left = r ^ key(17);
    right = l;
}

inline void EncryptWords(const uint32_t* p, const SBoxes& s, uint32_t& left, uint32_t& right) {
    RunRounds<true>(p, s, left, right);
}

inline void DecryptWords(const uint32_t* p, const SBoxes& s, uint32_t& left, uint32_t& right) {
    RunRounds<false>(p, s, left, right);
}

// Four independent blocks, round by round, so that their table look-ups overlap.
struct Blocks4 {
    uint32_t l0, r0, l1, r1, l2, r2, l3, r3;
};

inline void TwoRounds4(const SBoxes& s, uint32_t k1, uint32_t k2, Blocks4& b) {
    b.r0 ^= F(s, b.l0) ^ k1;
    b.r1 ^= F(s, b.l1) ^ k1;
    b.r2 ^= F(s, b.l2) ^ k1;
    b.r3 ^= F(s, b.l3) ^ k1;
    b.l0 ^= F(s, b.r0) ^ k2;
    b.l1 ^= F(s, b.r1) ^ k2;
    b.l2 ^= F(s, b.r2) ^ k2;
    b.l3 ^= F(s, b.r3) ^ k2;
}

inline Blocks4 DecryptWords4(const uint32_t* p, const SBoxes& s, const Blocks4& in) {
    Blocks4 b = in;
    b.l0 ^= p[17];
    b.l1 ^= p[17];
    b.l2 ^= p[17];
    b.l3 ^= p[17];
#pragma GCC unroll 8
    for (int i = 16; i > 0; i -= 2) TwoRounds4(s, p[i], p[i - 1], b);
    return Blocks4{b.r0 ^ p[0], b.l0, b.r1 ^ p[0], b.l1, b.r2 ^ p[0], b.l2, b.r3 ^ p[0], b.l3};
}

inline void StoreWords(uint8_t* out, uint32_t left, uint32_t right) {
    Store32BE(out, left);
    Store32BE(out + 4, right);
}

// CBC encryption of whole blocks: each block depends on the one before.
void EncryptCbcBlocks(const uint32_t (&p)[18], const SBoxes& s, const uint8_t* in, uint8_t* out, int32_t bytes,
                      uint32_t (&chain)[2]) {
    uint32_t chainL = chain[0];
    uint32_t chainR = chain[1];
    for (int32_t i = 0; i < bytes; i += 8) {
        chainL ^= Load32BE(in + i);
        chainR ^= Load32BE(in + i + 4);
        EncryptWords(p, s, chainL, chainR);
        StoreWords(out + i, chainL, chainR);
    }
    chain[0] = chainL;
    chain[1] = chainR;
}

// CBC decryption of whole blocks, four at a time; every cipher block is read before its output is written.
void DecryptCbcBlocks(const uint32_t (&p)[18], const SBoxes& s, const uint8_t* in, uint8_t* out, int32_t bytes,
                      uint32_t (&chain)[2]) {
    uint32_t chainL = chain[0];
    uint32_t chainR = chain[1];
    int32_t i = 0;
    for (; i + 32 <= bytes; i += 32) {
        const uint8_t* c = in + i;
        const Blocks4 cipher{Load32BE(c), Load32BE(c + 4), Load32BE(c + 8), Load32BE(c + 12),
                             Load32BE(c + 16), Load32BE(c + 20), Load32BE(c + 24), Load32BE(c + 28)};
        const Blocks4 plain = DecryptWords4(p, s, cipher);
        uint8_t* o = out + i;
        StoreWords(o, plain.l0 ^ chainL, plain.r0 ^ chainR);
        StoreWords(o + 8, plain.l1 ^ cipher.l0, plain.r1 ^ cipher.r0);
        StoreWords(o + 16, plain.l2 ^ cipher.l1, plain.r2 ^ cipher.r1);
        StoreWords(o + 24, plain.l3 ^ cipher.l2, plain.r3 ^ cipher.r2);
        chainL = cipher.l3;
        chainR = cipher.r3;
    }
    for (; i < bytes; i += 8) {
        const uint32_t cipherL = Load32BE(in + i);
        const uint32_t cipherR = Load32BE(in + i + 4);
        uint32_t l = cipherL;
        uint32_t r = cipherR;
        DecryptWords(p, s, l, r);
        StoreWords(out + i, l ^ chainL, r ^ chainR);
        chainL = cipherL;
        chainR = cipherR;
    }
    chain[0] = chainL;
    chain[1] = chainR;
}

}  // namespace

TQC_blowfish::TQC_blowfish(TComponent* owner) : TQC_blockcipher(owner) {
    algorithm_ = "Blowfish";
    blockSize_ = 64;
    maxKeySize_ = 448;
    algorithmId_ = 5;
    Scrub();
}

TQC_blowfish::~TQC_blowfish() {
    if (isReady_) Scrub();
}

void TQC_blowfish::Scrub() {
    WipeBytes(s_, sizeof s_, 0xFF);
    WipeBytes(p_, sizeof p_, 0xFF);
    WipeBytes(initVector_, sizeof initVector_, 0xFF);
    WipeBytes(chainVector_, sizeof chainVector_, 0xFF);
    WipeBytes(feedbackTemp_, sizeof feedbackTemp_, 0xFF);
    isReady_ = false;
}

void TQC_blowfish::SetKey(const uint8_t* key, int32_t sizeBits, const uint8_t* iv) {
    // Read a given vector before the wipe, in case it points into this component.
    uint8_t givenIv[8];
    if (iv != nullptr) std::memcpy(givenIv, iv, sizeof givenIv);
    if (isReady_) Scrub();
    if (sizeBits > maxKeySize_ || sizeBits <= 0 || sizeBits % 8 != 0)
        throw Exception("Blowfish: Invalid key size - " + std::to_string(sizeBits));

    const int32_t n = sizeBits / 8;
    std::memcpy(p_, kBlowfishInitP, sizeof p_);
    std::memcpy(s_, kBlowfishInitS, sizeof s_);
    int32_t j = 0;
    for (int i = 0; i < 18; ++i) {
        uint32_t word = 0;
        for (int k = 0; k < 4; ++k) word = (word << 8) | key[(j + k) % n];
        p_[i] ^= word;
        j = (j + 4) % n;
    }

    uint32_t l = 0;
    uint32_t r = 0;
    for (int i = 0; i < 18; i += 2) {
        EncryptWords(p_, s_, l, r);
        p_[i] = l;
        p_[i + 1] = r;
    }
    for (auto& box : s_) {
        for (int i = 0; i < 256; i += 2) {
            EncryptWords(p_, s_, l, r);
            box[i] = l;
            box[i + 1] = r;
        }
    }

    if (iv != nullptr) {
        std::memcpy(initVector_, givenIv, sizeof initVector_);
        WipeBytes(givenIv, sizeof givenIv, 0xFF);
    } else {
        std::memset(initVector_, 0xFF, sizeof initVector_);
        RawEncrypt(initVector_, initVector_);
    }
    std::memcpy(chainVector_, initVector_, sizeof chainVector_);
    isReady_ = true;
}

void TQC_blowfish::RestartChain() {
    std::memcpy(chainVector_, initVector_, sizeof chainVector_);
}

void TQC_blowfish::RequireReady() const {
    if (!isReady_) throw Exception("Blowfish: Not initialized");
}

void TQC_blowfish::RawEncrypt(const uint8_t* in, uint8_t* out) const {
    uint32_t l = Load32BE(in);
    uint32_t r = Load32BE(in + 4);
    EncryptWords(p_, s_, l, r);
    StoreWords(out, l, r);
}

void TQC_blowfish::RawDecrypt(const uint8_t* in, uint8_t* out) const {
    uint32_t l = Load32BE(in);
    uint32_t r = Load32BE(in + 4);
    DecryptWords(p_, s_, l, r);
    StoreWords(out, l, r);
}

void TQC_blowfish::EncryptBlock(const uint8_t* in, uint8_t* out) {
    RequireReady();
    RawEncrypt(in, out);
}

void TQC_blowfish::DecryptBlock(const uint8_t* in, uint8_t* out) {
    RequireReady();
    RawDecrypt(in, out);
}

void TQC_blowfish::RunChained(const uint8_t* in, uint8_t* out, int32_t size, BlockRun fullBlocks) {
    RequireReady();
    if (size <= 0) return;
    const int32_t fullBytes = size - size % 8;
    uint32_t chain[2] = {Load32BE(chainVector_), Load32BE(chainVector_ + 4)};
    fullBlocks(p_, s_, in, out, fullBytes, chain);
    StoreWords(chainVector_, chain[0], chain[1]);
    if (fullBytes == size) return;

    // The tail is XORed with the encryption of ChainVector, which it leaves as it is.
    uint8_t keystream[8];
    RawEncrypt(chainVector_, keystream);
    XorBytes(in + fullBytes, keystream, out + fullBytes, size - fullBytes);
    WipeBytes(keystream, sizeof keystream, 0xFF);
}

void TQC_blowfish::EncryptChained(const uint8_t* in, uint8_t* out, int32_t size) {
    RunChained(in, out, size, EncryptCbcBlocks);
}

void TQC_blowfish::DecryptChained(const uint8_t* in, uint8_t* out, int32_t size) {
    RunChained(in, out, size, DecryptCbcBlocks);
}

void TQC_blowfish::ShiftIntoChain(uint8_t cipherByte) {
    std::memmove(chainVector_, chainVector_ + 1, 7);
    chainVector_[7] = cipherByte;
}

void TQC_blowfish::EncryptFeedback8(const uint8_t* in, uint8_t* out, int32_t size) {
    RequireReady();
    for (int32_t i = 0; i < size; ++i) {
        RawEncrypt(chainVector_, feedbackTemp_);
        const uint8_t cipherByte = static_cast<uint8_t>(in[i] ^ feedbackTemp_[0]);
        out[i] = cipherByte;
        ShiftIntoChain(cipherByte);
    }
}

void TQC_blowfish::DecryptFeedback8(const uint8_t* in, uint8_t* out, int32_t size) {
    RequireReady();
    for (int32_t i = 0; i < size; ++i) {
        const uint8_t cipherByte = in[i];
        RawEncrypt(chainVector_, feedbackTemp_);
        out[i] = static_cast<uint8_t>(cipherByte ^ feedbackTemp_[0]);
        ShiftIntoChain(cipherByte);
    }
}
