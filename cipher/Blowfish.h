// Blowfish block-cipher component: key schedule, derived initial vector, ECB, CBC with keystream tail, CFB-8.
#pragma once

#include "cipher/CryptBase.h"

class TQC_blowfish : public TQC_blockcipher {
public:
    explicit TQC_blowfish(TComponent* owner);
    ~TQC_blowfish() override;

    const char* ClassName() const override { return "TQC_blowfish"; }

    // Raises "Blowfish: Invalid key size - %d" unless 0 < sizeBits <= 448 and sizeBits % 8 == 0.
    void SetKey(const uint8_t* key, int32_t sizeBits, const uint8_t* iv) override;
    void Scrub() override;
    void RestartChain() override;
    void EncryptBlock(const uint8_t* in, uint8_t* out) override;
    void DecryptBlock(const uint8_t* in, uint8_t* out) override;
    void EncryptChained(const uint8_t* in, uint8_t* out, int32_t size) override;
    void DecryptChained(const uint8_t* in, uint8_t* out, int32_t size) override;
    void EncryptFeedback8(const uint8_t* in, uint8_t* out, int32_t size) override;
    void DecryptFeedback8(const uint8_t* in, uint8_t* out, int32_t size) override;

    const uint8_t* InitVector() const { return initVector_; }
    const uint8_t* ChainVector() const { return chainVector_; }

private:
    void RequireReady() const;
    void RawEncrypt(const uint8_t* in, uint8_t* out) const;
    void RawDecrypt(const uint8_t* in, uint8_t* out) const;
    // Whole blocks of a chained call; chain holds ChainVector as two big-endian words.
    using BlockRun = void (*)(const uint32_t (&p)[18], const uint32_t (&s)[4][256], const uint8_t* in,
                              uint8_t* out, int32_t bytes, uint32_t (&chain)[2]);
    // The frame of both chained calls: ready test, whole blocks, then the keystream tail.
    void RunChained(const uint8_t* in, uint8_t* out, int32_t size, BlockRun fullBlocks);
    void ShiftIntoChain(uint8_t cipherByte);

    uint8_t initVector_[8];
    uint8_t chainVector_[8];
    uint32_t s_[4][256];
    uint32_t p_[18];
    uint8_t feedbackTemp_[8];  // the feedback modes leave their last keystream block here
};
