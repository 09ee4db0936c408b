// File stream over a POSIX file descriptor (host builds).
#pragma once

#include <string>

#include "app/payload/ByteStream.h"

class TPosixFileStream : public TByteStream {
public:
    TPosixFileStream(const std::string& path, TFileMode mode);
    ~TPosixFileStream() override;

    bool IsOpen() const { return fd_ >= 0; }

    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    bool Seek(int64_t offset) override;
    int64_t Position() const override;
    int64_t Size() const override;
    bool SetSize(int64_t size) override;

private:
    int fd_ = -1;
};
