// Overwriting a file's contents before it is deleted.
#include "app/payload/Wipe.h"

#include <cstdint>
#include <algorithm>
#include <cstring>

bool WipeContents(TByteStream& file, const std::function<bool()>& settle) {
    const int64_t size = file.Size();
    if (size < 0 || !file.Seek(0)) return false;
    char block[kWipeBlockSize];
    std::memset(block, '0', sizeof block);
    // In place: the last block is cut to the file's end, so a full volume cannot refuse the overwrite.
    for (int64_t written = 0; written < size; written += kWipeBlockSize) {
        const int32_t piece = static_cast<int32_t>(std::min<int64_t>(kWipeBlockSize, size - written));
        if (file.Write(block, piece) != piece) return false;
    }
    if (settle && !settle()) return false;
    return file.SetSize(size);
}
