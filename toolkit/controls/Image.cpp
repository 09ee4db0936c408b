// A picture painted by the parent, optionally with its key colour left out so the background shows through.
#include "toolkit/controls/Image.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
    width_ = 105;
    height_ = 105;
}

bool TImage::LoadFromResourceName(HINSTANCE module, const char* name) {
    const bool loaded = picture_.LoadFromResourceName(module, name);
    if (!loaded) picture_.SetSize(0, 0);
    Invalidate();
    return loaded;
}

void TImage::SetTransparent(bool transparent) {
    if (transparent == picture_.Transparent()) return;
    picture_.SetTransparent(transparent);
    Invalidate();
}

// Top-left, clipped to the control's bounds by the parent.
void TImage::Paint() { Canvas().Draw(0, 0, picture_); }
