// The Decrypt dialog.
#include "app/Unit5.h"

TForm5* Form5 = nullptr;

TForm5::TForm5(TComponent* owner) : TForm(owner) {
    SetBorderStyle(bsDialog);
    SetPosition(poMainFormCenter);
    SetCaption("Decrypt");
    Edit1 = new TEdit(this);
    Edit1->SetParent(this);
    Edit1->SetBounds(8, 8, 300, 21);
    FinishLayout();
}
