// What the Encrypt and Decrypt dialogs use of the main window: the rows of its file list and its eraser.
#pragma once

#include <string>

// One row of the file list: one file to encrypt.
struct TFileListRow {
    std::string Caption;  // the file name alone
    std::string Size;     // the byte count as plain decimal text
    std::string Folder;   // the containing folder; a drive root keeps its backslash ("C:\")
};

class TMainWindowFiles {
public:
    TMainWindowFiles() = default;
    virtual ~TMainWindowFiles() = default;
    TMainWindowFiles(const TMainWindowFiles&) = delete;
    TMainWindowFiles& operator=(const TMainWindowFiles&) = delete;

    // Rows in the order shown, which is the order the files are packed in.
    virtual int FileRowCount() = 0;
    virtual TFileListRow FileRow(int index) = 0;
    // Erases a file; a failure shows "File access denied.\r" + the path (error icon, no caption).
    virtual void EraseFile(const std::string& path) = 0;
};

// The main window once it exists (Form1); tests may put their own in place.
extern TMainWindowFiles* MainWindowFiles;
