// System services of the Windows benchmarks that drive windows: questions answered No, notices OK and printed.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

#include "toolkit/system/SystemServices.h"

class TBenchServices : public TSystemServices {
public:
    int ShowMessageBox(HWND, const std::string& text, const char*, UINT flags) override {
        std::printf("  message: %s\n", text.substr(0, text.find('\r')).c_str());
        return (flags & MB_TYPEMASK) == MB_OK ? IDOK : IDNO;
    }
    bool ShowSaveDialog(HWND, TSaveFileRequest&) override { return false; }
    std::optional<std::string> BrowseForFolder(HWND, const std::string&) override { return std::nullopt; }
    INT_PTR ShellExecuteFile(HWND, const std::string&, const std::string&, const std::string&, const std::string&,
                             int) override {
        return 0;
    }
    // Settings go under a key of their own, removed by RemoveSettings.
    TRegistryLocation SettingsKey(const std::string& path) override { return {HKEY_CURRENT_USER, kBase + path}; }
    static void RemoveSettings() { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\QvlBench"); }

private:
    inline static const std::string kBase = "Software\\QvlBench\\";
};
