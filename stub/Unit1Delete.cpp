// Delete: a new package without the selected files, swapped in by a batch file after the stub ends.
#include "stub/Unit1.h"

#include "app/payload/FileIdentity.h"
#include "app/payload/PathText.h"
#include "app/payload/PayloadWriter.h"
#include "app/shared/MessageBoxes.h"
#include "app/shared/RunHooks.h"
#include "stub/BusyScope.h"
#include "stub/StubSize.h"
#include "stub/StubTexts.h"
#include "stub/SwapBatch.h"
#include "stub/Unit2.h"
#include "toolkit/system/SystemServices.h"

namespace Stub {

namespace {

bool WriteTextFile(const std::string& path, const std::string& text) {
    TWin32FileStream file(path, TFileMode::fmCreate);
    const auto size = static_cast<int32_t>(text.size());
    return file.IsOpen() && file.Write(text.data(), size) == size;
}

}  // namespace

// The stub's own bytes, then a payload under the same password holding the kept rows' stored bytes as they
// are: each packed file is its own chain from the same vector, so nothing is decrypted or encrypted again.
// Kept bytes go straight from the old package into the new one; nothing is staged in the temp folder.
bool TForm1::WriteReducedPackage(const std::string& path, const std::vector<int>& kept) {
    std::vector<THeaderEntry> entries;
    for (int row : kept) {
        if (!RowInPackage(row)) {  // a package that lies about a kept row cannot be rewritten
            ReportDenied(path);
            return false;
        }
        entries.push_back({ListView1->Row(row).Caption, ListView1->Row(row).SubItems.at(0)});
    }
    if (FindAlias(path, {packagePath_}).result != TAliasResult::arNone ||
        CheckHeadEntries(entries) != TPayloadResult::prOk) {
        ReportDenied(path);
        return false;
    }
    TPayloadResult result = TPayloadResult::prWriteFailed;
    {
        TWin32FileStream output(path, TFileMode::fmCreate);
        if (!output.IsOpen()) {
            ReportDenied(path);
            return false;
        }
        const TPieceHooks hooks = RunHooks(stopRequested_, *ProgressBar1);
        ProgressBar1->SetPosition(0);
        if (package_->Seek(0)) result = CopyBytes(*package_, output, StubSize, kPieceSize, hooks);
        // A cipher of its own: the package's stays keyed for Launch and Save As if this fails.
        TQC_blowfish cipher(nullptr);
        TPayloadWriter writer(cipher, output);
        if (result == TPayloadResult::prOk) result = writer.WriteHead(Form2->Edit1->Text(), this, entries);
        for (size_t i = 0; i < kept.size() && result == TPayloadResult::prOk; ++i) {
            ProgressBar1->SetPosition(0);
            result = reader_->CopyStored(static_cast<size_t>(kept[i]), output, hooks);
        }
        ProgressBar1->SetPosition(0);
    }
    if (result == TPayloadResult::prOk) return true;
    DeleteFileA(path.c_str());  // the old package stays as it was; no incomplete copy is left beside it
    if (result != TPayloadResult::prStopped) ReportDenied(path);
    return false;
}

void TForm1::SpeedButton3Click(TComponent*) {
    if (busy_ || !PackageOpen()) return;
    if (ShowDialogMessage(*this, kConfirmDelete, kWindowCaption, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    // Kept: the packed rows not selected. Dropped rows have no bytes in the package and are left out.
    std::vector<int> kept;
    for (int row = 0; row < static_cast<int>(packedRows_); ++row)
        if (!ListView1->Selected(row)) kept.push_back(row);
    const std::string folder = JoinPath(RowFolder(packagePath_), "");
    const std::string name = BareFileName(packagePath_);
    const std::string newPackage = folder + "~" + name;
    const std::string batch = folder + kSwapBatchName;
    bool written = false;
    {
        TBusyScope busy(busy_, stopRequested_);
        EnableControls(false);
        written = WriteReducedPackage(newPackage, kept);
        if (written && (FindAlias(batch, {packagePath_, newPackage}).result != TAliasResult::arNone ||
                        !WriteTextFile(batch, SwapBatchText(name)))) {
            DeleteFileA(newPackage.c_str());
            DeleteFileA(batch.c_str());
            ReportDenied(batch);
            written = false;
        }
        EnableControls(true);
    }
    if (!written) {
        if (closeRequested_) Close();
        return;
    }
    Close();
    SystemServices().ShellExecuteFile(Handle(), "", batch, "", folder, SW_HIDE);
}

}  // namespace Stub
