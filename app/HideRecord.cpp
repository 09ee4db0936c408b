// The record of a hide under way: the carrier's own length, kept beside it until the package is whole.
#include "app/HideRecord.h"

#include <windows.h>

#include "app/payload/DecimalText.h"
#include "toolkit/system/WinGuards.h"

namespace {

constexpr DWORD kRecordSize = 10;

}  // namespace

std::string HideRecordPath(const std::string& carrier) { return carrier + ".qvlhide"; }

bool WriteHideRecord(const std::string& carrier, int64_t length) {
    const std::string path = HideRecordPath(carrier);
    const std::string digits = PadDecimal10(length);
    bool written = false;
    {
        TKernelHandle file(
            CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return false;
        DWORD done = 0;
        written = WriteFile(file.Get(), digits.data(), kRecordSize, &done, nullptr) && done == kRecordSize &&
                  FlushFileBuffers(file.Get());
    }
    if (!written) DeleteFileA(path.c_str());
    return written;
}

bool ReadHideRecord(const std::string& carrier, int64_t& length) {
    TKernelHandle file(CreateFileA(HideRecordPath(carrier).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    char digits[kRecordSize + 1] = {};
    DWORD done = 0;
    return ReadFile(file.Get(), digits, sizeof digits, &done, nullptr) && done == kRecordSize &&
           TryParseDigits(std::string(digits, kRecordSize), length);
}

void DropHideRecord(const std::string& carrier) { DeleteFileA(HideRecordPath(carrier).c_str()); }
