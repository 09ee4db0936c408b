// The package window: the packed files of this package, with Launch, Save As, Delete and Exit.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/payload/EraseFile.h"
#include "app/payload/Header.h"
#include "app/payload/PayloadReader.h"
#include "app/payload/ReplacingFile.h"
#include "app/payload/Win32FileStream.h"
#include "appearance/AltKeyFix.h"
#include "cipher/Blowfish.h"
#include "app/payload/TempCopies.h"
#include "toolkit/controls/CoolBar.h"
#include "toolkit/controls/ListView.h"
#include "toolkit/controls/ProgressBar.h"
#include "toolkit/controls/SpeedButton.h"
#include "toolkit/controls/StatusBar.h"
#include "toolkit/forms/Form.h"
#include "toolkit/forms/SaveDialog.h"
#include "toolkit/graphics/ImageList.h"
#include "toolkit/menus/Menus.h"

namespace Stub {

// Pictures of ImageList1: the state image of every row (first, as state image 0), the four buttons' glyphs (the
// popup menu's too), then the Select All item's glyph.
enum TStubImage { kRowImage, kLaunchGlyph, kSaveGlyph, kDeleteGlyph, kExitGlyph, kSelectAllGlyph };

// The temp folder with its trailing backslash, learnt when the package window is first shown.
extern std::string TempDir;

class TForm1 : public TForm, private TEraseHost {
public:
    explicit TForm1(TComponent* owner);
    ~TForm1() override;
    const char* ClassName() const override { return "TForm1"; }

    TCoolBar* CoolBar1 = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;  // Launch
    TSpeedButton* SpeedButton2 = nullptr;  // Save As...
    TSpeedButton* SpeedButton3 = nullptr;  // Delete
    TSpeedButton* SpeedButton5 = nullptr;  // Exit
    TListView* ListView1 = nullptr;
    TProgressBar* ProgressBar1 = nullptr;
    TStatusBar* StatusBar1 = nullptr;
    TPopupMenu* PopupMenu1 = nullptr;
    TMenuItem* N1 = nullptr;            // Launch File(s)
    TMenuItem* N3 = nullptr;            // Save As...
    TMenuItem* Information1 = nullptr;  // Delete File(s)
    TMenuItem* SelectAll1 = nullptr;
    TMenuItem* N2 = nullptr;  // separator
    TMenuItem* N4 = nullptr;  // Exit
    TSaveDialog* SaveDialog1 = nullptr;
    TQC_blowfish* QC_blowfish1 = nullptr;
    TImageList* ImageList1 = nullptr;
    TAltKeyFix* AltKeyFix1 = nullptr;

    // The file that holds the package: this program's own executable unless set otherwise.
    const std::string& PackagePath() const { return packagePath_; }
    void SetPackagePath(const std::string& path) { packagePath_ = path; }
    // A package was opened: its file is held open and the cipher keyed until the window closes.
    bool PackageOpen() const { return reader_ != nullptr; }
    // A command is running (the others wait for it to end).
    bool Busy() const { return busy_; }
    // The program was ended from the prompt or by an unusable package.
    bool Ended() const { return ended_; }

    // Checks the password against the package and lists its files; the prompt closes on success.
    void OpenPackage(const std::string& password);
    // Ends the program before any package was shown: the prompt and the window close.
    void EndProgram();
    // Enables or disables the four buttons and the list together.
    void EnableControls(bool enabled);
    // Writes the totals of the listed rows into the status bar.
    void UpdateTotals();

    // Called once, when the window has been built.
    void FormCreate(TComponent* sender);
    // Called when the window is shown: the password prompt comes first.
    void FormShow(TComponent* sender);
    // Called when the window closes: the package is released and the temp copies erased.
    void FormClose(TComponent* sender, TCloseAction& action);
    // Called when Launch is clicked: each selected file is decrypted into the temp folder and opened.
    void SpeedButton1Click(TComponent* sender);
    // Called when Save As... is clicked: the selected files are decrypted where the user chooses.
    void SpeedButton2Click(TComponent* sender);
    // Called when Delete is clicked: a new package without the selected files replaces this one.
    void SpeedButton3Click(TComponent* sender);
    // Called when Exit is clicked.
    void SpeedButton5Click(TComponent* sender);
    // Called on a double-click in the list.
    void ListView1DblClick(TComponent* sender);
    // Called by the popup menu's items.
    void N1Click(TComponent* sender);
    void N3Click(TComponent* sender);
    void Information1Click(TComponent* sender);
    void SelectAll1Click(TComponent* sender);
    void N4Click(TComponent* sender);

protected:
    void WndProc(TMessage& message) override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;

private:
    void CreateControls();
    void CreateCoolBar();
    void CreatePopupMenu();
    void LayoutControls();
    // Called when files are dropped from the shell.
    void WMDropFiles(TMessage& message);
    // Closes now, or once the running command has stopped.
    void RequestClose();
    // Lets go of the package and erases this run's temp copies, saying which stay because they are in use.
    void ReleasePackage();

    // The row was read from the package header (dropped rows come after those).
    bool PackedRow(int row) const { return row >= 0 && static_cast<size_t>(row) < packedRows_; }
    // The packed row's bytes can be read: usable name and size, and they lie inside the package file.
    bool RowInPackage(int row) const;
    // The temp folder's file of this name is a user's file that was dropped from there: never written or erased.
    bool UserFileInTemp(const std::string& name) const;
    // A dropped row has this name, so the temp file of this name is its copy.
    bool DroppedName(const std::string& name) const;
    // Decrypts a packed row into a new file; false (reported) when the command must end.
    bool ExtractRow(int row, const std::string& destination);
    // Ends a failed command with "File access denied." for the path.
    void ReportDenied(const std::string& path);
    // Ends a failed write of path: the folder too long, the disk full (the system's reason), else access denied.
    void ReportWriteFailure(const std::string& path, uint32_t error);
    // Ends a copy out of the package into written: a read that failed or ended short names the package,
    // any other failure is a write failure of written; a stop reports nothing.
    void ReportCopyFailure(TPayloadResult result, const std::string& written, uint32_t error);
    bool SaveRow(int row, const std::string& destination);
    // The package is still open and no close waits for the command: checked after every dialog.
    bool CommandGoesOn() const;
    // Asks whether the existing file at path may be replaced; false for No or when the command must end.
    bool OverwriteAgreed(const std::string& path);
    std::vector<int> SelectedRows();
    void LaunchRow(int row);
    // Launch of one row; false (reported or answered No) when the command ends.
    bool LaunchPackedRow(int row);
    bool LaunchDroppedRow(int row);

    // The files of one Delete, all in the package's folder.
    struct TSwapFiles {
        std::string folder;       // with its trailing backslash
        std::string name;         // the package's file name
        std::string newPackage;   // "~" + name, where the batch finds the new package
        std::string batch;        // the swap batch
        bool replaceNew = false;  // the user agreed that the new package replaces the "~" file there
    };
    static TSwapFiles SwapFilesOf(const std::string& package);
    bool SwapCanStart(TSwapFiles& files);
    bool KeptEntries(const std::vector<int>& kept, const std::string& shownPath, std::vector<THeaderEntry>& entries);
    // Where the payload ends in the package file; -1 when a row's size is unusable.
    int64_t PayloadEnd() const;
    TPayloadResult CopyTail(TByteStream& output, const TPieceHooks& hooks);
    // Writes the new package into file; false (reported as shownPath) when it could not.
    bool WriteReducedPackage(TReplacingFile& file, const std::string& shownPath,
                             const std::vector<THeaderEntry>& entries, const std::vector<int>& kept);
    bool WriteSwapFiles(const TSwapFiles& files, const std::vector<int>& kept);
    bool StartSwap(const TSwapFiles& files);

    // TEraseHost: the stub erases silently.
    void ProcessMessages() override;
    void ReportAccessDenied(const std::string&) override {}

    std::string packagePath_;
    std::unique_ptr<TWin32FileStream> package_;
    std::unique_ptr<TPayloadReader> reader_;
    size_t packedRows_ = 0;
    // What this run wrote into the temp folder: the only files that closing erases.
    TTempCopies copies_;
    // Dropped files that lay in the temp folder themselves: the user's files, never overwritten or erased.
    std::vector<std::string> droppedInTemp_;
    bool busy_ = false;
    bool stopRequested_ = false;
    bool closeRequested_ = false;
    bool ended_ = false;
};

// The package window.
extern TForm1* Form1;

}  // namespace Stub
