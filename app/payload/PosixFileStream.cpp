// File stream over a POSIX file descriptor (host builds).
#include "app/payload/PosixFileStream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

int OpenFlags(TFileMode mode) {
    switch (mode) {
    case TFileMode::fmOpenRead: return O_RDONLY;
    case TFileMode::fmOpenWrite: return O_WRONLY;
    case TFileMode::fmOpenReadWrite: return O_RDWR;
    case TFileMode::fmCreate: return O_RDWR | O_CREAT | O_TRUNC;
    }
    return O_RDONLY;
}

}  // namespace

TPosixFileStream::TPosixFileStream(const std::string& path, TFileMode mode)
    : fd_(::open(path.c_str(), OpenFlags(mode) | O_CLOEXEC, 0644)) {}

TPosixFileStream::~TPosixFileStream() {
    if (fd_ >= 0) ::close(fd_);
}

int32_t TPosixFileStream::Read(void* buffer, int32_t count) {
    int32_t done = 0;
    while (fd_ >= 0 && done < count) {
        const ssize_t n = ::read(fd_, static_cast<char*>(buffer) + done, static_cast<size_t>(count - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<int32_t>(n);
    }
    return done;
}

int32_t TPosixFileStream::Write(const void* buffer, int32_t count) {
    int32_t done = 0;
    while (fd_ >= 0 && done < count) {
        const ssize_t n = ::write(fd_, static_cast<const char*>(buffer) + done, static_cast<size_t>(count - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<int32_t>(n);
    }
    return done;
}

bool TPosixFileStream::Seek(int64_t offset) {
    return fd_ >= 0 && offset >= 0 && ::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) == offset;
}

int64_t TPosixFileStream::Position() const {
    return fd_ >= 0 ? static_cast<int64_t>(::lseek(fd_, 0, SEEK_CUR)) : -1;
}

int64_t TPosixFileStream::Size() const {
    struct stat info {};
    return fd_ >= 0 && ::fstat(fd_, &info) == 0 ? static_cast<int64_t>(info.st_size) : -1;
}

bool TPosixFileStream::SetSize(int64_t size) {
    return fd_ >= 0 && size >= 0 && ::ftruncate(fd_, static_cast<off_t>(size)) == 0;
}
