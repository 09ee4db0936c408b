// The user's temp folder (Windows).
#include "app/payload/TempDir.h"

#include <windows.h>

std::string GetTempDir() {
    // The longest answer is MAX_PATH characters with its backslash; a longer one reports the size it needs.
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof buffer, buffer);
    if (length == 0 || length >= sizeof buffer) return std::string();
    std::string folder(buffer, length);
    if (folder.back() != '\\') folder += '\\';
    // A name outside the code page comes back with its letters replaced and names another folder, or none.
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return std::string();
    return folder;
}
