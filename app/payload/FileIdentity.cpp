// Whether a file about to be written is one of the files it is made from, by name or by identity.
#include "app/payload/FileIdentity.h"

#include <windows.h>

#include "app/payload/FileSystem.h"
#include "toolkit/system/WinGuards.h"

namespace {

uint64_t Join(DWORD high, DWORD low) { return (static_cast<uint64_t>(high) << 32) | low; }

TAlias Found(TAliasResult result, size_t input, const std::string& path) { return TAlias{result, input, path}; }

}  // namespace

TIdentityRead ReadFileIdentity(const std::string& path, TFileIdentity& identity) {
    const TKernelHandle file = OpenToAsk(path);
    if (file.Get() == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return missing ? TIdentityRead::irMissing : TIdentityRead::irUnreadable;
    }
    if (GetFileType(file.Get()) != FILE_TYPE_DISK) return TIdentityRead::irNotAFile;
    BY_HANDLE_FILE_INFORMATION information;
    if (!GetFileInformationByHandle(file.Get(), &information)) return TIdentityRead::irUnreadable;
    identity.volumeSerial = information.dwVolumeSerialNumber;
    identity.fileIndex = Join(information.nFileIndexHigh, information.nFileIndexLow);
    identity.size = Join(information.nFileSizeHigh, information.nFileSizeLow);
    identity.created = Join(information.ftCreationTime.dwHighDateTime, information.ftCreationTime.dwLowDateTime);
    identity.written = Join(information.ftLastWriteTime.dwHighDateTime, information.ftLastWriteTime.dwLowDateTime);
    return TIdentityRead::irFound;
}

TAlias FindAlias(const std::string& target, const std::vector<std::string>& inputs) {
    for (size_t i = 0; i < inputs.size(); ++i)
        if (SameFile(target, inputs[i])) return Found(TAliasResult::arSame, i, inputs[i]);

    TFileIdentity written;
    switch (ReadFileIdentity(target, written)) {
    case TIdentityRead::irFound: break;
    case TIdentityRead::irMissing:
    case TIdentityRead::irNotAFile: return TAlias{};
    case TIdentityRead::irUnreadable: return Found(TAliasResult::arUnknown, inputs.size(), target);
    }
    for (size_t i = 0; i < inputs.size(); ++i) {
        TFileIdentity read;
        switch (ReadFileIdentity(inputs[i], read)) {
        case TIdentityRead::irFound:
            if (read.IsSameFile(written)) return Found(TAliasResult::arSame, i, inputs[i]);
            break;
        case TIdentityRead::irMissing: break;
        case TIdentityRead::irNotAFile:
        case TIdentityRead::irUnreadable: return Found(TAliasResult::arUnknown, i, inputs[i]);
        }
    }
    return TAlias{};
}
