// What the program asks about the system it runs on: version and visual-style themes, behind a replaceable seam.
#pragma once

#include <windows.h>

#include "toolkit/core/Scoped.h"

class TPlatformInfo {
public:
    virtual ~TPlatformInfo() = default;
    // GetVersionExA with the record's size set; false when the call fails.
    virtual bool Version(OSVERSIONINFOA& info);
    // Themes are in use: the theme library loads, IsAppThemed and IsThemeActive are both true, and the
    // common-controls library is version 6.0 or later.
    virtual bool ThemesEnabled();
};

// The platform answers in force: the system's unless a TScopedPlatformInfo has put others in place.
TPlatformInfo& PlatformInfo();

using TScopedPlatformInfo = TScopedOverride<TPlatformInfo>;
