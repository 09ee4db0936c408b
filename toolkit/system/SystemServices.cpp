// The Win32 implementation of the system services.
#include "toolkit/system/SystemServices.h"

#include <commdlg.h>
#include <objbase.h>
#include <shlobj.h>

#include <vector>

#include "toolkit/system/WinGuards.h"

namespace {

const char* NullIfEmpty(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

class TWin32SystemServices : public TSystemServices {
public:
    int ShowMessageBox(HWND owner, const std::string& text, const char* caption, UINT flags) override {
        return MessageBoxA(owner, text.c_str(), caption, flags);
    }

    bool ShowSaveDialog(HWND owner, TSaveFileRequest& request) override {
        std::string filter = request.Filter;
        for (char& c : filter)
            if (c == '|') c = '\0';
        filter.append(2, '\0');
        std::vector<char> name(32768, '\0');
        request.FileName.copy(name.data(), name.size() - 1);
        OPENFILENAMEA ofn{};
        ofn.lStructSize = sizeof(ofn);
        ofn.hwndOwner = owner;
        ofn.lpstrFilter = filter.c_str();
        ofn.nFilterIndex = static_cast<DWORD>(request.FilterIndex);
        ofn.lpstrFile = name.data();
        ofn.nMaxFile = static_cast<DWORD>(name.size());
        ofn.lpstrDefExt = NullIfEmpty(request.DefaultExt);
        ofn.lpstrTitle = NullIfEmpty(request.Title);
        ofn.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
        if (!GetSaveFileNameA(&ofn)) return false;
        request.FileName = name.data();
        request.FilterIndex = static_cast<int>(ofn.nFilterIndex);
        return true;
    }

    std::optional<std::string> BrowseForFolder(HWND owner, const std::string& title) override {
        TComInitialization com;
        char displayName[MAX_PATH] = {};
        BROWSEINFOA info{};
        info.hwndOwner = owner;
        info.pszDisplayName = displayName;
        info.lpszTitle = title.c_str();
        info.ulFlags = BIF_RETURNONLYFSDIRS;
        const TPidl chosen(SHBrowseForFolderA(&info));
        if (!chosen) return std::nullopt;
        // A choice without a file-system path is no folder to write to.
        char path[MAX_PATH] = {};
        if (!SHGetPathFromIDListA(chosen.Get(), path) || path[0] == '\0') return std::nullopt;
        return std::string(path);
    }

    INT_PTR ShellExecuteFile(HWND owner, const std::string& verb, const std::string& file, const std::string& parameters,
                             const std::string& directory, int show) override {
        HINSTANCE result = ShellExecuteA(owner, NullIfEmpty(verb), file.c_str(), NullIfEmpty(parameters),
                                         NullIfEmpty(directory), show);
        return reinterpret_cast<INT_PTR>(result);
    }

    TRegistryLocation SettingsKey(const std::string& path) override { return TRegistryLocation{HKEY_CURRENT_USER, path}; }
};

}  // namespace

TSystemServices& SystemServices() {
    static TWin32SystemServices win32;
    return TScopedSystemServices::InForce(win32);
}
