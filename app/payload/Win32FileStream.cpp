// File stream over a Win32 file handle, opened without sharing.
#include "app/payload/Win32FileStream.h"

#include <windows.h>

namespace {

DWORD DesiredAccess(TFileMode mode) {
    switch (mode) {
    case TFileMode::fmOpenRead: return GENERIC_READ;
    case TFileMode::fmOpenWrite: return GENERIC_WRITE;
    case TFileMode::fmOpenReadWrite:
    case TFileMode::fmCreate: return GENERIC_READ | GENERIC_WRITE;
    }
    return GENERIC_READ;
}

bool MoveTo(HANDLE handle, int64_t offset) {
    LARGE_INTEGER distance;
    distance.QuadPart = offset;
    return SetFilePointerEx(handle, distance, nullptr, FILE_BEGIN) != 0;
}

}  // namespace

TWin32FileStream::TWin32FileStream(const std::string& path, TFileMode mode)
    : handle_(CreateFileA(path.c_str(), DesiredAccess(mode), 0, nullptr,
                          mode == TFileMode::fmCreate ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                          nullptr)) {
    if (!IsOpen()) Failed();
}

TWin32FileStream::~TWin32FileStream() {
    if (IsOpen()) CloseHandle(handle_);
}

bool TWin32FileStream::IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

bool TWin32FileStream::Flush() { return IsOpen() && (FlushFileBuffers(handle_) != 0 || Failed()); }

bool TWin32FileStream::Failed() {
    error_ = GetLastError();
    return false;
}

int32_t TWin32FileStream::Read(void* buffer, int32_t count) {
    DWORD done = 0;
    if (!IsOpen() || count <= 0) return 0;
    if (!ReadFile(handle_, buffer, static_cast<DWORD>(count), &done, nullptr)) {
        readFailed_ = true;
        Failed();
    }
    return static_cast<int32_t>(done);
}

int32_t TWin32FileStream::Write(const void* buffer, int32_t count) {
    DWORD done = 0;  // a failed write still tells how much it stored
    if (!IsOpen() || count <= 0) return 0;
    if (!WriteFile(handle_, buffer, static_cast<DWORD>(count), &done, nullptr)) {
        Failed();
    } else if (done < static_cast<DWORD>(count)) {
        error_ = ERROR_DISK_FULL;  // a file takes all it is given unless its volume has no room left
    }
    return static_cast<int32_t>(done);
}

bool TWin32FileStream::Seek(int64_t offset) {
    if (!IsOpen() || offset < 0) return false;
    return MoveTo(handle_, offset) || Failed();
}

int64_t TWin32FileStream::Position() const {
    if (!IsOpen()) return -1;
    LARGE_INTEGER zero;
    zero.QuadPart = 0;
    LARGE_INTEGER now;
    return SetFilePointerEx(handle_, zero, &now, FILE_CURRENT) ? now.QuadPart : -1;
}

int64_t TWin32FileStream::Size() const {
    LARGE_INTEGER size;
    return IsOpen() && GetFileSizeEx(handle_, &size) ? size.QuadPart : -1;
}

bool TWin32FileStream::SetSize(int64_t size) {
    const int64_t position = Position();
    if (position < 0 || size < 0 || !MoveTo(handle_, size)) return false;
    const bool cut = SetEndOfFile(handle_) != 0 || Failed();
    return MoveTo(handle_, position) && cut;
}
