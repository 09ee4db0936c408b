// Tool button without a window: a glyph beside its caption, raised under the mouse, sunken while held or latched
// down; buttons of one group on one parent latch one at a time.
#include "toolkit/controls/SpeedButton.h"

#include <windowsx.h>

#include "toolkit/controls/WinControl.h"
#include "toolkit/graphics/ImageList.h"

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
    width_ = 23;
    height_ = 22;
}

void TSpeedButton::SetGlyph(TImageList* images, int index) {
    images_ = images;
    glyphIndex_ = index;
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int count) {
    numGlyphs_ = count < 1 ? 1 : count;
    Invalidate();
}

int TSpeedButton::GlyphImage(bool enabled, bool held, bool down) const {
    int image = 0;
    if (!enabled && numGlyphs_ > 1) image = 1;
    if (held && numGlyphs_ > 2) image = 2;
    if (down && numGlyphs_ > 3) image = 3;
    return image;
}

void TSpeedButton::SetLayout(TButtonLayout layout) {
    layout_ = layout;
    Invalidate();
}

void TSpeedButton::SetSpacing(int spacing) {
    spacing_ = spacing;
    Invalidate();
}

void TSpeedButton::SetFlat(bool flat) {
    flat_ = flat;
    Invalidate();
}

void TSpeedButton::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Invalidate();
}

void TSpeedButton::SetGroupIndex(int index) {
    groupIndex_ = index;
    UpdateGroup();
}

void TSpeedButton::SetAllowAllUp(bool allow) {
    allowAllUp_ = allow;
    UpdateGroup();
}

void TSpeedButton::SetDown(bool down) {
    if (groupIndex_ == 0) down = false;
    if (down == down_) return;
    if (down_ && !allowAllUp_) return;  // the down button of its group stays down
    down_ = down;
    UpdateGroup();
    Invalidate();
}

void TSpeedButton::UpdateGroup() {
    TWinControl* parent = Parent();
    if (groupIndex_ == 0 || parent == nullptr) return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* other = dynamic_cast<TSpeedButton*>(parent->Controls(i));
        if (other == nullptr || other == this || other->groupIndex_ != groupIndex_) continue;
        if (down_ && other->down_) {
            other->down_ = false;
            other->Invalidate();
        }
        other->allowAllUp_ = allowAllUp_;
    }
}

void TSpeedButton::SetState(bool pressed, bool hot) {
    if (pressed == pressed_ && hot == hot_) return;
    pressed_ = pressed;
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
        if (held_ && inside) SetDown(!down_);  // before the click, which may read Down
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
    const bool sunken = pressed_ || down_;
    if (!transparent_) {
        canvas.Brush().SetColor(clBtnFace);
        canvas.FillRect(bounds);
    }
    if (sunken) {
        DrawEdge(dc, &bounds, BDR_SUNKENOUTER, BF_RECT);
    } else if (!flat_ || (hot_ && enabled)) {
        DrawEdge(dc, &bounds, BDR_RAISEDINNER, BF_RECT);
    }
    const int shift = sunken ? 1 : 0;
    canvas.Font().Assign(Font());
    if (!enabled) canvas.Font().SetColor(clGrayText);
    canvas.Brush().SetStyle(bsClear);
    const SIZE text = text_.empty() ? SIZE{0, 0} : canvas.TextExtent(text_);
    SIZE glyph{0, 0};
    if (glyph_.Width() > 0) {
        glyph = SIZE{glyph_.Width() / numGlyphs_, glyph_.Height()};
    } else if (images_ != nullptr && glyphIndex_ >= 0) {
        glyph = SIZE{images_->Width(), images_->Height()};
    }
    const int spacing = glyph.cx > 0 && text.cy > 0 ? spacing_ : 0;
    TGlyphPlacement place = PlaceGlyphAndCaption(layout_, SIZE{width_, height_}, glyph, text, spacing);
    OffsetRect(&place.Glyph, shift, shift);
    if (glyph.cx > 0) PaintGlyph(place.Glyph);
    if (text.cy > 0) canvas.TextOut(place.Caption.left + shift, place.Caption.top + shift, text_);
}

// Draws the glyph of the current state with its left-out colour, or the list's picture.
void TSpeedButton::PaintGlyph(const RECT& rect) {
    const bool enabled = Enabled();
    if (glyph_.Width() <= 0) {
        ImageList_DrawEx(images_->Handle(), glyphIndex_, Canvas().Handle(), rect.left, rect.top, 0, 0, CLR_NONE,
                         GetSysColor(COLOR_BTNFACE), enabled ? ILD_TRANSPARENT : ILD_BLEND50);
        return;
    }
    TBitmap image;
    CutGlyphImage(glyph_, numGlyphs_, GlyphImage(enabled, pressed_, down_), image);
    image.SetTransparent(true);
    Canvas().Draw(rect.left, rect.top, image);
}
