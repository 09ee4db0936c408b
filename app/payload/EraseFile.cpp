// Erasing a file: overwrite it, restore its length, delete it (Windows).
#include "app/payload/EraseFile.h"

#include <windows.h>

#include "app/payload/FileSystem.h"
#include "app/payload/Wipe.h"
#include "app/payload/Win32FileStream.h"

void EraseFile(const std::string& path, TEraseHost& host) {
    EraseFileWith(path, host, [](TByteStream& file) { return WipeContents(file); });
}

void EraseFileWith(const std::string& path, TEraseHost& host, const std::function<bool(TByteStream&)>& wipe) {
    if (!IsFile(path)) return;
    bool wiped = false;
    // Windows refuses to open a read-only file for writing; say so before trying, on every host.
    if ((GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY) == 0) {
        TWin32FileStream file(path, TFileMode::fmOpenWrite);
        wiped = file.IsOpen() && wipe(file);
    }
    if (!wiped) {
        host.ReportAccessDenied(path);
        return;
    }
    host.ProcessMessages();
    DeleteFileA(path.c_str());  // a file that stays is already overwritten
}
