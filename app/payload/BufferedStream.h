// Stream wrapper that turns many small reads and writes into few large ones on the stream below.
#pragma once

#include <cstdint>
#include <vector>

#include "app/payload/ByteStream.h"

// Reads ahead and gathers writes in one buffer; the bytes and their order on the stream below are those
// the caller wrote. Writes reach the stream below when the buffer fills, on Flush, on a Seek or SetSize,
// and when the wrapper goes: call Flush before trusting that everything was stored. After a failed
// transfer below, every later Write stores nothing and Flush answers false. The buffer is wiped when the
// wrapper goes (it held file contents).
class TBufferedStream : public TByteStream {
public:
    static constexpr int32_t kDefaultCapacity = 256 * 1024;

    explicit TBufferedStream(TByteStream& inner, int32_t capacity = kDefaultCapacity);
    ~TBufferedStream() override;

    // Passes the gathered writes on; false when the stream below stored fewer bytes, now or before.
    bool Flush();

    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    bool Seek(int64_t offset) override;
    int64_t Position() const override;
    int64_t Size() const override;
    bool SetSize(int64_t size) override;
    bool ReadFailed() const override;
    // The stream below's: a failed transfer happened there.
    uint32_t LastError() const override;

private:
    // Leaves the read-ahead, putting the stream below back at the caller's position.
    bool DropReadAhead();
    uint8_t* Buffer();

    TByteStream& inner_;
    int32_t capacity_;
    std::vector<uint8_t> buffer_;  // allocated at the first use
    int32_t readStart_ = 0;        // read-ahead: buffer_[readStart_, readEnd_) not yet handed out
    int32_t readEnd_ = 0;
    int32_t pending_ = 0;          // gathered writes: buffer_[0, pending_)
    int32_t used_ = 0;             // most of the buffer ever filled, to wipe
    bool failed_ = false;
};
