// The password prompt of a package: one masked field, OK and Cancel.
#include "stub/Unit2.h"

#include "app/payload/DecimalText.h"
#include "app/shared/MessageBoxes.h"
#include "stub/StubTexts.h"
#include "stub/Unit1.h"
#include "toolkit/forms/PlaceControl.h"

namespace Stub {

TForm2* Form2 = nullptr;

TForm2::TForm2(TComponent* owner) : TForm(owner) {
    SetName("Form2");
    SetCaption("");
    SetBorderStyle(bsDialog);
    SetBorderIcons(0);
    SetPosition(poScreenCenter);
    SetClientWidth(281);
    SetClientHeight(96);
    SetKeyPreview(true);

    Label1 = PlaceControl<TLabel>(this, this, 8, 10, 80, 13, "Enter Password:");
    Edit1 = PlaceControl<TEdit>(this, this, 8, 28, 265, 21);
    Edit1->SetPasswordChar('*');
    Edit1->SetTabStop(true);
    Button1 = PlaceControl<TButton>(this, this, 117, 62, 75, 25, "OK");
    Button2 = PlaceControl<TButton>(this, this, 198, 62, 75, 25, "Cancel");
    Edit1->SetTabOrder(0);
    SetActiveControl(Edit1);

    OnKeyDown = MethodOf<&TForm2::FormKeyDown>(this);
    Button1->OnClick = MethodOf<&TForm2::Button1Click>(this);
    Button2->OnClick = MethodOf<&TForm2::Button2Click>(this);
    FinishLayout();
}

void TForm2::FormKeyDown(TComponent*, std::uint16_t& key, TShiftState) {
    if (key == VK_RETURN) {
        key = 0;
        Button1->Click();
    }
    if (key == VK_ESCAPE) {
        key = 0;
        Button2->Click();
    }
}

void TForm2::Button1Click(TComponent*) {
    if (Edit1->Text().empty()) {  // blanks are a password the Encrypt dialog accepts
        ShowDialogMessage(*this, kEnterPassword, kErrorCaption, MB_OK | MB_ICONERROR);
        Edit1->SetFocus();
        return;
    }
    Form1->OpenPackage(Edit1->Text());
}

void TForm2::Button2Click(TComponent*) { Form1->EndProgram(); }

}  // namespace Stub
