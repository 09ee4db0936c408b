// Launch and Save As: decrypting selected packed files into the temp folder or where the user chooses.
#include "stub/Unit1.h"

#include "app/payload/FileIdentity.h"
#include "app/payload/FileSystem.h"
#include "app/payload/Header.h"
#include "app/payload/PathText.h"
#include "app/payload/ReplacingFile.h"
#include "app/payload/WriteFailure.h"
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

void TForm1::ReportWriteFailure(const std::string& path, uint32_t error) {
    if (error == ERROR_FILENAME_EXCED_RANGE) {
        ShowDialogMessage(*this, FolderTooLongText(ParentFolder(path)), kProductCaption, MB_OK | MB_ICONERROR);
    } else if (IsDiskFull(error)) {
        ShowDialogMessage(*this, WriteFailureText(path, error), kProductCaption, MB_OK | MB_ICONERROR);
    } else {
        ReportDenied(path);
    }
}

void TForm1::ReportCopyFailure(TPayloadResult result, const std::string& written, uint32_t error) {
    if (result == TPayloadResult::prReadFailed || result == TPayloadResult::prTruncated) {
        ReportDenied(packagePath_);
    } else if (result != TPayloadResult::prStopped) {
        ReportWriteFailure(written, error);
    }
}

bool TForm1::ExtractRow(int row, const std::string& destination) {
    ProgressBar1->SetPosition(0);
    // Nothing is created for a row that cannot be read whole, or over the package under any of its names.
    if (!RowInPackage(row) || FindAlias(destination, {packagePath_}).result != TAliasResult::arNone) {
        ReportDenied(destination);
        return false;
    }
    // Written beside the destination: a file it replaces stays as it was unless the new one is whole.
    const auto write = [&](TByteStream& output, uint32_t& writeError) {
        const TPayloadResult extracted =
            reader_->Extract(static_cast<size_t>(row), output, RunHooks(stopRequested_, *ProgressBar1));
        writeError = output.LastError();
        return extracted;
    };
    uint32_t error = 0;
    const TPayloadResult result = WriteReplacing(destination, write, error);
    LetPendingMessagesRun();
    ProgressBar1->SetPosition(0);
    if (result == TPayloadResult::prOk) return true;
    ReportCopyFailure(result, destination, error);
    return false;
}

void TForm1::LaunchRow(int row) {
    // By its full path: a file of the same name in the working folder or beside the package is not the copy.
    const std::string copy = TempDir + ListView1->Row(row).Caption;
    SystemServices().ShellExecuteFile(Handle(), "", copy, "", TempDir, SW_SHOWNORMAL);
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
    if (!RowInPackage(row) || UserFileInTemp(name) || DroppedName(name) ||
        FindAlias(copy, {packagePath_}).result != TAliasResult::arNone) {
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

// Decrypts the packed row to the destination, asking first when a file is there; No skips the row. False when
// the command ends.
bool TForm1::SaveRow(int row, const std::string& destination) {
    if (FindAlias(destination, {packagePath_}).result != TAliasResult::arNone) {
        ReportDenied(destination);
        return false;
    }
    if (IsFile(destination) && !OverwriteAgreed(destination)) return CommandGoesOn();
    return ExtractRow(row, destination);
}

void TForm1::SpeedButton2Click(TComponent*) {
    if (busy_ || !PackageOpen()) return;
    const std::vector<int> rows = SelectedRows();
    if (rows.empty()) return;
    for (int row : rows) {
        if (!PackedRow(row)) {  // said before any dialog opens
            ShowDialogMessage(*this, NotInPackageText(ListView1->Row(row).Caption), kProductCaption,
                              MB_OK | MB_ICONERROR);
            return;
        }
    }
    std::vector<std::string> destinations;
    if (rows.size() == 1) {
        SaveDialog1->FileName = ListView1->Row(rows[0]).Caption;
        // A close handled while a dialog is up ends the command.
        if (!SaveDialog1->Execute() || !PackageOpen()) return;
        destinations.push_back(SaveDialog1->FileName);
    } else {
        const std::optional<std::string> folder = SystemServices().BrowseForFolder(Handle(), kSelectDestinationFolder);
        if (!folder || folder->empty() || !PackageOpen()) return;
        for (int row : rows) destinations.push_back(JoinPath(*folder, ListView1->Row(row).Caption));
    }
    {
        TBusyScope busy(busy_, stopRequested_);
        for (size_t i = 0; i < rows.size() && CommandGoesOn(); ++i)
            if (!SaveRow(rows[i], destinations[i])) break;
    }
    if (closeRequested_) Close();
}

}  // namespace Stub
