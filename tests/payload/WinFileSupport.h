// Scratch files for the Windows routine tests.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/payload/TempDir.h"
#include "app/payload/Win32FileStream.h"

// A fresh folder under the temp folder, removed with what is left in it.
class TScratchFolder {
public:
    explicit TScratchFolder(const std::string& name)
        : path_(GetTempDir() + name + std::to_string(GetCurrentProcessId()) + "\\") {
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TScratchFolder() {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((path_ + "*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string item = path_ + found.cFileName;
                SetFileAttributesA(item.c_str(), FILE_ATTRIBUTE_NORMAL);
                if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                    RemoveDirectoryA(item.c_str());
                } else {
                    DeleteFileA(item.c_str());
                }
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(path_.c_str());
    }
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    std::string operator/(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

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

inline bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
