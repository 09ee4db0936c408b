// SHA-1 hash component: buffering, bit count, compression and padding.
#include "cipher/SHA1.h"

#include <cstring>

#include "cipher/ByteOrder.h"
#include "toolkit/core/Exception.h"

namespace {

constexpr uint32_t kInitialH[5] = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u, 0xC3D2E1F0u};

}  // namespace

TQC_sha1::TQC_sha1(TComponent* owner) : TQC_hash(owner) {
    algorithm_ = "SHA1";
    hashSize_ = 160;
    algorithmId_ = 2;
    Scrub();
}

TQC_sha1::~TQC_sha1() {
    if (isReady_) Scrub();
}

void TQC_sha1::Start() {
    Scrub();
    std::memcpy(h_, kInitialH, sizeof h_);
    isReady_ = true;
}

void TQC_sha1::Scrub() {
    bitCountHigh_ = 0;
    bitCountLow_ = 0;
    bufferIndex_ = 0;
    WipeBytes(buffer_, sizeof buffer_, 0);
    WipeBytes(h_, sizeof h_, 0);
    isReady_ = false;
}

void TQC_sha1::RequireReady() const {
    if (!isReady_) throw Exception("SHA1: Not initialized");
}

void TQC_sha1::Feed(const void* data, int32_t size) {
    RequireReady();
    if (size <= 0) return;  // a negative count would corrupt the bit count
    AddBitCount(size);
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    while (size > 0) {
        const int32_t room = 64 - bufferIndex_;
        if (size < room) {
            std::memcpy(buffer_ + bufferIndex_, bytes, static_cast<size_t>(size));
            bufferIndex_ += size;
            return;
        }
        std::memcpy(buffer_ + bufferIndex_, bytes, static_cast<size_t>(room));
        Compress();
        bytes += room;
        size -= room;
    }
}

void TQC_sha1::Finish(uint8_t* digest) {
    RequireReady();
    buffer_[bufferIndex_] = 0x80;
    if (bufferIndex_ >= 56) Compress();
    Store32BE(buffer_ + 56, bitCountHigh_);
    Store32BE(buffer_ + 60, bitCountLow_);
    Compress();
    for (int i = 0; i < 5; ++i) Store32BE(digest + 4 * i, h_[i]);
    Scrub();
}

void TQC_sha1::AddBitCount(int32_t size) {
    const uint32_t count = static_cast<uint32_t>(size);
    const uint32_t oldLow = bitCountLow_;
    bitCountLow_ += count << 3;
    if (bitCountLow_ < oldLow) ++bitCountHigh_;
    bitCountHigh_ += count >> 29;
}

void TQC_sha1::Compress() {
    uint32_t w[80];
    for (int t = 0; t < 16; ++t) w[t] = Load32BE(buffer_ + 4 * t);
    for (int t = 16; t < 80; ++t) w[t] = RotL32(w[t - 3] ^ w[t - 8] ^ w[t - 14] ^ w[t - 16], 1);

    uint32_t a = h_[0], b = h_[1], c = h_[2], d = h_[3], e = h_[4];
    for (int t = 0; t < 80; ++t) {
        uint32_t f;
        uint32_t k;
        if (t < 20) {
            f = (b & c) | (~b & d);
            k = 0x5A827999u;
        } else if (t < 40) {
            f = b ^ c ^ d;
            k = 0x6ED9EBA1u;
        } else if (t < 60) {
            f = (b & c) | (b & d) | (c & d);
            k = 0x8F1BBCDCu;
        } else {
            f = b ^ c ^ d;
            k = 0xCA62C1D6u;
        }
        const uint32_t next = RotL32(a, 5) + f + e + k + w[t];
        e = d;
        d = c;
        c = RotL32(b, 30);
        b = a;
        a = next;
    }
    h_[0] += a;
    h_[1] += b;
    h_[2] += c;
    h_[3] += d;
    h_[4] += e;

    WipeBytes(w, sizeof w, 0);
    WipeBytes(buffer_, sizeof buffer_, 0);
    bufferIndex_ = 0;
}
