// File-system questions and folder creation shared by both programs (Windows).
#include "app/payload/FileSystem.h"

#include <windows.h>

#include <vector>

#include "app/payload/PathText.h"
#include "toolkit/system/WinGuards.h"

namespace {

// GetFullPathNameA or GetLongPathNameA into a string; the input when the call fails.
template <class Call>
std::string PathCall(const std::string& path, Call call) {
    std::vector<char> buffer(MAX_PATH);
    for (int attempt = 0; attempt < 2; ++attempt) {
        const DWORD length = call(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return path;
        if (length < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(length + 1);
    }
    return path;
}

std::string CanonicalPath(const std::string& path) {
    const std::string full = PathCall(path, [](const char* p, char* out, DWORD size) {
        return GetFullPathNameA(p, size, out, nullptr);
    });
    return PathCall(full, [](const char* p, char* out, DWORD size) { return GetLongPathNameA(p, out, size); });
}

}  // namespace

bool IsFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

TKernelHandle OpenToAsk(const std::string& path) {
    return TKernelHandle(CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                     OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

namespace {

// The name the system resolves path to, in the form the user sees ("C:\...", "\\server\..."); "" when it
// cannot tell.
std::string ResolvedName(const std::string& path) {
    const TKernelHandle file = OpenToAsk(path);
    char final[MAX_PATH + 8] = {};
    const DWORD length = file ? GetFinalPathNameByHandleA(file.Get(), final, sizeof final, FILE_NAME_NORMALIZED) : 0;
    if (length == 0 || length >= sizeof final) return "";
    std::string resolved(final, length);
    if (resolved.rfind("\\\\?\\UNC\\", 0) == 0) return "\\\\" + resolved.substr(8);
    if (resolved.rfind("\\\\?\\", 0) == 0) return resolved.substr(4);
    return resolved;
}

}  // namespace

// A reparse point, or a file that the system resolves to a name outside its folder (Wine shows a Unix link so).
// The folder is resolved the same way, so a folder reached through a link, or a drive the system names
// otherwise, does not make its files links.
bool IsLink(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) return true;
    const std::string full = CanonicalPath(path);
    const std::string resolved = ResolvedName(full);
    const std::string folder = ResolvedName(ParentFolder(full));
    if (resolved.empty() || folder.empty()) return false;
    return !SameFile(resolved, JoinPath(folder, BareFileName(full)));
}

uint32_t NameCount(const std::string& path) {
    const TKernelHandle file = OpenToAsk(path);
    BY_HANDLE_FILE_INFORMATION information{};
    return file && GetFileInformationByHandle(file.Get(), &information) ? information.nNumberOfLinks : 0;
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsReadOnly(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool MeasureFile(const std::string& path, int64_t& size) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return false;
    }
    size = (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return true;
}

bool MeasureByOpening(const std::string& path, int64_t& size) {
    const TKernelHandle file(
        CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER measured{};
    if (!file || !GetFileSizeEx(file.Get(), &measured)) return false;
    size = measured.QuadPart;
    return true;
}

bool SameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    return lstrcmpiA(CanonicalPath(a).c_str(), CanonicalPath(b).c_str()) == 0;
}

void CreateFolderPath(const std::string& path) {
    if (path.empty()) return;
    const std::string full = path.back() == '\\' ? path : path + "\\";
    for (size_t slash = full.find('\\'); slash != std::string::npos; slash = full.find('\\', slash + 1)) {
        if (IsFolder(full.substr(0, slash + 1))) continue;
        if (!CreateDirectoryA(full.substr(0, slash).c_str(), nullptr)) return;
    }
}

std::string ProgramPath() {
    std::vector<char> buffer(MAX_PATH);
    DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    while (length == buffer.size()) {
        buffer.resize(buffer.size() * 2);
        length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    }
    return std::string(buffer.data(), length);
}

std::string ProgramFolder() {
    const std::string module = ProgramPath();
    return module.substr(0, module.rfind('\\') + 1);
}
