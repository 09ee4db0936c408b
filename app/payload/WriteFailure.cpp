// Texts for a file that could not be opened or written: access denied, or the system's reason for a full disk.
#include "app/payload/WriteFailure.h"

#include <windows.h>

std::string AccessDeniedText(const std::string& path) { return "File access denied.\r" + path; }

bool IsDiskFull(uint32_t error) { return error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL; }

std::string SystemErrorText(uint32_t error) {
    char text[512] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                                        0, text, sizeof text, nullptr);
    std::string reason(text, length < sizeof text ? length : 0);
    while (!reason.empty() && (reason.back() == '\r' || reason.back() == '\n' || reason.back() == ' '))
        reason.pop_back();
    return reason;
}

std::string WriteFailureText(const std::string& path, uint32_t error) {
    const std::string reason = IsDiskFull(error) ? SystemErrorText(error) : std::string();
    return reason.empty() ? AccessDeniedText(path) : reason + "\r" + path;
}
