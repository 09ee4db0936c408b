// Erasing a file: overwrite it, put the overwrite on the disk, restore its length, delete it (Windows).
#include "app/payload/EraseFile.h"

#include <windows.h>

#include "app/payload/FileSystem.h"
#include "app/payload/Wipe.h"
#include "app/payload/Win32FileStream.h"
#include "app/payload/WriteFailure.h"

void EraseFile(const std::string& path, TEraseHost& host) { EraseFileWith(path, host, nullptr); }

void EraseFileWith(const std::string& path, TEraseHost& host, const TWipeStreamWrap& wrap, const TWipeFlush& flush) {
    if (!IsFile(path)) return;
    bool wiped = false;
    uint32_t error = 0;
    // Windows refuses to open a read-only file for writing; say so before trying, on every host.
    if (!IsReadOnly(path)) {
        TWin32FileStream file(path, TFileMode::fmOpenWrite);
        if (file.IsOpen()) {
            const std::unique_ptr<TByteStream> wrapped = wrap ? wrap(file) : nullptr;
            TByteStream& through = wrapped ? *wrapped : file;
            // A deleted file's cached writes are dropped, never written: the zeros must reach the disk first.
            wiped = WipeContents(through, [&] { return flush ? flush() : file.Flush(); });
            error = through.LastError() != 0 ? through.LastError() : file.LastError();
        }
    }
    if (!wiped) {
        if (IsDiskFull(error)) {
            host.ReportWriteFailure(path, WriteFailureText(path, error));
        } else {
            host.ReportAccessDenied(path);
        }
        return;
    }
    host.ProcessMessages();
    DeleteFileA(path.c_str());  // a file that stays is already overwritten
}
