// Overwriting a file's contents before it is deleted.
#include "app/payload/Wipe.h"

#include <cstdint>
#include <cstring>

bool WipeContents(TByteStream& file, const std::function<bool()>& settle) {
    const int64_t size = file.Size();
    if (size < 0 || !file.Seek(0)) return false;
    char block[kWipeBlockSize];
    std::memset(block, '0', sizeof block);
    int64_t written = 0;
    do {
        if (file.Write(block, kWipeBlockSize) != kWipeBlockSize) return false;
        written += kWipeBlockSize;
    } while (written <= size);
    if (settle && !settle()) return false;
    return file.SetSize(size);
}
