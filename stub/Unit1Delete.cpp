// Delete: a new package without the selected files, swapped in by a batch file after the stub ends.
#include "stub/Unit1.h"

#include "app/payload/FileIdentity.h"
#include "app/payload/FileSystem.h"
#include "app/payload/PathText.h"
#include "app/payload/PayloadWriter.h"
#include "app/shared/BusyScope.h"
#include "app/shared/MessageBoxes.h"
#include "app/shared/RunHooks.h"
#include "app/payload/StubSize.h"
#include "stub/StubTexts.h"
#include "stub/SwapBatch.h"
#include "stub/Unit2.h"
#include "toolkit/system/SystemServices.h"

namespace Stub {

namespace {

// Writes the text and flushes it; a file that was created but not written whole is removed again.
bool WriteTextFile(const std::string& path, const std::string& text) {
    bool written = false;
    {
        TWin32FileStream file(path, TFileMode::fmCreate);
        if (!file.IsOpen()) return false;
        const auto size = static_cast<int32_t>(text.size());
        written = file.Write(text.data(), size) == size && file.Flush();
    }
    if (!written) DeleteFileA(path.c_str());
    return written;
}

// A new empty file in the folder under a name that no other run is using; empty when none could be made.
std::string CreateUniqueFile(const std::string& folder) {
    char path[MAX_PATH] = {};
    return GetTempFileNameA(folder.c_str(), "~qv", 0, path) != 0 ? std::string(path) : std::string();
}

}  // namespace

TForm1::TSwapFiles TForm1::SwapFilesOf(const std::string& package) {
    TSwapFiles files;
    files.folder = JoinPath(RowFolder(package), "");
    files.name = BareFileName(package);
    files.newPackage = files.folder + "~" + files.name;
    files.batch = files.folder + kSwapBatchName;
    return files;
}

// Refuses, saying why, a swap that cannot succeed; asks before the new package or the batch replaces a file
// that is there already.
bool TForm1::SwapCanStart(TSwapFiles& files) {
    if (IsReadOnly(packagePath_)) {
        ShowDialogMessage(*this, ReadOnlyPackageText(packagePath_), kProductCaption, MB_OK | MB_ICONERROR);
        return false;
    }
    for (const std::string* path : {&files.newPackage, &files.batch}) {
        if (FindAlias(*path, {packagePath_}).result != TAliasResult::arNone) {
            ReportDenied(*path);
            return false;
        }
    }
    files.replaceNew = IsFile(files.newPackage);
    if (files.replaceNew && !OverwriteAgreed(files.newPackage)) return false;
    return !IsFile(files.batch) || OverwriteAgreed(files.batch);
}

// The entries of the new header; false (reported) when a kept row cannot be written into a package.
bool TForm1::KeptEntries(const std::vector<int>& kept, const std::string& shownPath,
                         std::vector<THeaderEntry>& entries) {
    for (int row : kept) {
        if (!RowInPackage(row)) {  // a package that lies about a kept row cannot be rewritten
            ReportDenied(shownPath);
            return false;
        }
        entries.push_back({ListView1->Row(row).Caption, ListView1->Row(row).SubItems.at(0)});
    }
    if (CheckHeadEntries(entries) == TPayloadResult::prOk) return true;
    ReportDenied(shownPath);
    return false;
}

// The stub's own bytes, then a payload under the same password holding the kept rows' stored bytes as they
// are: each packed file is its own chain from the same vector, so nothing is decrypted or encrypted again.
// Kept bytes go straight from the old package into the new one, which is flushed to the disk before it counts
// as written; nothing is staged in the temp folder. Failures are reported under shownPath.
bool TForm1::WriteReducedPackage(const std::string& path, const std::string& shownPath,
                                 const std::vector<THeaderEntry>& entries, const std::vector<int>& kept) {
    TPayloadResult result = TPayloadResult::prWriteFailed;
    {
        TWin32FileStream output(path, TFileMode::fmCreate);
        const TPieceHooks hooks = RunHooks(stopRequested_, *ProgressBar1);
        ProgressBar1->SetPosition(0);
        if (output.IsOpen() && package_->Seek(0)) result = CopyBytes(*package_, output, StubSize, kPieceSize, hooks);
        // A cipher of its own: the package's stays keyed for Launch and Save As if this fails.
        TQC_blowfish cipher(nullptr);
        TPayloadWriter writer(cipher, output);
        if (result == TPayloadResult::prOk) result = writer.WriteHead(Form2->Edit1->Text(), this, entries);
        for (size_t i = 0; i < kept.size() && result == TPayloadResult::prOk; ++i) {
            ProgressBar1->SetPosition(0);
            result = reader_->CopyStored(static_cast<size_t>(kept[i]), output, hooks);
        }
        if (result == TPayloadResult::prOk && !output.Flush()) result = TPayloadResult::prWriteFailed;
        ProgressBar1->SetPosition(0);
    }
    if (result == TPayloadResult::prOk) return true;
    if (result != TPayloadResult::prStopped) ReportDenied(shownPath);
    return false;
}

// Writes the new package under a unique name, then the batch; renames the new package to "~" + name and
// starts the batch. False (reported, nothing of this Delete left behind) when any step fails.
bool TForm1::WriteAndStartSwap(const TSwapFiles& files, const std::vector<int>& kept) {
    std::vector<THeaderEntry> entries;
    if (!KeptEntries(kept, files.newPackage, entries)) return false;
    // What this Delete has written, removed again when a later step fails: the old package stays as it was.
    std::vector<std::string> written;
    auto undo = [&written] {
        for (const std::string& path : written) DeleteFileA(path.c_str());
    };
    auto fail = [&](const std::string& shownPath) {
        undo();
        ReportDenied(shownPath);
        return false;
    };
    const std::string unique = CreateUniqueFile(files.folder);
    if (unique.empty()) return fail(files.newPackage);
    written.push_back(unique);
    if (!WriteReducedPackage(unique, files.newPackage, entries, kept)) {
        undo();  // reported there, or stopped
        return false;
    }
    if (!WriteTextFile(files.batch, SwapBatchText(files.name))) return fail(files.batch);
    written.push_back(files.batch);
    copies_.Forget(files.batch);  // the batch is no temp copy, whatever row it was named after
    const DWORD replace = files.replaceNew ? MOVEFILE_REPLACE_EXISTING : 0;
    if (!MoveFileExA(unique.c_str(), files.newPackage.c_str(), replace | MOVEFILE_WRITE_THROUGH))
        return fail(files.newPackage);
    written.front() = files.newPackage;
    copies_.Forget(files.newPackage);
    if (!SetSwapNames(files.name) ||
        SystemServices().ShellExecuteFile(Handle(), "", files.batch, "", files.folder, SW_HIDE) <= 32) {
        return fail(files.batch);
    }
    return true;
}

void TForm1::SpeedButton3Click(TComponent*) {
    if (busy_ || !PackageOpen()) return;
    const int answer = ShowDialogMessage(*this, kConfirmDelete, kWindowCaption, MB_YESNO | MB_ICONQUESTION);
    if (answer != IDYES || !PackageOpen()) return;  // a close handled meanwhile ends the command
    TSwapFiles files = SwapFilesOf(packagePath_);
    if (!SwapCanStart(files)) return;
    // Kept: the packed rows not selected. Dropped rows have no bytes in the package and are left out.
    std::vector<int> kept;
    for (int row = 0; row < static_cast<int>(packedRows_); ++row)
        if (!ListView1->Selected(row)) kept.push_back(row);
    bool started = false;
    {
        TBusyScope busy(busy_, stopRequested_);
        EnableControls(false);
        started = WriteAndStartSwap(files, kept);
        EnableControls(true);
    }
    // The batch waits for this program to release the package, which closing the window does.
    if (started || closeRequested_) Close();
}

}  // namespace Stub
