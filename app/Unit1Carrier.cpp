// The carrier commands: Unhide files copies a carrier's package into the temp folder and starts it; Clear cuts it off.
#include "app/CarrierPackage.h"
#include "app/HideRecord.h"
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

// The carrier could not be opened: the system says why (in use, read-only, access denied).
std::string CarrierNotOpenedText(uint32_t error) {
    return "The carrier file could not be opened: " + SystemErrorText(error) + "\r" + CarrierFile;
}

std::string UnfinishedHideText() {
    return "This file holds part of a package from a hide that did not finish. Clear gives the file back at its "
           "own length.\r" + CarrierFile;
}

// The stub this program writes into packages; 0 when it is not there to measure.
int64_t KnownStubSize() {
    int64_t size = 0;
    return MeasureFile(StubPath(), size) ? size : 0;
}

// True when a hide into the carrier did not finish: its record is there and the carrier is not the whole
// carrier it records (with a stub of stubSize). length receives the carrier's own length. A record of a
// finished hide is dropped.
bool UnfinishedHide(TByteStream& carrier, int64_t stubSize, int64_t& length) {
    int64_t recorded = 0;
    if (!ReadHideRecord(CarrierFile, recorded) || recorded > carrier.Size()) return false;
    int64_t start = 0;
    if (FindCarrierPackage(carrier, stubSize, start) && start == recorded) {
        DropHideRecord(CarrierFile);
        return false;
    }
    length = recorded;
    return true;
}

// What a copy that did not end whole tells the user: the carrier stopped being readable, the package of the
// last Unhide files still runs, or the temp package could not be written.
std::string ExtractFailureText(TExtractResult result, uint32_t error) {
    if (result == TExtractResult::erReadShort) return AccessDeniedText(CarrierFile);
    if (result == TExtractResult::erNotCreated && error == ERROR_SHARING_VIOLATION)
        return "The package of the last Unhide files is still running; close it first.\r" + TempDir + kPackageName;
    return WriteFailureText(kPackageName, error);
}

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
    closing_ = false;
    CarrierFile = ShellTreeView1->Path();
    if (!IsFile(CarrierFile)) {
        if (!CarrierFile.empty() && !IsFolder(CarrierFile))
            ShowCaptionedMessage(NotFoundText(CarrierFile), MB_OK | MB_ICONERROR);
        return;
    }
    // Never the current folder: the package would be written and started wherever that is.
    if (TempDir.empty() || !IsFolder(TempDir)) {
        ReportCarrierFailure("There is no usable temp folder to start the package from; nothing was written.");
        return;
    }
    const std::string package = TempDir + kPackageName;
    TExtractResult result = TExtractResult::erNotCreated;
    uint32_t writeError = 0;
    {
        TWin32FileStream carrier(CarrierFile, TFileMode::fmOpenRead);
        if (!carrier.IsOpen()) return ReportCarrierFailure(CarrierNotOpenedText(carrier.LastError()));
        int64_t start = 0;
        const int64_t stubSize = KnownStubSize();
        if (UnfinishedHide(carrier, stubSize, start)) {
            ShowCaptionedMessage(UnfinishedHideText(), MB_OK | MB_ICONWARNING);
            SetClearEnabled(true);
            return;
        }
        if (!FindCarrierPackage(carrier, stubSize, start)) return ReportCarrierFailure(InvalidCarrierText());
        // The copy replaces the temp package: never when the carrier is that very file under any name, and
        // a file there that this run did not write only after a Yes.
        if (FindAlias(package, {CarrierFile}).result == TAliasResult::arNone) {
            TBusyScope busy(carrierBusy_);
            if (IsFile(package) && !tempCopies_.Wrote(package) &&
                ShowCaptionedMessage(AlreadyExistsQuestion(package, "Overwrite?"), MB_YESNO | MB_ICONQUESTION) != IDYES) {
                DropCarrier();
                return;
            }
            result = ExtractCarrierPackage(carrier, start, package, [this] { ProcessMessages(); }, &writeError,
                                           [this] { return closing_; });
            if (result == TExtractResult::erDone) tempCopies_.Remember(package);
        }
    }
    ProcessMessages();
    if (closing_) return;  // the window closed during the copy: nothing is started
    if (result != TExtractResult::erDone) return ReportCarrierFailure(ExtractFailureText(result, writeError));
    SetClearEnabled(true);
    Application->Minimize();
    const INT_PTR started =
        SystemServices().ShellExecuteFile(Application->Handle(), "open", kPackageName, "", TempDir, SW_SHOWNORMAL);
    if (started <= 32) ShowCaptionedMessage("The package could not be started.\r" + package, MB_OK | MB_ICONERROR);
}

// Called by "Clear": after a Yes, the carrier is cut back to its own length and the extracted package wiped.
void TForm1::Clear1Click(TComponent*) {
    if (CarrierFile.empty() || carrierBusy_) return;
    if (ShowCaptionedMessage("Are you sure you want to clear the carrier file:\r" + CarrierFile,
                             MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    {
        TWin32FileStream carrier(CarrierFile, TFileMode::fmOpenReadWrite);
        if (!carrier.IsOpen()) return ReportCarrierFailure(CarrierNotOpenedText(carrier.LastError()));
        int64_t length = 0;
        const int64_t stubSize = KnownStubSize();
        const bool unfinished = UnfinishedHide(carrier, stubSize, length);
        // The trailer read now counts, and a whole package must still begin where it points; it never lies
        // beyond the file, so the carrier only ever gets shorter. Every package hidden in turn goes.
        if (!unfinished && !FindCarrierPackage(carrier, stubSize, length))
            return ReportCarrierFailure(InvalidCarrierText());
        do {
            if (!carrier.SetSize(length))
                return ReportCarrierFailure(WriteFailureText(CarrierFile, carrier.LastError()));
        } while (!unfinished && FindCarrierPackage(carrier, stubSize, length));
        if (unfinished) DropHideRecord(CarrierFile);
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
