// Overwriting a file's contents before it is deleted.
#pragma once

#include <functional>

#include "app/payload/ByteStream.h"

constexpr int kWipeBlockSize = 400;  // each byte the character "0"

// Writes 400-byte blocks of "0" from the start over the old length (the last one cut to it, never past it),
// then lets `settle` put them on the disk (when given), then restores the length. False when a write stores
// fewer bytes than asked, settle answers false or the length cannot be restored.
bool WipeContents(TByteStream& file, const std::function<bool()>& settle = nullptr);
