// Scroll box: a framed container for other controls.
#include "toolkit/controls/ScrollBox.h"

TScrollBox::TScrollBox(TComponent* owner) : TOwnContainer(owner) {
    width_ = 185;
    height_ = 41;
}

void TScrollBox::CreateParams(TCreateParams& params) {
    TOwnContainer::CreateParams(params);
    params.ExStyle |= WS_EX_CLIENTEDGE;
}
