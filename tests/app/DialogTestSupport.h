// Helpers of the dialog tests: a stand-in file list, scratch files, the stub beside the test program.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/MainWindowFiles.h"
#include "app/Unit2.h"
#include "app/Unit5.h"
#include "app/payload/PayloadReader.h"
#include "app/payload/Win32FileStream.h"
#include "cipher/Blowfish.h"
#include "stub/StubSize.h"
#include "tests/payload/PayloadTestSupport.h"
#include "tests/support/Harness.h"
#include "tests/support/ScriptedServices.h"
#include "tests/support/WinFileSupport.h"

// The main window's list as the dialogs see it; erasing is recorded, not done.
class TFakeFileList : public TMainWindowFiles {
public:
    TFakeFileList() { MainWindowFiles = this; }
    ~TFakeFileList() override { MainWindowFiles = nullptr; }

    void Add(const std::string& folder, const std::string& name, const std::string& size) {
        rows.push_back({name, size, folder});
    }
    int FileRowCount() override { return static_cast<int>(rows.size()); }
    TFileListRow FileRow(int index) override { return rows.at(static_cast<size_t>(index)); }
    void EraseFile(const std::string& path) override { erased.push_back(path); }

    std::vector<TFileListRow> rows;
    std::vector<std::string> erased;
};

// Writes the file and lists it the way the main window does.
inline void AddSource(TFakeFileList& list, const std::string& path, const std::vector<uint8_t>& bytes) {
    PutFile(path, bytes);
    list.Add(FolderOf(path), NameOf(path), std::to_string(bytes.size()));
}

// The folder of the running test program, where the dialogs look for the stub.
inline std::string TestProgramFolder() {
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    return FolderOf(module);
}

// Makes the bytes begin as a Windows program does: "MZ", and at 0x3C the offset 0x40 of "PE\0\0".
inline void StampProgramHeads(std::vector<uint8_t>& bytes) {
    const uint8_t heads[][2] = {{0, 'M'}, {1, 'Z'}, {0x3C, 0x40}, {0x3D, 0}, {0x3E, 0}, {0x3F, 0},
                                {0x40, 'P'}, {0x41, 'E'}, {0x42, 0}, {0x43, 0}};
    for (const auto& head : heads)
        if (head[0] < bytes.size()) bytes[head[0]] = head[1];
}

// A stand-in for the stub file beside the test program while it lives: the bytes, padded with zeros to the
// stub's size, begin as a Windows program does.
class TStubFile {
public:
    explicit TStubFile(std::vector<uint8_t> bytes) : path_(TestProgramFolder() + "QVL.dat"), bytes_(std::move(bytes)) {
        if (bytes_.size() < static_cast<size_t>(Stub::StubSize)) bytes_.resize(static_cast<size_t>(Stub::StubSize));
        StampProgramHeads(bytes_);
        PutFile(path_, bytes_);
    }
    ~TStubFile() { DeleteFileA(path_.c_str()); }
    TStubFile(const TStubFile&) = delete;
    TStubFile& operator=(const TStubFile&) = delete;
    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    static std::string Path() { return TestProgramFolder() + "QVL.dat"; }

private:
    std::string path_;
    std::vector<uint8_t> bytes_;
};

// Reads every file of a payload in a file at the given offset; the map is empty when the password fails.
inline std::vector<TPackedFile> ReadPayloadFile(const std::string& path, int64_t offset, const std::string& password) {
    TWin32FileStream container(path, TFileMode::fmOpenRead);
    TQC_blowfish cipher(nullptr);
    TPayloadReader reader(cipher, container, offset);
    std::vector<TPackedFile> files;
    if (reader.CheckPassword(password, nullptr) != TPayloadResult::prOk) return files;
    if (reader.ReadHeader() != TPayloadResult::prOk) return files;
    for (size_t i = 0; i < reader.Entries().size(); ++i) {
        TMemoryStream out;
        EXPECT_EQ(reader.Extract(i, out, {}), TPayloadResult::prOk) << reader.Entries()[i].name;
        files.push_back({reader.Entries()[i].name, out.Bytes()});
    }
    return files;
}

// True when no file "~qv*.tmp" (an output not yet renamed into place) is left in the folder.
inline bool NoNewFileLeft(const std::string& folder) {
    WIN32_FIND_DATAA found;
    const HANDLE find = FindFirstFileA((FolderOf(folder + "\\-") + "~qv*.tmp").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return true;
    FindClose(find);
    return false;
}

// A dialog whose run reads or writes the file at a path through the test's stream (see Intercept).
using TInterceptor = std::function<std::unique_ptr<TByteStream>(TByteStream& file, const std::string& path)>;

template <class TDialog>
class TIntercepted : public TDialog {
public:
    explicit TIntercepted(TInterceptor intercept) : TDialog(nullptr), intercept_(std::move(intercept)) {}

protected:
    std::unique_ptr<TByteStream> Intercept(TByteStream& file, const std::string& path) override {
        return intercept_(file, path);
    }

private:
    TInterceptor intercept_;
};

// Puts a stream of type T, made from the file and the arguments, in front of the file at path only.
template <class T, class... Args>
TInterceptor At(const std::string& path, Args... args) {
    return [=](TByteStream& file, const std::string& opened) -> std::unique_ptr<TByteStream> {
        if (opened != path) return nullptr;
        return std::make_unique<T>(file, args...);
    };
}

inline bool HasFocus(TWinControl& control) { return GetFocus() == control.Handle(); }
