// The carrier commands: Unhide files copies a carrier's package into the temp folder and starts it; Clear cuts it off.
#include "app/CarrierPackage.h"
#include "app/Unit1.h"
#include "app/payload/CarrierTrailer.h"
#include "app/payload/FileIdentity.h"
#include "app/payload/FileSystem.h"
#include "app/payload/Win32FileStream.h"
#include "app/payload/WriteFailure.h"
#include "app/shared/MessageTexts.h"
#include "app/shared/BusyScope.h"
#include "toolkit/forms/Application.h"
#include "toolkit/system/SystemServices.h"

namespace {

const char kPackageName[] = "QVL.exe";

std::string InvalidCarrierText() { return "Invalid carrier file.\r" + CarrierFile; }

}  // namespace

void TForm1::SetClearEnabled(bool enabled) {
    Clear1->SetEnabled(enabled);
    Clear2->SetEnabled(enabled);
}

// The ending of every failed carrier command: no carrier taken.
void TForm1::DropCarrier() {
    CarrierFile.clear();
    SetClearEnabled(false);
}

void TForm1::ReportCarrierFailure(const std::string& text) {
    ShowCaptionedMessage(text, MB_OK | MB_ICONERROR);
    DropCarrier();
}

// Called by "Unhide files": the package of the carrier selected in the tree goes to the temp folder and starts.
void TForm1::Unhidefiles1Click(TComponent*) {
    if (carrierBusy_) return;  // the copy under way lets messages run; a second one waits for it
    CarrierFile = ShellTreeView1->Path();
    if (!IsFile(CarrierFile)) return;
    const std::string package = TempDir + kPackageName;
    TExtractResult result = TExtractResult::erNotCreated;
    uint32_t writeError = 0;
    {
        TWin32FileStream carrier(CarrierFile, TFileMode::fmOpenRead);
        int64_t start = 0;
        if (!carrier.IsOpen() || !FindCarrierPackage(carrier, start)) {
            ReportCarrierFailure(InvalidCarrierText());
            return;
        }
        // The copy replaces the temp package: never when the carrier is that very file under any name, and
        // a file there that this run did not write only after a Yes.
        if (FindAlias(package, {CarrierFile}).result == TAliasResult::arNone) {
            TBusyScope busy(carrierBusy_);
            if (IsFile(package) && !tempCopies_.Wrote(package) &&
                ShowCaptionedMessage(AlreadyExistsQuestion(package, "Overwrite?"), MB_YESNO | MB_ICONQUESTION) != IDYES) {
                DropCarrier();
                return;
            }
            result = ExtractCarrierPackage(carrier, start, package, [this] { ProcessMessages(); }, &writeError);
            if (result == TExtractResult::erDone) tempCopies_.Remember(package);
        }
    }
    ProcessMessages();
    if (result != TExtractResult::erDone) {
        // A carrier that stopped being readable is named; otherwise the temp package could not be written.
        ReportCarrierFailure(result == TExtractResult::erReadShort ? AccessDeniedText(CarrierFile)
                                                                   : WriteFailureText(kPackageName, writeError));
        return;
    }
    SetClearEnabled(true);
    Application->Minimize();
    SystemServices().ShellExecuteFile(Application->Handle(), "open", kPackageName, "", TempDir, SW_SHOWNORMAL);
}

// Called by "Clear": after a Yes, the carrier is cut back to its own length and the extracted package wiped.
void TForm1::Clear1Click(TComponent*) {
    if (CarrierFile.empty() || carrierBusy_) return;
    if (ShowCaptionedMessage("Are you sure you want to clear the carrier file:\r" + CarrierFile,
                             MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    {
        TWin32FileStream carrier(CarrierFile, TFileMode::fmOpenReadWrite);
        int64_t length = 0;
        // The trailer read now counts, and a package must still begin where it points; it never lies beyond
        // the file, so the carrier only ever gets shorter.
        if (!carrier.IsOpen() || !FindCarrierPackage(carrier, length)) {
            ReportCarrierFailure(InvalidCarrierText());
            return;
        }
        if (!carrier.SetSize(length)) {
            ReportCarrierFailure(WriteFailureText(CarrierFile, carrier.LastError()));
            return;
        }
    }
    ProcessMessages();
    SetClearEnabled(false);
    ShowCaptionedMessage("File \"" + CarrierFile + "\" is clear.", MB_OK | MB_ICONINFORMATION);
    CarrierFile.clear();
    EraseExtractedPackage();
}

// Erases the temp package only while it is the file Unhide files wrote there; one still in use when Clear
// ran is tried again on close.
void TForm1::EraseExtractedPackage() {
    const std::string package = TempDir + kPackageName;
    if (tempCopies_.Wrote(package)) EraseFile(package);
}
