// A scratch folder under the temp folder for one test or benchmark, removed with everything below it (Windows).
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

#include "toolkit/system/WinGuards.h"

// Removes a file or a folder with everything below it, read-only and hidden entries included.
inline void RemoveTree(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        DeleteFileA(path.c_str());
        return;
    }
    WIN32_FIND_DATAA entry{};
    {
        TFindHandle find(FindFirstFileA((path + "\\*").c_str(), &entry));
        if (find) {
            do {
                const std::string name = entry.cFileName;
                if (name != "." && name != "..") RemoveTree(path + "\\" + name);
            } while (FindNextFileA(find.Get(), &entry));
        }
    }
    RemoveDirectoryA(path.c_str());
}

// A name for a file that a test writes straight into a folder shared with the user (the temp folder, its
// parent): unique to this test run, so that no file of the user's is touched.
inline std::string RunName(const std::string& name) {
    return "qvltest-" + std::to_string(GetCurrentProcessId()) + "-" + name;
}

class TScratchFolder {
public:
    // The folder is the temp folder + name + the process id, emptied first.
    explicit TScratchFolder(const std::string& name) {
        char temp[MAX_PATH + 1] = {};
        const DWORD length = GetTempPathA(sizeof temp, temp);
        root_ = std::string(temp, length);
        if (!root_.empty() && root_.back() == '\\') root_.pop_back();
        root_ += "\\" + name + std::to_string(GetCurrentProcessId());
        RemoveTree(root_);
        CreateDirectoryA(root_.c_str(), nullptr);
    }
    ~TScratchFolder() { RemoveTree(root_); }
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    // The folder's path without a final backslash.
    const std::string& Root() const { return root_; }
    // A path in the folder; nothing is created.
    std::string operator/(const std::string& relative) const { return root_ + "\\" + relative; }

    // Creates the folders on the way and a file of `size` bytes "x"; returns its full path. Throws when the
    // file cannot be written.
    std::string File(const std::string& relative, size_t size, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        const size_t cut = relative.find_last_of('\\');
        if (cut != std::string::npos) Folder(relative.substr(0, cut));
        const std::string path = *this / relative;
        {
            TKernelHandle file(
                CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
            const std::string bytes(size, 'x');
            DWORD written = 0;
            if (!file || !WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(size), &written, nullptr) ||
                written != size)
                throw std::runtime_error("cannot write the scratch file " + path);
        }
        SetFileAttributesA(path.c_str(), attributes);
        return path;
    }
    // Creates every level of a folder below the scratch folder; returns its full path.
    std::string Folder(const std::string& relative) {
        std::string path = root_;
        size_t start = 0;
        while (start < relative.size()) {
            size_t end = relative.find('\\', start);
            if (end == std::string::npos) end = relative.size();
            path += "\\" + relative.substr(start, end - start);
            CreateDirectoryA(path.c_str(), nullptr);
            start = end + 1;
        }
        return path;
    }

private:
    std::string root_;
};
