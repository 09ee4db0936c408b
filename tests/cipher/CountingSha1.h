// A SHA-1 component whose bit count the tests can set and read.
#pragma once

#include "cipher/SHA1.h"

class CountingSha1 : public TQC_sha1 {
public:
    CountingSha1() : TQC_sha1(nullptr) {}
    void SetBitCount(uint32_t high, uint32_t low) {
        bitCountHigh_ = high;
        bitCountLow_ = low;
    }
    uint32_t High() const { return bitCountHigh_; }
    uint32_t Low() const { return bitCountLow_; }
};
