// The one replaceable gate to the system's modal boxes, file and folder choosers, shell launch, settings and language.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "toolkit/core/Scoped.h"

struct TSaveFileRequest {
    std::string Filter;  // "Description|pattern|Description|pattern"
    int FilterIndex = 1;
    std::string DefaultExt;
    std::string FileName;  // in: the proposed name; out: the chosen one
    std::string Title;
};

// Where a settings key lives: the root and the full path below it.
struct TRegistryLocation {
    HKEY Root;
    std::string Path;
};

class TSystemServices {
public:
    virtual ~TSystemServices() = default;

    // A modal message box; caption nullptr leaves the system's default title. Returns IDOK, IDYES, ...
    virtual int ShowMessageBox(HWND owner, const std::string& text, const char* caption, UINT flags) = 0;
    // The save-file dialog (no overwrite question); true when the user confirmed a name.
    virtual bool ShowSaveDialog(HWND owner, TSaveFileRequest& request) = 0;
    // The folder browser for file-system folders; the chosen path, or nothing when cancelled.
    virtual std::optional<std::string> BrowseForFolder(HWND owner, const std::string& title) = 0;
    // ShellExecuteA; empty texts are passed as null. Returns its result (above 32 on success).
    virtual INT_PTR ShellExecuteFile(HWND owner, const std::string& verb, const std::string& file,
                                     const std::string& parameters, const std::string& directory, int show) = 0;
    // The registry location of a settings key given as a path under HKEY_CURRENT_USER.
    virtual TRegistryLocation SettingsKey(const std::string& path) = 0;
    // The system's default language identifier; the system's own unless a replacement says otherwise.
    virtual LANGID SystemDefaultLanguage() { return GetSystemDefaultLangID(); }
};

// The services in force: the Win32 ones unless a TScopedSystemServices has put others in place.
TSystemServices& SystemServices();

using TScopedSystemServices = TScopedOverride<TSystemServices>;
