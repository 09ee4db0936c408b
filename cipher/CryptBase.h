// Abstract hash and block-cipher components and the small routines they share.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/core/Component.h"

// 32-bit rotate left by 0 to 31 places.
inline uint32_t RotL32(uint32_t value, unsigned places) {
    places &= 31u;
    return places == 0 ? value : (value << places) | (value >> (32u - places));
}

// out[i] := a[i] xor b[i] for i < n; nothing when n <= 0.
void XorBytes(const uint8_t* a, const uint8_t* b, uint8_t* out, int32_t n);

// Overwrites memory in a way the compiler cannot drop.
void WipeBytes(void* data, size_t size, uint8_t value);

// A hash component. Its published properties keep the values the concrete constructor set.
class TQC_hash : public TComponent {
public:
    explicit TQC_hash(TComponent* owner) : TComponent(owner) {}
    ~TQC_hash() override = default;  // concrete classes scrub a ready state in their destructor

    const char* ClassName() const override { return "TQC_hash"; }

    const std::string& Algorithm() const { return algorithm_; }
    void SetAlgorithm(const std::string& value) { scratchText_ = value; }
    int32_t HashSize() const { return hashSize_; }
    virtual void SetHashSize(int32_t) {}
    bool IsReady() const { return isReady_; }

    virtual void Start() = 0;
    virtual void Scrub() = 0;
    virtual void Feed(const void* data, int32_t size) = 0;
    virtual void Finish(uint8_t* digest) = 0;  // HashSize / 8 bytes

    // Feeds the text's characters, one byte each, no terminator.
    void FeedText(const std::string& text);

protected:
    int32_t algorithmId_ = 0;
    bool isReady_ = false;
    std::string algorithm_;
    int32_t hashSize_ = 0;

private:
    std::string scratchText_;
};

// A block-cipher component. Its published properties keep the values the concrete constructor set.
class TQC_blockcipher : public TComponent {
public:
    explicit TQC_blockcipher(TComponent* owner) : TComponent(owner) {}
    ~TQC_blockcipher() override = default;  // concrete classes scrub a ready state in their destructor

    const char* ClassName() const override { return "TQC_blockcipher"; }

    const std::string& Algorithm() const { return algorithm_; }
    void SetAlgorithm(const std::string& value) { scratchText_ = value; }
    int32_t BlockSize() const { return blockSize_; }
    void SetBlockSize(int32_t value) { scratchInt_ = value; }
    int32_t MaxKeySize() const { return maxKeySize_; }
    void SetMaxKeySize(int32_t value) { scratchInt_ = value; }
    bool IsReady() const { return isReady_; }

    // key: at least sizeBits / 8 bytes; iv: 8 bytes, or nullptr to derive it from the key.
    virtual void SetKey(const uint8_t* key, int32_t sizeBits, const uint8_t* iv) = 0;
    virtual void Scrub() = 0;
    virtual void RestartChain() = 0;
    virtual void EncryptBlock(const uint8_t* in, uint8_t* out) = 0;  // 8 bytes each
    virtual void DecryptBlock(const uint8_t* in, uint8_t* out) = 0;
    // In and out may be the same buffer.
    virtual void EncryptChained(const uint8_t* in, uint8_t* out, int32_t size) = 0;
    virtual void DecryptChained(const uint8_t* in, uint8_t* out, int32_t size) = 0;
    virtual void EncryptFeedback8(const uint8_t* in, uint8_t* out, int32_t size) = 0;
    virtual void DecryptFeedback8(const uint8_t* in, uint8_t* out, int32_t size) = 0;

protected:
    int32_t algorithmId_ = 0;
    bool isReady_ = false;
    std::string algorithm_;
    int32_t blockSize_ = 0;
    int32_t maxKeySize_ = 0;

private:
    std::string scratchText_;
    int32_t scratchInt_ = 0;
};
