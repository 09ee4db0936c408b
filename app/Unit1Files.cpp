// The file list and folder tree commands: adding files and folders, drops, Remove, Open, sorting, Erase, Refresh.
#include "app/Unit1.h"

#include <algorithm>

#include "app/payload/DecimalText.h"
#include "app/payload/FileIdentity.h"
#include "app/payload/FileSystem.h"
#include "app/payload/LocaleSizeText.h"
#include "app/payload/PathText.h"
#include "app/shared/MessageBoxes.h"
#include "app/shared/MessageTexts.h"
#include "toolkit/core/Scoped.h"
#include "toolkit/forms/Application.h"
#include "toolkit/system/DropFiles.h"
#include "toolkit/system/SystemServices.h"
#include "toolkit/system/WinGuards.h"

namespace {

// Dropped paths are read whole, so one the ANSI calls cannot take is named, never cut.
constexpr size_t kLongestDroppedPath = 32767;
constexpr int kRowImage = 6;
constexpr int kSortGlyph = 7;

int64_t RowSize(const TListRow& row) {
    int64_t size = 0;
    return !row.SubItems.empty() && TryParseDigits(row.SubItems[0], size) ? size : 0;
}

}  // namespace

// The running total stands for the sum over the rows: each row's size is added and taken off with the row.
void TForm1::UpdateTotals() {
    StatusBar1->SetPanelText(1, UpdateTotalsText(static_cast<size_t>(ListView1->Count()), totalSize_));
}

// Any length the ANSI calls accept (a folder walk meets paths of up to 259 characters). What cannot be added
// is named in one message at the end.
void TForm1::AddPath(const std::string& path) {
    walkedFolders_.clear();
    notAdded_.clear();
    AddEntry(path);
    ReportNotAdded();
}

void TForm1::AddEntry(const std::string& path) {
    if (path.empty()) return;
    // The list and the status bar repaint once, when every row is in.
    const TUpdateScope listUpdate(*ListView1);
    const TUpdateScope statusUpdate(*StatusBar1);
    if (IsFile(path)) {
        AddFile(path);
    } else if (IsFolder(path)) {
        AddFolder(path);
        UpdateTotals();
    }
}

void TForm1::AddFile(const std::string& path) {
    int64_t size = 0;
    if (!MeasureByOpening(path, size)) {
        ReportAccessDenied(path);
        return;
    }
    ListView1->Add(TListRow{BareFileName(path), {std::to_string(size), ParentFolder(path)}, kRowImage});
    totalSize_ += size;
    UpdateTotals();
}

// Every entry below the folder, hidden and system ones included, each subfolder where it is met. Links and
// junctions to folders are not followed, and a folder met again (through a link) is not walked again.
void TForm1::AddFolder(const std::string& path) {
    TFileIdentity identity;
    if (ReadFileIdentity(path, identity) == TIdentityRead::irFound) {
        const std::pair<uint32_t, uint64_t> key(identity.volumeSerial, identity.fileIndex);
        if (std::find(walkedFolders_.begin(), walkedFolders_.end(), key) != walkedFolders_.end()) return;
        walkedFolders_.push_back(key);
    }
    std::string folder = path.back() == '\\' ? path : path + "\\";
    WIN32_FIND_DATAA entry{};
    TFindHandle find(FindFirstFileA((folder + "*.*").c_str(), &entry));
    if (!find) return;
    do {
        std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        const DWORD linkedFolder = FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY;
        if ((entry.dwFileAttributes & linkedFolder) == linkedFolder) continue;
        // A name outside the code page comes back with "?" in it and names nothing.
        const std::string full = folder + name;
        if (IsFile(full) || IsFolder(full)) {
            AddEntry(full);
        } else {
            notAdded_.push_back(full);
        }
    } while (FindNextFileA(find.Get(), &entry));
}

// One message for every name a drop or walk could not add; the first of many, then their count.
void TForm1::ReportNotAdded() {
    if (notAdded_.empty()) return;
    constexpr size_t kNamed = 20;
    std::string text = "These files were not added: their names hold letters outside the system's code page, "
                       "their paths are too long, or they are no longer there.";
    for (size_t i = 0; i < notAdded_.size() && i < kNamed; ++i) text += "\r" + notAdded_[i];
    if (notAdded_.size() > kNamed) text += "\r... and " + std::to_string(notAdded_.size() - kNamed) + " more.";
    notAdded_.clear();
    ShowCaptionedMessage(text, MB_OK | MB_ICONWARNING);
}

void TForm1::WMDropFiles(TMessage& message) {
    TDroppedFiles drop(reinterpret_cast<HDROP>(message.WParam));
    message.Result = 0;
    // A dialog that runs or asks holds the window disabled: its run works on the list as it was.
    if (!IsWindowEnabled(Handle())) return;
    walkedFolders_.clear();
    notAdded_.clear();
    int count = drop.Count();
    for (int i = 0; i < count; ++i) {
        const std::optional<std::string> path = drop.Path(i, kLongestDroppedPath);
        if (!path) continue;
        if (path->size() < MAX_PATH && (IsFile(*path) || IsFolder(*path))) {
            AddEntry(*path);
        } else {
            notAdded_.push_back(*path);
        }
    }
    ReportNotAdded();
}

int TForm1::FileRowCount() { return ListView1->Count(); }

TFileListRow TForm1::FileRow(int index) {
    const TListRow& row = ListView1->Row(index);
    return TFileListRow{row.Caption, row.SubItems.at(0), row.SubItems.at(1)};
}

void TForm1::EraseFile(const std::string& path) { ::EraseFile(path, *this); }

void TForm1::ProcessMessages() {
    if (Application != nullptr) Application->ProcessMessages();
}

void TForm1::ReportAccessDenied(const std::string& path) {
    ShowAccessDenied(*this, path, nullptr);
}

void TForm1::ReportWriteFailure(const std::string&, const std::string& text) {
    ShowDialogMessage(*this, text, nullptr, MB_OK | MB_ICONERROR);
}

// Called by Refresh: reads the tree again from the desktop.
void TForm1::ToolButton1Click(TComponent*) { ShellTreeView1->Refresh(); }

// Called by Add: the tree's selected file or folder into the list.
void TForm1::ToolButton2Click(TComponent*) { AddPath(ShellTreeView1->Path()); }

// Called by Remove: drops the selected rows and selects the row that took the first one's place.
void TForm1::ToolButton3Click(TComponent*) {
    int first = ListView1->NextSelected(0);
    if (first < 0) return;
    // The list and the status bar repaint once, when the selected rows are all gone.
    const TUpdateScope listUpdate(*ListView1);
    const TUpdateScope statusUpdate(*StatusBar1);
    for (int i = first; i >= 0; i = ListView1->NextSelected(i)) {
        totalSize_ -= RowSize(ListView1->Row(i));
        ListView1->Delete(i);
    }
    if (ListView1->Count() > 0) ListView1->SetSelected(std::min(first, ListView1->Count() - 1), true);
    UpdateTotals();
}

// Called by Open: the first selected row's file opens in its own program.
void TForm1::Open1Click(TComponent*) {
    int first = ListView1->NextSelected(0);
    if (first < 0) return;
    const TListRow& row = ListView1->Row(first);
    SystemServices().ShellExecuteFile(Handle(), "open", row.Caption, "", row.SubItems.at(1), SW_SHOWNORMAL);
}

void TForm1::ListView1DblClick(TComponent*) { Open1->Click(); }

// Called when a column header is clicked: "Name" turns the sort by name on or off.
void TForm1::ListView1ColumnClick(TComponent*, int column) {
    if (column != 0) return;
    bool sort = !ListView1->SortedByText();
    ListView1->SetSortedByText(sort);
    ListView1->SetColumnImage(0, sort ? kSortGlyph : -1);
}

// Called while something is dragged over the list: anything but the list itself may drop.
void TForm1::ListView1DragOver(TComponent*, TComponent* source, int, int, bool& accept) { accept = source != ListView1; }

void TForm1::ListView1DragDrop(TComponent*, TComponent*, int, int) { ToolButton2->Click(); }

// Called on a double-click in the tree: a file is added, a folder only opens or closes.
void TForm1::ShellTreeView1DblClick(TComponent*) {
    if (IsFile(ShellTreeView1->Path())) ToolButton2->Click();
}

// Called by Erase: asks (No by default), erases the tree's selected file and reads the tree again.
void TForm1::Erase1Click(TComponent*) {
    std::string path = ShellTreeView1->Path();
    if (!IsFile(path)) {
        if (IsFolder(path)) {
            ShowCaptionedMessage("Erase erases files only; a folder is not erased.\r" + path,
                                 MB_OK | MB_ICONINFORMATION);
        } else if (!path.empty()) {
            ShowCaptionedMessage(NotFoundText(path), MB_OK | MB_ICONERROR);
        }
        return;
    }
    if (ShowCaptionedMessage("Are you sure you want to erase (delete) the selected file:\r" + path,
                             MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES)
        return;
    EraseFile(path);
    ToolButton1->Click();
}
