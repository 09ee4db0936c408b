// Erasing a file: overwrite it, put the overwrite on the disk, restore its length, delete it (Windows).
#include "app/payload/EraseFile.h"

#include <windows.h>

#include "app/payload/FileSystem.h"
#include "app/payload/Wipe.h"
#include "app/payload/Win32FileStream.h"
#include "app/payload/WriteFailure.h"

void EraseFile(const std::string& path, TEraseHost& host) { EraseFileWith(path, host, nullptr); }

std::string LinkRefusalText(const std::string& path) {
    return "The file is a link to another file; erasing it would wipe that file. It was not erased.\r" + path;
}

std::string NamesRefusalText(const std::string& path) {
    return "The file has other names (hard links) that share its contents; erasing it would wipe them too. "
           "It was not erased.\r" + path;
}

std::string NotDeletedText(const std::string& path, uint32_t error) {
    return "The file was overwritten but could not be deleted: " + SystemErrorText(error) + "\r" + path;
}

void EraseFileWith(const std::string& path, TEraseHost& host, const TWipeStreamWrap& wrap, const TWipeFlush& flush) {
    if (!IsFile(path)) return;
    // Another name's data must not be wiped through this one.
    if (IsLink(path)) return host.ReportWriteFailure(path, LinkRefusalText(path));
    if (NameCount(path) > 1) return host.ReportWriteFailure(path, NamesRefusalText(path));
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
    // Some systems report a delete that the folder refused as done: the file still being there tells.
    const bool deleted = DeleteFileA(path.c_str()) != 0;
    const uint32_t deleteError = deleted ? ERROR_ACCESS_DENIED : GetLastError();
    if (!deleted || IsFile(path)) host.ReportWriteFailure(path, NotDeletedText(path, deleteError));
}
