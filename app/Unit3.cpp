// The About window.
#include "app/Unit3.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(TComponent* owner) : TForm(owner) {
    SetBorderStyle(bsDialog);
    SetPosition(poMainFormCenter);
    SetCaption("About");
    FinishLayout();
}
