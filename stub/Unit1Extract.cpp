// Launch and Save As: decrypting selected packed files into the temp folder or where the user chooses.
#include "stub/Unit1.h"

#include "app/payload/FileIdentity.h"
#include "app/payload/FileSystem.h"
#include "app/payload/Header.h"
#include "app/payload/PathText.h"
#include "app/shared/BusyScope.h"
#include "app/shared/MessageBoxes.h"
#include "app/shared/RunHooks.h"
#include "stub/StubTexts.h"
#include "toolkit/system/SystemServices.h"

namespace Stub {

std::vector<int> TForm1::SelectedRows() {
    std::vector<int> rows;
    for (int i = ListView1->NextSelected(0); i >= 0; i = ListView1->NextSelected(i + 1)) rows.push_back(i);
    return rows;
}

bool TForm1::RowInPackage(int row) const {
    if (!PackedRow(row) || !reader_->CanExtract(static_cast<size_t>(row))) return false;
    const TPayloadEntry& entry = reader_->Entries()[static_cast<size_t>(row)];
    return entry.size <= package_->Size() - entry.offset;
}

bool TForm1::UserFileInTemp(const std::string& name) const {
    return !droppedInTemp_.empty() && FindAlias(TempDir + name, droppedInTemp_).result != TAliasResult::arNone;
}

bool TForm1::DroppedName(const std::string& name) const {
    for (int row = static_cast<int>(packedRows_); row < ListView1->Count(); ++row)
        if (lstrcmpiA(ListView1->Row(row).Caption.c_str(), name.c_str()) == 0) return true;
    return false;
}

void TForm1::ReportDenied(const std::string& path) {
    ShowAccessDenied(*this, path, kProductCaption);
}

bool TForm1::ExtractRow(int row, const std::string& destination) {
    ProgressBar1->SetPosition(0);
    // Nothing is created for a row that cannot be read whole, or over the package under any of its names.
    if (!RowInPackage(row) || FindAlias(destination, {packagePath_}).result != TAliasResult::arNone) {
        ReportDenied(destination);
        return false;
    }
    TPayloadResult result = TPayloadResult::prWriteFailed;
    {
        TWin32FileStream output(destination, TFileMode::fmCreate);
        if (!output.IsOpen()) {
            ReportDenied(destination);
            return false;
        }
        result = reader_->Extract(static_cast<size_t>(row), output, RunHooks(stopRequested_, *ProgressBar1));
    }
    LetPendingMessagesRun();
    ProgressBar1->SetPosition(0);
    if (result == TPayloadResult::prOk) return true;
    DeleteFileA(destination.c_str());  // an incomplete file is no copy of the packed one
    if (result == TPayloadResult::prReadFailed) {
        ReportDenied(packagePath_);
    } else if (result != TPayloadResult::prStopped) {
        ReportDenied(destination);
    }
    return false;
}

void TForm1::LaunchRow(int row) {
    const std::string name = ListView1->Row(row).Caption;
    SystemServices().ShellExecuteFile(Handle(), "", name, "", TempDir, SW_SHOWNORMAL);
}

bool TForm1::CommandGoesOn() const { return PackageOpen() && !stopRequested_; }

bool TForm1::OverwriteAgreed(const std::string& path) {
    const int answer =
        ShowDialogMessage(*this, AlreadyExistsQuestion(path, "Overwrite?"), kWindowCaption, MB_YESNO | MB_ICONQUESTION);
    return answer == IDYES && CommandGoesOn();  // a close handled meanwhile ends the command
}

// Opens the dropped row's copy, or the user's file when it was dropped from the temp folder itself.
bool TForm1::LaunchDroppedRow(int row) {
    const std::string name = ListView1->Row(row).Caption;
    if (IsSafeEntryName(name) && (copies_.Wrote(TempDir + name) || UserFileInTemp(name))) {
        LaunchRow(row);
        return true;
    }
    ReportDenied(TempDir + name);
    return false;
}

// Decrypts the packed row into the temp folder, asking before it replaces a file this run did not write there.
bool TForm1::LaunchPackedRow(int row) {
    const std::string name = ListView1->Row(row).Caption;
    const std::string copy = TempDir + name;
    if (UserFileInTemp(name) || DroppedName(name) || FindAlias(copy, {packagePath_}).result != TAliasResult::arNone) {
        ReportDenied(copy);
        return false;
    }
    if (IsFile(copy) && !copies_.Wrote(copy) && !OverwriteAgreed(copy)) return false;
    if (!ExtractRow(row, copy)) return false;
    copies_.Remember(copy);
    LaunchRow(row);
    return true;
}

void TForm1::SpeedButton1Click(TComponent*) {
    if (busy_ || !PackageOpen()) return;
    const std::vector<int> rows = SelectedRows();
    if (rows.empty()) return;
    if (TempDir.empty()) {  // never the working folder in its place
        ShowDialogMessage(*this, kNoTempFolder, kProductCaption, MB_OK | MB_ICONERROR);
        return;
    }
    {
        TBusyScope busy(busy_, stopRequested_);
        for (int row : rows) {
            // A dropped file opens from its own copy; a packed one must not overwrite a dropped file or its copy.
            if (!PackedRow(row)) {
                if (!LaunchDroppedRow(row)) break;
                continue;
            }
            if (!LaunchPackedRow(row)) break;
        }
    }
    if (closeRequested_) Close();
}

void TForm1::SpeedButton2Click(TComponent*) {
    if (busy_ || !PackageOpen()) return;
    const std::vector<int> rows = SelectedRows();
    if (rows.empty()) return;
    std::vector<std::string> destinations;
    if (rows.size() == 1) {
        SaveDialog1->FileName = ListView1->Row(rows[0]).Caption;
        // A close handled while a dialog is up ends the command.
        if (!SaveDialog1->Execute() || !PackageOpen()) return;
        const std::string chosen = SaveDialog1->FileName;
        if (IsFile(chosen) && !OverwriteAgreed(chosen)) return;
        destinations.push_back(chosen);
    } else {
        const std::optional<std::string> folder = SystemServices().BrowseForFolder(Handle(), kSelectDestinationFolder);
        if (!folder || folder->empty() || !PackageOpen()) return;
        for (int row : rows) destinations.push_back(JoinPath(*folder, ListView1->Row(row).Caption));
    }
    {
        TBusyScope busy(busy_, stopRequested_);
        for (size_t i = 0; i < rows.size(); ++i) {
            if (!PackedRow(rows[i])) {
                ShowDialogMessage(*this, NotInPackageText(ListView1->Row(rows[i]).Caption), kProductCaption,
                                  MB_OK | MB_ICONERROR);
                break;
            }
            if (!ExtractRow(rows[i], destinations[i])) break;
        }
    }
    if (closeRequested_) Close();
}

}  // namespace Stub
