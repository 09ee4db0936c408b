// Erasing a file: overwrite it, put the overwrite on the disk, restore its length, delete it (Windows).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/payload/ByteStream.h"

// What erasing needs from the program around it.
class TEraseHost {
public:
    TEraseHost() = default;
    virtual ~TEraseHost() = default;
    TEraseHost(const TEraseHost&) = delete;
    TEraseHost& operator=(const TEraseHost&) = delete;

    // Lets pending window messages run (once per file, between closing and deleting it).
    virtual void ProcessMessages() = 0;
    // The file could not be opened exclusively or not be overwritten; it was not deleted.
    virtual void ReportAccessDenied(const std::string& path) = 0;
    // Erasing stopped or refused for a reason the text names (a full disk, a link, a failed delete), with the
    // path. Reported as access denied unless overridden.
    virtual void ReportWriteFailure(const std::string& path, const std::string& text) {
        static_cast<void>(text);
        ReportAccessDenied(path);
    }
};

// Texts of the refusals and of a delete that failed after the overwrite (system's reason).
std::string LinkRefusalText(const std::string& path);
std::string NamesRefusalText(const std::string& path);
std::string NotDeletedText(const std::string& path, uint32_t error);

// Does nothing for a missing path or a folder. Refuses (ReportWriteFailure, nothing written) a link and a file
// with other names (hard links). Otherwise opens the file for writing without
// sharing, overwrites it and flushes the overwrite to the disk (WipeContents), closes it, lets messages
// run and deletes it; a delete that fails is reported with the system's reason. A failed flush is a failed
// erase: reported, and the file is not deleted. Never raises.
void EraseFile(const std::string& path, TEraseHost& host);

// Puts a stream of the caller's between the wipe and the opened file (tests make it fail).
using TWipeStreamWrap = std::function<std::unique_ptr<TByteStream>(TByteStream& file)>;

// Stands in for the flush of the overwritten file to the disk (tests make it fail or watch it).
using TWipeFlush = std::function<bool()>;

// EraseFile with the overwrite going through the stream that wrap puts around the file, and flush (when
// given) in place of the file's own flush.
void EraseFileWith(const std::string& path, TEraseHost& host, const TWipeStreamWrap& wrap,
                   const TWipeFlush& flush = nullptr);
