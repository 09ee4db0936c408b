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

// Where a Windows program's header names the offset of its "PE" signature.
constexpr int32_t kProgramHeaderField = 0x3C;

// Reads the trailer and checks that a whole package begins at the length it gives: a stub of stubSize bytes
// that is a Windows program ("MZ", and "PE" where its header says, inside the stub), then at least the
// payload's head, before the trailer. A stubSize of 0 (not known) asks only that the stub hold its signature.
// False when the stream is no carrier. Moves the position.
bool FindCarrierPackage(TByteStream& carrier, int64_t stubSize, int64_t& packageStart);
