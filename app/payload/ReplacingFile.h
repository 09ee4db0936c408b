// A file written beside its destination under a unique name, renamed over the destination only when whole
// (Windows).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/payload/PayloadFormat.h"
#include "app/payload/Win32FileStream.h"

// Creates a new empty file in the folder (which ends in "\") under a name no other file has, "~qv" + hex +
// ".tmp"; empty, with the system's reason in error, when none can be made. A folder too long to hold such a
// name is refused with ERROR_FILENAME_EXCED_RANGE before anything is written.
std::string CreateUniqueFile(const std::string& folder, uint32_t& error);

// Until Commit succeeds the destination stays as it was; a run that fails, stops or throws leaves no
// trace of the new file, which the destructor removes.
class TReplacingFile {
public:
    explicit TReplacingFile(const std::string& destination);
    ~TReplacingFile();
    TReplacingFile(const TReplacingFile&) = delete;
    TReplacingFile& operator=(const TReplacingFile&) = delete;

    // False when the new file could not be made or the destination is a read-only file (LastError tells why).
    bool IsOpen() const;
    // The new file's stream, open for writing; only while IsOpen and not committed.
    TWin32FileStream& Stream();
    const std::string& NewPath() const { return newPath_; }

    // Flushes the new file to the disk, closes it and renames it over the destination in one step (an
    // existing destination is replaced, a read-only one refused). False when a step fails: the destination
    // is then as it was and the new file is removed.
    bool Commit();
    // Removes the new file now; the destination is untouched. Nothing to do after a commit.
    void Discard();
    // The system's error code of the step that failed.
    uint32_t LastError() const { return error_; }

private:
    std::string destination_;
    std::string newPath_;
    std::unique_ptr<TWin32FileStream> stream_;
    uint32_t error_ = 0;
};

// Fills a new file beside destination through write (which sets error to the system's reason when it fails)
// and puts it in destination's place only when write ends in prOk. A new file that cannot be made or renamed
// is prWriteFailed, its reason in error; destination stays as it was on every failure.
TPayloadResult WriteReplacing(const std::string& destination,
                              const std::function<TPayloadResult(TByteStream& file, uint32_t& error)>& write,
                              uint32_t& error);
