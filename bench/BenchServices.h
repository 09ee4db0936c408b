// System services of the Windows benchmarks that drive windows: notices OK and printed, questions answered as
// told (No unless set), the save dialog confirmed with a set name, shell launches answered as told.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

#include "toolkit/system/SystemServices.h"

class TBenchServices : public TSystemServices {
public:
    int ShowMessageBox(HWND, const std::string& text, const char*, UINT flags) override {
        std::printf("  message: %s\n", text.substr(0, text.find('\r')).c_str());
        return (flags & MB_TYPEMASK) == MB_OK ? IDOK : questionAnswer;
    }
    bool ShowSaveDialog(HWND, TSaveFileRequest& request) override {
        if (!saveAs) return false;
        request.FileName = *saveAs;
        return true;
    }
    std::optional<std::string> BrowseForFolder(HWND, const std::string&) override { return std::nullopt; }
    INT_PTR ShellExecuteFile(HWND, const std::string&, const std::string&, const std::string&, const std::string&,
                             int) override {
        return shellResult;
    }
    // Settings go under a key of their own, removed by RemoveSettings.
    TRegistryLocation SettingsKey(const std::string& path) override { return {HKEY_CURRENT_USER, kBase + path}; }
    static void RemoveSettings() { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\QvlBench"); }

    int questionAnswer = IDNO;
    std::optional<std::string> saveAs;  // nothing: the save dialog is cancelled
    INT_PTR shellResult = 0;

private:
    inline static const std::string kBase = "Software\\QvlBench\\";
};
