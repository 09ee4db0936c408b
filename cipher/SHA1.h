// SHA-1 hash component (FIPS 180-1, 160-bit digest).
#pragma once

#include "cipher/CryptBase.h"

class TQC_sha1 : public TQC_hash {
public:
    static constexpr int DigestBytes = 20;

    explicit TQC_sha1(TComponent* owner);
    ~TQC_sha1() override;

    const char* ClassName() const override { return "TQC_sha1"; }

    void Start() override;
    void Scrub() override;
    void Feed(const void* data, int32_t size) override;  // raises "SHA1: Not initialized" when not ready
    void Finish(uint8_t* digest) override;               // 20 bytes; then scrubs

protected:
    // 64-bit message length in bits, as two words; protected so tests can reach the carry.
    uint32_t bitCountHigh_ = 0;
    uint32_t bitCountLow_ = 0;

private:
    void RequireReady() const;
    void Compress();
    void AddBitCount(int32_t size);

    int32_t bufferIndex_ = 0;
    uint32_t h_[5] = {};
    uint8_t buffer_[64] = {};
};
