// Byte-stream interface with 64-bit positions that the payload code reads and writes through.
#pragma once

#include <cstdint>

// How a file stream opens its file; every mode opens without sharing.
enum class TFileMode {
    fmOpenRead,       // existing file, reading
    fmOpenWrite,      // existing file, writing
    fmOpenReadWrite,  // existing file, reading and writing
    fmCreate          // new or emptied file, reading and writing
};

class TByteStream {
public:
    TByteStream() = default;
    virtual ~TByteStream() = default;
    TByteStream(const TByteStream&) = delete;
    TByteStream& operator=(const TByteStream&) = delete;

    // Reads up to count bytes at the position; returns how many were read (0 at the end or on error).
    virtual int32_t Read(void* buffer, int32_t count) = 0;
    // Writes count bytes at the position; returns how many were stored (fewer on error).
    virtual int32_t Write(const void* buffer, int32_t count) = 0;
    // Moves the position to an absolute offset; false when the offset is negative or refused.
    virtual bool Seek(int64_t offset) = 0;
    virtual int64_t Position() const = 0;
    virtual int64_t Size() const = 0;
    // Cuts or extends the stream to size bytes; the position is left where it was.
    virtual bool SetSize(int64_t size) = 0;
    // True once a Read failed for another reason than the end of the stream.
    virtual bool ReadFailed() const { return false; }
    // The system's error code of the last call that failed; 0 when none did or the stream has no such codes.
    virtual uint32_t LastError() const { return 0; }
};
