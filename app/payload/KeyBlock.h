// Key block derived from the password, and keying of the payload cipher.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "cipher/CryptBase.h"

using TKeyBlock = std::array<uint8_t, 32>;

// SHA-1 of the password's 8-bit characters in bytes 0-19, 0xFF in bytes 20-31. The hash component
// is owned by owner (may be null) while it works and freed before returning.
TKeyBlock DeriveKeyBlock(const std::string& password, TComponent* owner);

// Keys cipher with the key block (256 bits, or MaxKeySize when smaller; derived initial vector) and
// returns the password check block. The chain is left at the initial vector.
TKeyBlock KeyPayloadCipher(TQC_blockcipher& cipher, const TKeyBlock& keyBlock);
