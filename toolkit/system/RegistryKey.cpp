// A settings key of the registry with DWORD values; closed when the object goes.
#include "toolkit/system/RegistryKey.h"

#include "toolkit/core/Exception.h"
#include "toolkit/system/SystemServices.h"

TRegistryKey::TRegistryKey(const std::string& path) {
    TRegistryLocation location = SystemServices().SettingsKey(path);
    HKEY key = nullptr;
    if (RegCreateKeyExA(location.Root, location.Path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, &key, nullptr) == ERROR_SUCCESS)
        key_.Reset(key);
}

bool TRegistryKey::ReadDword(const std::string& name, DWORD& value) const {
    if (!key_) return false;
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = sizeof data;
    if (RegQueryValueExA(key_.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof data)
        return false;
    value = data;
    return true;
}

void TRegistryKey::WriteDword(const std::string& name, DWORD value) {
    if (!key_ || RegSetValueExA(key_.Get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                sizeof value) != ERROR_SUCCESS)
        throw Exception("Failed to set data for '" + name + "'");
}
