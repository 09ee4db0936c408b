// Scratch files for the Windows routine tests.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/payload/TempDir.h"
#include "app/payload/Win32FileStream.h"

// A fresh folder under the temp folder, removed with the paths handed out in it.
class TScratchFolder {
public:
    explicit TScratchFolder(const std::string& name)
        : path_(GetTempDir() + name + std::to_string(GetCurrentProcessId()) + "\\") {
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TScratchFolder() {
        for (const std::string& item : items_) {
            SetFileAttributesA(item.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (!DeleteFileA(item.c_str())) RemoveDirectoryA(item.c_str());
        }
        RemoveDirectoryA(path_.c_str());
    }
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    // A path in the folder, removed with the folder.
    std::string operator/(const std::string& name) {
        items_.push_back(path_ + name);
        return items_.back();
    }

private:
    std::string path_;
    std::vector<std::string> items_;
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
