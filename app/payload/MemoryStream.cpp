// Byte stream held in memory.
#include "app/payload/MemoryStream.h"

#include <algorithm>
#include <cstring>

int32_t TMemoryStream::Read(void* buffer, int32_t count) {
    if (count <= 0 || position_ >= Size()) return 0;
    const int64_t available = Size() - position_;
    const int32_t n = static_cast<int32_t>(std::min<int64_t>(count, available));
    std::memcpy(buffer, bytes_.data() + position_, static_cast<size_t>(n));
    position_ += n;
    return n;
}

int32_t TMemoryStream::Write(const void* buffer, int32_t count) {
    if (count <= 0) return 0;
    const size_t end = static_cast<size_t>(position_) + static_cast<size_t>(count);
    if (end > bytes_.size()) bytes_.resize(end, 0);
    std::memcpy(bytes_.data() + position_, buffer, static_cast<size_t>(count));
    position_ += count;
    return count;
}

bool TMemoryStream::Seek(int64_t offset) {
    if (offset < 0) return false;
    position_ = offset;
    return true;
}

bool TMemoryStream::SetSize(int64_t size) {
    if (size < 0) return false;
    bytes_.resize(static_cast<size_t>(size), 0);
    return true;
}
