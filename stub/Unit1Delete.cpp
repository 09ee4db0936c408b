// Delete: a new package without the selected files, swapped in by a batch file after the stub ends.
#include "stub/Unit1.h"

#include "app/payload/CarrierTrailer.h"
#include "app/payload/FileIdentity.h"
#include "app/payload/FileSystem.h"
#include "app/payload/PathText.h"
#include "app/payload/PayloadWriter.h"
#include "app/payload/ReplacingFile.h"
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

}  // namespace

TForm1::TSwapFiles TForm1::SwapFilesOf(const std::string& package) {
    TSwapFiles files;
    files.folder = JoinPath(ParentFolder(package), "");
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

int64_t TForm1::PayloadEnd() const {
    const std::vector<TPayloadEntry>& entries = reader_->Entries();
    if (entries.empty()) return StubSize + kHeaderStart + reader_->HeaderLength();
    const TPayloadEntry& last = entries.back();
    return last.offset >= 0 && last.size >= 0 ? last.offset + last.size : -1;
}

// Copies what follows the payload (a hidden package and its carrier trailer, or any other bytes) after the
// kept rows; a trailer that pointed at the end of the payload is rewritten to point at the new end.
TPayloadResult TForm1::CopyTail(TByteStream& output, const TPieceHooks& hooks) {
    const int64_t end = PayloadEnd();
    const int64_t size = package_->Size();
    if (end < 0) return TPayloadResult::prBadEntry;
    if (end >= size) return TPayloadResult::prOk;
    int64_t hidden = -1;
    const bool carrier = FindCarrierPackage(*package_, Stub::StubSize, hidden) && hidden == end;
    const int64_t newEnd = output.Position();
    if (!package_->Seek(end)) return TPayloadResult::prReadFailed;
    if (!carrier) return CopyBytes(*package_, output, size - end, kPieceSize, hooks);
    if (!CarrierLengthFits(newEnd)) return TPayloadResult::prBadEntry;
    const TPayloadResult result = CopyBytes(*package_, output, size - end - kTrailerSize, kPieceSize, hooks);
    if (result != TPayloadResult::prOk) return result;
    return WriteCarrierTrailer(output, newEnd) ? TPayloadResult::prOk : TPayloadResult::prWriteFailed;
}

// The stub's own bytes, then a payload under the same password holding the kept rows' stored bytes as they
// are: each packed file is its own chain from the same vector, so nothing is decrypted or encrypted again.
// Whatever followed the old payload follows the new one. Kept bytes go straight from the old package into
// the new one; nothing is staged in the temp folder. Write failures are reported under shownPath.
bool TForm1::WriteReducedPackage(TReplacingFile& file, const std::string& shownPath,
                                 const std::vector<THeaderEntry>& entries, const std::vector<int>& kept) {
    TByteStream& output = file.Stream();
    const TPieceHooks hooks = RunHooks(stopRequested_, *ProgressBar1);
    ProgressBar1->SetPosition(0);
    TPayloadResult result = package_->Seek(0) ? CopyBytes(*package_, output, StubSize, kPieceSize, hooks)
                                              : TPayloadResult::prReadFailed;
    {
        // A cipher of its own: the package's stays keyed for Launch and Save As if this fails.
        TQC_blowfish cipher(nullptr);
        TPayloadWriter writer(cipher, output);
        if (result == TPayloadResult::prOk) result = writer.WriteHead(Form2->Edit1->Text(), this, entries);
    }
    for (size_t i = 0; i < kept.size() && result == TPayloadResult::prOk; ++i) {
        ProgressBar1->SetPosition(0);
        result = reader_->CopyStored(static_cast<size_t>(kept[i]), output, hooks);
    }
    if (result == TPayloadResult::prOk) result = CopyTail(output, hooks);
    ProgressBar1->SetPosition(0);
    if (result == TPayloadResult::prOk) return true;
    ReportCopyFailure(result, shownPath, file.Stream().LastError());
    return false;
}

// Writes the new package beside the old one under a unique name, then the batch, then renames the new
// package to "~" + name. False (reported, nothing of this Delete left behind) when any step fails.
bool TForm1::WriteSwapFiles(const TSwapFiles& files, const std::vector<int>& kept) {
    std::vector<THeaderEntry> entries;
    if (!KeptEntries(kept, files.newPackage, entries)) return false;
    TReplacingFile newPackage(files.newPackage);
    if (!newPackage.IsOpen()) {
        ReportWriteFailure(files.newPackage, newPackage.LastError());
        return false;
    }
    if (!WriteReducedPackage(newPackage, files.newPackage, entries, kept)) return false;
    if (!WriteTextFile(files.batch, SwapBatchText(files.name))) {
        ReportDenied(files.batch);
        return false;
    }
    copies_.Forget(files.batch);  // the batch is no temp copy, whatever row it was named after
    // A "~" file that appeared after the question is not replaced unasked.
    if ((!files.replaceNew && IsFile(files.newPackage)) || !newPackage.Commit()) {
        if (!DeleteFileA(files.batch.c_str())) ReportDenied(files.batch);
        ReportWriteFailure(files.newPackage, newPackage.LastError());
        return false;
    }
    copies_.Forget(files.newPackage);
    return true;
}

// Starts the batch; when it cannot start, the new package and the batch are removed again and it is said.
bool TForm1::StartSwap(const TSwapFiles& files) {
    if (SetSwapNames(files.name) &&
        SystemServices().ShellExecuteFile(Handle(), "", files.batch, "", files.folder, SW_HIDE) > 32)
        return true;
    DeleteFileA(files.newPackage.c_str());
    DeleteFileA(files.batch.c_str());
    ReportDenied(files.batch);
    return false;
}

void TForm1::SpeedButton3Click(TComponent*) {
    if (busy_ || !PackageOpen() || SelectedRows().empty()) return;
    if (!TempDir.empty() && SameFile(packagePath_, TempDir + kUnhiddenPackageName)) {  // the change would never reach the carrier
        ShowDialogMessage(*this, kUnhiddenPackageDelete, kProductCaption, MB_OK | MB_ICONERROR);
        return;
    }
    const int answer =
        ShowDialogMessage(*this, kConfirmDelete, kWindowCaption, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    if (answer != IDYES || !PackageOpen()) return;  // a close handled meanwhile ends the command
    TSwapFiles files = SwapFilesOf(packagePath_);
    if (!SwapCanStart(files)) return;
    // Kept: the packed rows not selected. Dropped rows have no bytes in the package and are left out.
    std::vector<int> kept;
    for (int row = 0; row < static_cast<int>(packedRows_); ++row)
        if (!ListView1->Selected(row)) kept.push_back(row);
    bool written = false;
    {
        TBusyScope busy(busy_, stopRequested_);
        EnableControls(false);
        written = WriteSwapFiles(files, kept);
        // The batch gives up after a bounded wait for the package: nothing slow may stand between its start
        // and this program's end, so the package is released and the temp copies erased before it starts.
        if (written) {
            ReleasePackage();
            StartSwap(files);
        }
        EnableControls(true);
    }
    if (written || closeRequested_) Close();
}

}  // namespace Stub
