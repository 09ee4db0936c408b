// File stream over a Win32 file handle, opened without sharing.
#pragma once

#include <string>

#include "app/payload/ByteStream.h"

class TWin32FileStream : public TByteStream {
public:
    TWin32FileStream(const std::string& path, TFileMode mode);
    ~TWin32FileStream() override;

    bool IsOpen() const;
    // Writes the file's cached contents to the disk (FlushFileBuffers); false when the system could not.
    bool Flush();

    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    bool Seek(int64_t offset) override;
    int64_t Position() const override;
    int64_t Size() const override;
    bool SetSize(int64_t size) override;
    bool ReadFailed() const override { return readFailed_; }
    uint32_t LastError() const override { return error_; }

private:
    // Keeps the system's error code of a failed call for LastError; returns false.
    bool Failed();

    void* handle_;  // a HANDLE; INVALID_HANDLE_VALUE when the open failed
    uint32_t error_ = 0;
    bool readFailed_ = false;
};
