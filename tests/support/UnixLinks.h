// Symbolic links and drive letters that a Windows test makes under Wine, through Unix's own ln and rm.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace unixlinks {

// The Unix path Wine gives a Windows path (whose last part need not exist); empty outside Wine.
inline std::string UnixPathOf(const std::string& windowsPath) {
    using TUnixName = char*(CDECL*)(LPCWSTR);
    const FARPROC found = GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name");
    if (found == nullptr) return "";
    const auto unixName = reinterpret_cast<TUnixName>(reinterpret_cast<void (*)()>(found));
    std::vector<wchar_t> wide(windowsPath.size() + 1);
    MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    char* name = unixName(wide.data());
    if (name == nullptr) return "";
    std::string path(name);
    HeapFree(GetProcessHeap(), 0, name);
    return path;
}

// True when the name opens (a link counts once what it points to is there, a device too).
inline bool Opens(const std::string& path) {
    const HANDLE handle = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    CloseHandle(handle);
    return true;
}

// Starts a Unix program, then waits until `done` holds; false when it does not within 10 s. Wine runs it
// beside the Windows process and fills the process information with values that are no handles of
// ours: closing them could close one of our own, so they are left alone.
template <class Done>
bool RunUnix(const std::string& commandLine, Done done) {
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return false;
    }
    for (int i = 0; i < 200; ++i) {
        if (done()) return true;
        Sleep(50);
    }
    return done();
}

inline std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// A Unix symbolic link pointing to a Unix path, which Windows reaches as `windowsName`; removed with the
// object. Never remove such a link with DeleteFile: under Wine that deletes the file it points to.
class TUnixLink {
public:
    TUnixLink(const std::string& unixTarget, const std::string& unixLink, const std::string& windowsName)
        : unixLink_(unixLink), windowsName_(windowsName) {
        made_ = !unixTarget.empty() && !unixLink_.empty() &&
                RunUnix("/bin/ln -s " + Quoted(unixTarget) + " " + Quoted(unixLink_),
                        [this] { return Opens(windowsName_); });
    }
    // A link at a Windows path whose folder exists.
    TUnixLink(const std::string& unixTarget, const std::string& windowsLink)
        : TUnixLink(unixTarget, UnixPathOf(windowsLink), windowsLink) {}
    ~TUnixLink() {
        if (made_) RunUnix("/bin/rm -f " + Quoted(unixLink_), [this] { return !Opens(windowsName_); });
    }
    TUnixLink(const TUnixLink&) = delete;
    TUnixLink& operator=(const TUnixLink&) = delete;

    bool Made() const { return made_; }
    const std::string& Path() const { return windowsName_; }

private:
    std::string unixLink_;
    std::string windowsName_;
    bool made_ = false;
};

// The folder of the Wine prefix that holds its drive letters (each a link to a Unix folder).
inline std::string DosDevicesFolder() {
    const std::string drive = UnixPathOf("C:\\");
    const size_t cut = drive.rfind("/dosdevices/");
    return cut == std::string::npos ? std::string() : drive.substr(0, cut + 12);
}

// A drive letter that Wine does not use yet, mapped to a folder while the object lives: the folder's
// files then have a second full name, "Y:\name".
class TDriveLetter {
public:
    explicit TDriveLetter(const std::string& windowsFolder) {
        const std::string devices = DosDevicesFolder();
        const std::string folder = UnixPathOf(windowsFolder);
        if (devices.empty() || folder.empty()) return;
        const DWORD used = GetLogicalDrives();
        for (char letter = 'y'; letter >= 'm' && !link_; --letter) {
            if ((used & (1u << (letter - 'a'))) != 0) continue;
            root_ = std::string(1, static_cast<char>(letter - 'a' + 'A')) + ":\\";
            link_ = std::make_unique<TUnixLink>(folder, devices + letter + ":", root_);
        }
    }

    bool Made() const { return link_ && link_->Made(); }
    // "Y:\" for the letter taken.
    const std::string& Root() const { return root_; }

private:
    std::string root_;
    std::unique_ptr<TUnixLink> link_;
};

}  // namespace unixlinks
