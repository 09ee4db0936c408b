// A settings key of the registry with DWORD values; closed when the object goes.
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/system/WinGuards.h"

class TRegistryKey {
public:
    // Opens the key at this path under HKEY_CURRENT_USER (where the system services place it), creating it
    // when missing. A key that cannot be opened reads as empty.
    explicit TRegistryKey(const std::string& path);

    bool IsOpen() const { return static_cast<bool>(key_); }
    // False when the value is missing, is not a REG_DWORD, or the key is not open.
    bool ReadDword(const std::string& name, DWORD& value) const;
    // Throws Exception "Failed to set data for '<name>'" when the value cannot be written.
    void WriteDword(const std::string& name, DWORD value);

private:
    TRegKey key_;
};
