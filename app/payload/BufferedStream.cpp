// Stream wrapper that turns many small reads and writes into few large ones on the stream below.
#include "app/payload/BufferedStream.h"

#include <algorithm>
#include <cstring>

#include "cipher/CryptBase.h"

TBufferedStream::TBufferedStream(TByteStream& inner, int32_t capacity)
    : inner_(inner), capacity_(std::max<int32_t>(capacity, 1)) {}

TBufferedStream::~TBufferedStream() {
    Flush();
    if (!buffer_.empty()) WipeBytes(buffer_.data(), static_cast<size_t>(used_), 0);
}

uint8_t* TBufferedStream::Buffer() {
    if (buffer_.empty()) buffer_.resize(static_cast<size_t>(capacity_));
    return buffer_.data();
}

bool TBufferedStream::Flush() {
    if (pending_ > 0) {
        if (!failed_ && inner_.Write(buffer_.data(), pending_) != pending_) failed_ = true;
        pending_ = 0;
    }
    return !failed_;
}

bool TBufferedStream::DropReadAhead() {
    const int32_t unread = readEnd_ - readStart_;
    readStart_ = readEnd_ = 0;
    return unread == 0 || inner_.Seek(inner_.Position() - unread);
}

int32_t TBufferedStream::Read(void* buffer, int32_t count) {
    if (count <= 0 || !Flush()) return 0;
    auto* out = static_cast<uint8_t*>(buffer);
    int32_t done = 0;
    while (done < count) {
        if (readStart_ == readEnd_) {
            if (count - done >= capacity_) {
                readStart_ = readEnd_ = 0;
                return done + std::max<int32_t>(0, inner_.Read(out + done, count - done));
            }
            readStart_ = 0;
            readEnd_ = std::max<int32_t>(0, inner_.Read(Buffer(), capacity_));
            used_ = std::max(used_, readEnd_);
            if (readEnd_ == 0) break;
        }
        const int32_t n = std::min(count - done, readEnd_ - readStart_);
        std::memcpy(out + done, buffer_.data() + readStart_, static_cast<size_t>(n));
        readStart_ += n;
        done += n;
    }
    return done;
}

int32_t TBufferedStream::Write(const void* buffer, int32_t count) {
    if (count <= 0 || failed_ || !DropReadAhead()) return 0;
    if (pending_ + count > capacity_ && !Flush()) return 0;
    if (count >= capacity_) {
        if (inner_.Write(buffer, count) == count) return count;
        failed_ = true;
        return 0;
    }
    std::memcpy(Buffer() + pending_, buffer, static_cast<size_t>(count));
    pending_ += count;
    used_ = std::max(used_, pending_);
    return count;
}

bool TBufferedStream::Seek(int64_t offset) {
    if (offset < 0 || !Flush()) return false;
    // A position inside the read-ahead keeps it.
    const int64_t below = inner_.Position();
    const int64_t windowStart = below - readEnd_;
    if (readEnd_ > 0 && offset >= windowStart && offset <= below) {
        readStart_ = static_cast<int32_t>(offset - windowStart);
        return true;
    }
    readStart_ = readEnd_ = 0;
    return inner_.Seek(offset);
}

int64_t TBufferedStream::Position() const {
    const int64_t below = inner_.Position();
    return below < 0 ? below : below + pending_ - (readEnd_ - readStart_);
}

int64_t TBufferedStream::Size() const {
    const int64_t below = inner_.Size();
    return below < 0 || pending_ == 0 ? below : std::max(below, inner_.Position() + pending_);
}

// Answers for the cut alone: a failed write before it stays reported by Flush.
bool TBufferedStream::SetSize(int64_t size) {
    Flush();
    const bool positioned = DropReadAhead();
    return inner_.SetSize(size) && positioned;
}

bool TBufferedStream::ReadFailed() const { return inner_.ReadFailed(); }

uint32_t TBufferedStream::LastError() const { return inner_.LastError(); }
