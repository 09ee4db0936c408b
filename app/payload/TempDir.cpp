// The user's temp folder (Windows).
#include "app/payload/TempDir.h"

#include <windows.h>

std::string GetTempDir() {
    char buffer[256] = {};
    const DWORD length = GetTempPathA(255, buffer);
    if (length == 0 || length > 255) return std::string();
    std::string folder(buffer);
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    return folder;
}
