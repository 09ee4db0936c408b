// Routines shared by the hash and block-cipher components.
#include "cipher/CryptBase.h"

void XorBytes(const uint8_t* a, const uint8_t* b, uint8_t* out, int32_t n) {
    for (int32_t i = 0; i < n; ++i) out[i] = static_cast<uint8_t>(a[i] ^ b[i]);
}

void WipeBytes(void* data, size_t size, uint8_t value) {
    volatile uint8_t* p = static_cast<volatile uint8_t*>(data);
    for (size_t i = 0; i < size; ++i) p[i] = value;
}

void TQC_hash::FeedText(const std::string& text) {
    Feed(text.data(), static_cast<int32_t>(text.size()));
}
