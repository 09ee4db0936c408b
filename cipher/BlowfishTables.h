// Blowfish initial P-array and S-boxes, before any key is mixed in.
#pragma once

#include <cstdint>

extern const uint32_t kBlowfishInitP[18];
extern const uint32_t kBlowfishInitS[4][256];
