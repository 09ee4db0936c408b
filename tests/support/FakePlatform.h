// A platform that answers as told: an NT version (or a version call that fails) and whether themes are in use.
#pragma once

#include <windows.h>

#include "toolkit/system/PlatformInfo.h"

struct TFakePlatform : TPlatformInfo {
    DWORD major = 6;
    DWORD minor = 0;
    bool themes = true;
    bool versionWorks = true;

    TFakePlatform() = default;
    TFakePlatform(DWORD majorVersion, DWORD minorVersion) : major(majorVersion), minor(minorVersion) {}

    bool Version(OSVERSIONINFOA& info) override {
        info = OSVERSIONINFOA{};
        info.dwOSVersionInfoSize = sizeof(info);
        info.dwPlatformId = VER_PLATFORM_WIN32_NT;
        info.dwMajorVersion = major;
        info.dwMinorVersion = minor;
        return versionWorks;
    }
    bool ThemesEnabled() override { return themes; }
};
