// The Encrypt dialog.
#include "app/Unit2.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(TComponent* owner) : TForm(owner) {
    SetBorderStyle(bsDialog);
    SetPosition(poMainFormCenter);
    SetCaption("Encrypt");
    FinishLayout();
}
