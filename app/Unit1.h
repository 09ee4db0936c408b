// The main window: folder tree, list of files to encrypt, totals, menus, tool bar and settings.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "app/MainWindowFiles.h"
#include "app/payload/EraseFile.h"
#include "app/payload/TempCopies.h"
#include "appearance/AltKeyFix.h"
#include "appearance/FlatStyle.h"
#include "toolkit/controls/CoolBar.h"
#include "toolkit/forms/Form.h"
#include "toolkit/graphics/ImageList.h"
#include "toolkit/controls/ListView.h"
#include "toolkit/menus/Menus.h"
#include "toolkit/controls/ShellTreeView.h"
#include "toolkit/controls/Splitter.h"
#include "toolkit/controls/StatusBar.h"
#include "toolkit/controls/ToolBar.h"

extern const char* const ProgramVersion;
// The temp folder with a trailing backslash.
extern std::string TempDir;
// The path Unhide files took from the tree, which Clear works on; "" when no carrier is taken.
extern std::string CarrierFile;

class TForm1 : public TForm, public TMainWindowFiles, public TEraseHost {
public:
    explicit TForm1(TComponent* owner);
    ~TForm1() override;
    const char* ClassName() const override { return "TForm1"; }

    TCoolBar* CoolBar1;
    TToolBar* ToolBar1;
    // Refresh, Add, Remove, Encrypt, Decrypt and Help.
    TToolButton *ToolButton1, *ToolButton2, *ToolButton3, *ToolButton4, *ToolButton6, *ToolButton8;
    TShellTreeView* ShellTreeView1;
    TSplitter* Splitter1;
    TListView* ListView1;
    TStatusBar* StatusBar1 = nullptr;
    TImageList* ImageList1;
    TMainMenu* MainMenu1;
    TMenuItem *File1, *Encrypt1;
    TMenuItem* Delete1;  // Decrypt
    TMenuItem *Erase2, *Carrier1, *Unhidefiles1, *Clear1, *Exit1;
    TMenuItem* View1;        // the Edit menu
    TMenuItem* LargeIcons1;  // Remove
    TMenuItem* SmallIcons1;  // Select All
    TMenuItem* Help1;
    TMenuItem* Help2;  // Help Topics
    TMenuItem *HomePage1, *TechnicalSupport1, *About1;
    TPopupMenu* PopupMenu1;  // of the folder tree
    TMenuItem *Add1, *Decrypt1, *Erase1, *Carrier2, *Unhidefiles2, *Clear2, *Refresh1;
    TPopupMenu* PopupMenu2;  // of the file list
    TMenuItem *Open1, *Removeitem1, *SelectAll1;
    TFlatStyle* FlatStyle1;
    TAltKeyFix* AltKeyFix1;

    // Adds one file, or every file below one folder, as list rows; the totals follow each file.
    void AddPath(const std::string& path);
    // Puts the path into the Decrypt dialog and shows it modally.
    void OpenDecryptDialog(const std::string& path);
    // Writes the totals of the list into the status bar.
    void UpdateTotals();
    // The file the program was started with ("" for none); handled at the first showing.
    void SetStartFile(const std::string& path) { startFile_ = path; }
    // Enables or disables both Clear items.
    void SetClearEnabled(bool enabled);

    int FileRowCount() override;
    TFileListRow FileRow(int index) override;
    void EraseFile(const std::string& path) override;

    void ProcessMessages() override;
    void ReportAccessDenied(const std::string& path) override;
    void ReportWriteFailure(const std::string& path, const std::string& text) override;

    // Event handlers.
    void FormCreate(TComponent* sender);
    void FormShow(TComponent* sender);
    void FormClose(TComponent* sender, TCloseAction& action);
    void ToolButton1Click(TComponent* sender);
    void ToolButton2Click(TComponent* sender);
    void ToolButton3Click(TComponent* sender);
    void ToolButton4Click(TComponent* sender);
    void ToolButton6Click(TComponent* sender);
    void ToolButton8Click(TComponent* sender);
    void Encrypt1Click(TComponent* sender);
    void Delete1Click(TComponent* sender);
    void Erase1Click(TComponent* sender);
    void Erase2Click(TComponent* sender);
    void Unhidefiles1Click(TComponent* sender);
    void Clear1Click(TComponent* sender);
    void Exit1Click(TComponent* sender);
    void LargeIcons1Click(TComponent* sender);
    void SmallIcons1Click(TComponent* sender);
    void Help2Click(TComponent* sender);
    void HomePage1Click(TComponent* sender);
    void TechnicalSupport1Click(TComponent* sender);
    void About1Click(TComponent* sender);
    void Add1Click(TComponent* sender);
    void Decrypt1Click(TComponent* sender);
    void Unhidefiles2Click(TComponent* sender);
    void Clear2Click(TComponent* sender);
    void Refresh1Click(TComponent* sender);
    void Open1Click(TComponent* sender);
    void Removeitem1Click(TComponent* sender);
    void SelectAll1Click(TComponent* sender);
    void ShellTreeView1DblClick(TComponent* sender);
    void ListView1ColumnClick(TComponent* sender, int column);
    void ListView1DblClick(TComponent* sender);
    void ListView1DragOver(TComponent* sender, TComponent* source, int x, int y, bool& accept);
    void ListView1DragDrop(TComponent* sender, TComponent* source, int x, int y);
    void Splitter1Moved(TComponent* sender);

protected:
    void WndProc(TMessage& message) override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;

private:
    void CreateControls();
    void CreateMainMenu();
    void CreatePopupMenus();
    void CreateToolBar();
    void CreateAppearance();
    void LayoutPanes();
    void ReadSettings();
    void ApplyStoredSettings();
    void KeepOnScreen();
    void WriteSettings();
    void WMDropFiles(TMessage& message);
    void AddEntry(const std::string& path);
    void AddFile(const std::string& path);
    void AddFolder(const std::string& path);
    void ReportNotAdded();
    int ShowCaptionedMessage(const std::string& text, UINT flags);
    void DropCarrier();
    void ReportCarrierFailure(const std::string& text);
    void EraseExtractedPackage();

    bool FirstShow = false;  // the first showing is still to come: set by FormCreate, cleared by FormShow
    bool carrierBusy_ = false;  // Unhide files is copying or asking
    bool closing_ = false;      // the window closed during Unhide files: its copy stops and starts nothing
    TTempCopies tempCopies_;    // the package Unhide files wrote into the temp folder
    std::string startFile_;
    int64_t totalSize_ = 0;
    // Of the add under way: the folders walked (volume, index) and the names that could not be added.
    std::vector<std::pair<uint32_t, uint64_t>> walkedFolders_;
    std::vector<std::string> notAdded_;
};

// The main window.
extern TForm1* Form1;
