// A file written beside its destination under a unique name, renamed over the destination only when whole
// (Windows).
#include "app/payload/ReplacingFile.h"

#include <windows.h>

#include "app/payload/FileSystem.h"
#include "app/payload/PathText.h"

std::string CreateUniqueFile(const std::string& folder, uint32_t& error) {
    // GetTempFileNameA adds up to 14 characters ("~qv" + four hex digits + ".tmp" and a terminator) to the
    // folder and writes past a MAX_PATH buffer rather than refuse a longer one.
    if (folder.empty() || folder.size() > MAX_PATH - 14) {
        error = ERROR_FILENAME_EXCED_RANGE;
        return std::string();
    }
    char path[MAX_PATH + 16] = {};
    if (GetTempFileNameA(folder.c_str(), "~qv", 0, path) == 0) {
        error = GetLastError();
        return std::string();
    }
    error = 0;
    return path;
}

TReplacingFile::TReplacingFile(const std::string& destination) : destination_(destination) {
    // Windows refuses to rename over a read-only file; Wine replaces it. Refused here on both.
    if (IsReadOnly(destination)) {
        error_ = ERROR_ACCESS_DENIED;
        return;
    }
    newPath_ = CreateUniqueFile(JoinPath(ParentFolder(destination), ""), error_);
    if (newPath_.empty()) return;
    stream_ = std::make_unique<TWin32FileStream>(newPath_, TFileMode::fmCreate);
    if (!stream_->IsOpen()) {
        error_ = stream_->LastError();
        Discard();
    }
}

TReplacingFile::~TReplacingFile() { Discard(); }

bool TReplacingFile::IsOpen() const { return stream_ && stream_->IsOpen(); }

TWin32FileStream& TReplacingFile::Stream() { return *stream_; }

bool TReplacingFile::Commit() {
    if (!IsOpen()) return false;
    if (!stream_->Flush()) {
        error_ = stream_->LastError();
        Discard();
        return false;
    }
    stream_.reset();
    if (IsReadOnly(destination_)) {
        error_ = ERROR_ACCESS_DENIED;
        Discard();
        return false;
    }
    if (!MoveFileExA(newPath_.c_str(), destination_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error_ = GetLastError();
        Discard();
        return false;
    }
    newPath_.clear();
    return true;
}

void TReplacingFile::Discard() {
    stream_.reset();
    if (!newPath_.empty()) DeleteFileA(newPath_.c_str());
    newPath_.clear();
}

TPayloadResult WriteReplacing(const std::string& destination,
                              const std::function<TPayloadResult(TByteStream& file, uint32_t& error)>& write,
                              uint32_t& error) {
    TReplacingFile output(destination);
    error = 0;
    if (!output.IsOpen()) {
        error = output.LastError();
        return TPayloadResult::prWriteFailed;
    }
    TPayloadResult result = write(output.Stream(), error);
    if (result == TPayloadResult::prOk && !output.Commit()) {
        result = TPayloadResult::prWriteFailed;
        error = output.LastError();
    }
    return result;
}
