// Extracting the package that a carrier holds into a file of its own.
#include "app/CarrierPackage.h"

#include <windows.h>

#include "app/payload/FileSystem.h"
#include "app/payload/PieceCopy.h"
#include "app/payload/Win32FileStream.h"

std::string StubPath() { return ProgramFolder() + "QVL.dat"; }

TExtractResult ExtractCarrierPackage(TByteStream& carrier, int64_t start, const std::string& path,
                                     const std::function<void()>& pump, uint32_t* writeError,
                                     const std::function<bool()>& stop) {
    const int64_t length = carrier.Size() - start;
    if (length < 0 || !carrier.Seek(start)) return TExtractResult::erReadShort;
    TPayloadResult copied = TPayloadResult::prOk;
    {
        TWin32FileStream package(path, TFileMode::fmCreate);
        if (writeError != nullptr) *writeError = package.LastError();
        if (!package.IsOpen()) return TExtractResult::erNotCreated;
        TPieceHooks hooks{stop, [&](int64_t, int64_t) { pump(); }};
        copied = CopyBytes(carrier, package, length, kCarrierBlockSize, hooks);
        if (writeError != nullptr) *writeError = package.LastError();
    }
    if (copied == TPayloadResult::prOk) return TExtractResult::erDone;
    DeleteFileA(path.c_str());  // a package that ends early must never be started
    if (copied == TPayloadResult::prStopped) return TExtractResult::erStopped;
    return copied == TPayloadResult::prWriteFailed ? TExtractResult::erWriteShort : TExtractResult::erReadShort;
}
