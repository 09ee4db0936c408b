// Flat tool button without a window: a glyph above its caption, raised under the mouse, sunken while held.
#include "toolkit/controls/SpeedButton.h"

#include <windowsx.h>

#include "toolkit/graphics/ImageList.h"

namespace {
constexpr int kGlyphGap = 2;  // between the glyph and the caption
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
    width_ = 23;
    height_ = 22;
}

void TSpeedButton::SetGlyph(TImageList* images, int index) {
    images_ = images;
    glyphIndex_ = index;
    Invalidate();
}

void TSpeedButton::SetFlat(bool flat) {
    flat_ = flat;
    Invalidate();
}

void TSpeedButton::SetState(bool down, bool hot) {
    if (down == down_ && hot == hot_) return;
    down_ = down;
    hot_ = hot;
    Invalidate();
}

// Called when the mouse comes over the button.
void TSpeedButton::MouseEnter() {
    SetState(held_, true);
    TGraphicControl::MouseEnter();
}

// Called when the mouse leaves the button.
void TSpeedButton::MouseLeave() {
    SetState(false, false);
    TGraphicControl::MouseLeave();
}

void TSpeedButton::WndProc(TMessage& message) {
    const POINT p{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
    const bool inside = p.x >= 0 && p.y >= 0 && p.x < width_ && p.y < height_;
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
        held_ = true;
        SetState(true, true);
        break;
    case WM_MOUSEMOVE:
        if (held_) SetState(inside, inside);
        break;
    case WM_LBUTTONUP:
        held_ = false;
        SetState(false, inside);
        break;
    case CM_ENABLEDCHANGED:
        held_ = false;
        SetState(false, false);
        break;
    default:
        break;
    }
    TGraphicControl::WndProc(message);
}

void TSpeedButton::Paint() {
    TCanvas& canvas = Canvas();
    HDC dc = canvas.Handle();
    RECT bounds{0, 0, width_, height_};
    const bool enabled = Enabled();
    if (down_) {
        DrawEdge(dc, &bounds, BDR_SUNKENOUTER, BF_RECT);
    } else if (!flat_ || (hot_ && enabled)) {
        DrawEdge(dc, &bounds, BDR_RAISEDINNER, BF_RECT);
    }
    const int shift = down_ ? 1 : 0;
    canvas.Font().Assign(Font());
    if (!enabled) canvas.Font().SetColor(clGrayText);
    canvas.Brush().SetStyle(bsClear);
    const SIZE text = text_.empty() ? SIZE{0, 0} : canvas.TextExtent(text_);
    const bool glyph = images_ != nullptr && glyphIndex_ >= 0;
    const int glyphHeight = glyph ? images_->Height() : 0;
    const int contentHeight = glyphHeight + (glyph && text.cy > 0 ? kGlyphGap : 0) + text.cy;
    int top = (height_ - contentHeight) / 2 + shift;
    if (glyph) {
        const int left = (width_ - images_->Width()) / 2 + shift;
        ImageList_DrawEx(images_->Handle(), glyphIndex_, dc, left, top, 0, 0, CLR_NONE, GetSysColor(COLOR_BTNFACE),
                         enabled ? ILD_TRANSPARENT : ILD_BLEND50);
        top += glyphHeight + kGlyphGap;
    }
    if (text.cy > 0) canvas.TextOut((width_ - text.cx) / 2 + shift, top, text_);
}
