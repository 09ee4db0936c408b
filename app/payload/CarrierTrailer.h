// The carrier trailer: the carrier's length before hiding, as 10 plain decimal digits at its end.
#pragma once

#include <cstdint>

#include "app/payload/ByteStream.h"
#include "app/payload/PayloadFormat.h"

constexpr int32_t kTrailerSize = 10;

// True when a carrier of this length can be hidden into: its trailer reads back in 10 digits.
bool CarrierLengthFits(int64_t carrierLength);

// Writes PadDecimal10(carrierLength) at the stream's position. False when the length does not fit
// (nothing is written) or the write stores fewer bytes.
bool WriteCarrierTrailer(TByteStream& carrier, int64_t carrierLength);

// Reads the last 10 bytes as the carrier's length before hiding, where its package begins. False
// (an invalid carrier) when the stream is shorter than 10 bytes, the bytes are not all decimal
// digits, or the length is beyond the start of the trailer. Moves the position.
bool ReadCarrierTrailer(TByteStream& carrier, int64_t& carrierLength);

// The least a package holds: the "MZ" that begins its stub (whose size a carrier does not record, and which
// may come from another build), the password check block and the header length field.
constexpr int64_t kLeastPackageSize = 2 + kHeaderStart;

// Reads the trailer and checks that a package begins at the length it gives: "MZ" there and at least
// kLeastPackageSize bytes before the trailer. False when the stream is no carrier. Moves the position.
bool FindCarrierPackage(TByteStream& carrier, int64_t& packageStart);
