// Opening the package: the password check against the package's own file and the list of its files.
#include "stub/Unit1.h"

#include "app/shared/MessageBoxes.h"
#include "app/payload/StubSize.h"
#include "stub/StubTexts.h"
#include "stub/Unit2.h"
#include "toolkit/core/Scoped.h"

namespace Stub {

void TForm1::OpenPackage(const std::string& password) {
    if (PackageOpen()) return;
    auto package = std::make_unique<TWin32FileStream>(packagePath_, TFileMode::fmOpenRead);
    if (!package->IsOpen()) {
        ShowAccessDenied(*this, packagePath_, kErrorCaption);
        EndProgram();
        return;
    }
    if (package->Size() == StubSize) {  // the bare stub: no payload
        EndProgram();
        return;
    }
    // The reader scrubs the cipher when it goes, so a refused attempt leaves it unkeyed.
    auto reader = std::make_unique<TPayloadReader>(*QC_blowfish1, *package, StubSize);
    if (reader->CheckPassword(password, this) != TPayloadResult::prOk) {
        ShowDialogMessage(*Form2, kTryAgain, kErrorCaption, MB_OK | MB_ICONERROR);
        Form2->Edit1->SetFocus();
        Form2->Edit1->SelectAll();
        return;
    }
    // A length field that is no length of a header inside this file is a wrong password too.
    if (reader->ReadHeader() != TPayloadResult::prOk) {
        ShowDialogMessage(*Form2, kWrongPassword, kErrorCaption, MB_OK | MB_ICONERROR);
        Form2->Edit1->SetFocus();
        return;
    }
    package_ = std::move(package);
    reader_ = std::move(reader);
    packedRows_ = reader_->Entries().size();
    {
        const TUpdateScope listUpdate(*ListView1);
        ListView1->Clear();
        for (const TPayloadEntry& entry : reader_->Entries()) ListView1->Add(TListRow{entry.name, {entry.sizeText}, -1, kRowImage});
    }
    UpdateTotals();
    Form2->SetModalResult(mrOk);
}

}  // namespace Stub
