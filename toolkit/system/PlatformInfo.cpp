// System version and theme state, behind a replaceable seam.
#include "toolkit/system/PlatformInfo.h"

#include <shlwapi.h>

#include "toolkit/system/WinGuards.h"

bool TPlatformInfo::Version(OSVERSIONINFOA& info) {
    info = OSVERSIONINFOA{};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return GetVersionExA(&info) != FALSE;
#pragma GCC diagnostic pop
}

bool TPlatformInfo::ThemesEnabled() {
    TLoadedLibrary theme("uxtheme.dll");
    using TBoolCall = BOOL(WINAPI*)();
    auto isAppThemed = theme.Function<TBoolCall>("IsAppThemed");
    auto isThemeActive = theme.Function<TBoolCall>("IsThemeActive");
    if (isAppThemed == nullptr || isThemeActive == nullptr || !isAppThemed() || !isThemeActive()) return false;
    TLoadedLibrary controls("comctl32.dll");
    auto getVersion = controls.Function<DLLGETVERSIONPROC>("DllGetVersion");
    if (getVersion == nullptr) return false;
    DLLVERSIONINFO version{};
    version.cbSize = sizeof(version);
    return SUCCEEDED(getVersion(&version)) && version.dwMajorVersion >= 6;
}

TPlatformInfo& PlatformInfo() {
    static TPlatformInfo system;
    return TScopedPlatformInfo::InForce(system);
}
