// Whole files written and read back, and the parts of a Windows path, for the tests of every area.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/payload/Win32FileStream.h"
#include "tests/support/ScratchFolder.h"

// The folder of a path with its final backslash, and the name after it.
inline std::string FolderOf(const std::string& path) { return path.substr(0, path.rfind('\\') + 1); }
inline std::string NameOf(const std::string& path) { return path.substr(path.rfind('\\') + 1); }

inline void PutFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    TWin32FileStream file(path, TFileMode::fmCreate);
    file.Write(bytes.data(), static_cast<int32_t>(bytes.size()));
}

inline std::vector<uint8_t> FileBytes(const std::string& path) {
    TWin32FileStream file(path, TFileMode::fmOpenRead);
    std::vector<uint8_t> bytes(static_cast<size_t>(file.IsOpen() ? file.Size() : 0));
    file.Read(bytes.data(), static_cast<int32_t>(bytes.size()));
    return bytes;
}

// A file of the given length that stores nothing (a hole); false when the length cannot be set.
inline bool PutHole(const std::string& path, int64_t length) {
    TWin32FileStream file(path, TFileMode::fmCreate);
    return file.SetSize(length);
}

inline bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The names in a folder, sorted: what a command left there.
inline std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry{};
    TFindHandle find(FindFirstFileA((folder + "\\*").c_str(), &entry));
    if (find) {
        do {
            const std::string name = entry.cFileName;
            if (name != "." && name != "..") names.push_back(name);
        } while (FindNextFileA(find.Get(), &entry));
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Points TMP (which GetTempPathA reads first) elsewhere for one test.
class TTempVariable {
public:
    explicit TTempVariable(const std::string& value) {
        char old[32768] = {};
        const DWORD length = GetEnvironmentVariableA("TMP", old, sizeof old);
        had_ = length > 0 && length < sizeof old;
        if (had_) old_ = old;
        SetEnvironmentVariableA("TMP", value.c_str());
    }
    ~TTempVariable() { SetEnvironmentVariableA("TMP", had_ ? old_.c_str() : nullptr); }
    TTempVariable(const TTempVariable&) = delete;
    TTempVariable& operator=(const TTempVariable&) = delete;

private:
    bool had_ = false;
    std::string old_;
};
