// Scroll box: a framed container for other controls.
#include "toolkit/controls/ScrollBox.h"

TScrollBox::TScrollBox(TComponent* owner) : TWinControl(owner) {
    width_ = 185;
    height_ = 41;
}

void TScrollBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WindowClass = kToolkitWindowClass;
    params.Style |= WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}
