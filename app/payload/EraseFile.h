// Erasing a file: overwrite it, restore its length, delete it (Windows).
#pragma once

#include <functional>
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
};

// Does nothing for a missing path or a folder. Otherwise opens the file for writing without
// sharing, overwrites it (WipeContents), closes it, lets messages run and deletes it. Never raises.
void EraseFile(const std::string& path, TEraseHost& host);

// EraseFile with the overwrite step given: tests put a failing stream between it and the file.
void EraseFileWith(const std::string& path, TEraseHost& host, const std::function<bool(TByteStream&)>& wipe);
