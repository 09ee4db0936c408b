// Flat drawing of tool-bar buttons (with the separator before each) and of control-bar bands.
#include <windows.h>

#include <commctrl.h>

#include <cmath>

#include "appearance/FlatColors.h"
#include "appearance/FlatStyle.h"
#include "toolkit/controls/ControlBar.h"
#include "toolkit/controls/ToolBar.h"
#include "toolkit/graphics/ImageList.h"

namespace {

bool Usable(const TImageList* list, int index) { return list != nullptr && index != -1 && index <= list->Count() - 1; }

void FillRectIn(TCanvas& c, const RECT& r, TColor colour) {
    c.Brush().SetColor(colour);
    c.FillRect(r);
}

void Outline(TCanvas& c, int left, int top, int right, int bottom) {
    c.MoveTo(left, top);
    c.LineTo(right, top);
    c.LineTo(right, bottom);
    c.LineTo(left, bottom);
    c.LineTo(left, top);
}

// The list a button's glyph comes from; nullptr when it holds none for the button.
TImageList* GlyphSource(TToolBar& bar, int index) { return Usable(bar.Images(), index) ? bar.Images() : nullptr; }

// The list's picture on its own bitmap, over the bitmap's bottom-left colour.
void LoadGlyph(TImageList& source, int index, TBitmap& glyph) {
    glyph.SetSize(source.Width(), source.Height());
    FillRectIn(glyph.Canvas(), RECT{0, 0, glyph.Width(), glyph.Height()}, glyph.Canvas().Pixel(0, glyph.Height() - 1));
    ImageList_DrawEx(source.Handle(), index, glyph.Canvas().Handle(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_TRANSPARENT);
}

// The glyph's box in the button's bounds r: centred across (a drop-down button less its arrow), 2 below the
// top and 6 taller than the glyph.
RECT GlyphBox(TToolButton& button, RECT r, const TBitmap& glyph) {
    const int w = glyph.Width();
    if (button.Style() == tbsDropDown) r.right -= 12;
    r.left = static_cast<int>(std::nearbyint((r.right - r.left - w) / 2.0)) + r.left;
    r.top += 2;
    r.bottom = r.top + glyph.Height() + 6;
    return r;
}

// The caption's box in the button's bounds r and its DrawText format, in the canvas's font: under the glyph,
// its top moved down to centre one line.
RECT CaptionBox(TCanvas& c, TToolButton& button, RECT r, UINT& format) {
    if (button.Style() == tbsDropDown) r.right -= 12;
    format = DT_CENTER;
    r.top = r.bottom - c.TextHeight(button.Caption()) - 6;
    if (button.BiDiMode() == bdRightToLeft) format |= DT_RTLREADING;
    if (button.Down() && !button.Enabled()) InflateRect(&r, -1, -1);
    r.top += (r.bottom - r.top - c.TextHeight("W")) / 2;
    return r;
}

// A button's fill in its state, and whether it is painted and framed.
struct TFaceFill {
    TColor Color;
    bool Filled;
    bool Framed;
};

TFaceFill FaceFillOf(const TColorScheme& s, TToolBar& bar, TToolButton& button, TCustomDrawState state,
                     TColor background, TColor hotFill) {
    TFaceFill face{background, false, false};
    if (state & cdsHot) {
        const bool held = (state & cdsChecked) || button.Down() || (state & cdsSelected);
        face = TFaceFill{held ? s.SchemeCheckBackSelectColor : hotFill, true, true};
    }
    if ((state & cdsChecked) && !(state & cdsHot)) face = TFaceFill{s.SchemeCheckBackColor, true, true};
    if ((state & cdsIndeterminate) && !(state & cdsHot)) {
        face.Color = hotFill;
        face.Filled = true;
    }
    if (button.MenuItem() != nullptr && state == 0) {
        face.Color = bar.Color();
        face.Filled = true;
    }
    return face;
}

// The separator just before the button: the bar's background, with a line down its middle when its Tag is
// positive.
void PaintSeparatorBefore(TCanvas& c, TToolBar& bar, TToolButton& button, TColor background) {
    const int position = button.Index();
    if (position <= 0 || !bar.Buttons(position - 1)->IsSeparator()) return;
    TToolButton* separator = bar.Buttons(position - 1);
    RECT r = separator->BoundsRect();
    c.Brush().SetColor(background);
    c.FillRect(r);
    if (separator->Tag() <= 0) return;
    r.top += 2;
    r.bottom -= 1;
    c.Pen().SetColor(DarkenColor(bar.Color(), 30));
    const int x = r.left + (r.right - r.left) / 2;
    c.MoveTo(x, r.top);
    c.LineTo(x, r.bottom);
}

}  // namespace

// Where a tool button's parts go, worked out once before it is painted.
struct TFlatStyle::TToolButtonLayout {
    RECT Bounds;         // the whole button
    RECT Face;           // the state's fill: the button less its top row
    RECT Glyph;          // the glyph's box
    RECT Caption;        // the caption's box (with captions shown)
    UINT CaptionFormat;  // the caption's DrawText format
};

void TFlatStyle::HandleToolButtonDraw(TToolBar* bar, TToolButton* button, TCustomDrawState state, bool& defaultDraw) {
    defaultDraw = false;
    if (bar == nullptr || button == nullptr) return;
    TCanvas& c = bar->Canvas();
    if (schemeDirty_) BuildColorScheme(c);
    TBitmap glyph;
    TImageList* images = GlyphSource(*bar, button->ImageIndex());
    if (images != nullptr) LoadGlyph(*images, button->ImageIndex(), glyph);
    const TToolButtonLayout at = LayOutToolButton(c, *bar, *button, glyph);
    const TColor background = scheme_.HighColor ? LightenColor(bar->Color(), 16) : bar->Color();

    PaintToolButtonFace(c, at, *bar, *button, state, background);
    if (button->Style() == tbsDropDown) {
        c.Pen().SetColor(clBlack);
        PaintDropArrow(c, at.Bounds.right - 10, at.Bounds.top + (at.Bounds.bottom - at.Bounds.top - 3) / 2 + 1);
    }
    const bool selected = (state & cdsSelected) != 0;
    if (images != nullptr)
        PaintGlyph(c, false, false, (state & cdsChecked) != 0, button->Enabled(), selected, (state & cdsHot) != 0,
                   at.Glyph, glyph, TItemHost::ToolButton);
    if (bar->ShowCaptions())
        PaintItemText(button->Caption(), at.CaptionFormat, button->BiDiMode() == bdRightToLeft,
                      button->MenuItem() != nullptr, false, button->Enabled(), selected, at.Caption, c, "", nullptr,
                      TItemHost::ToolButton);
    PaintSeparatorBefore(c, *bar, *button, background);
}

// The button's layout; sets the style's font on the canvas when the bar shows captions, to measure them by.
TFlatStyle::TToolButtonLayout TFlatStyle::LayOutToolButton(TCanvas& c, TToolBar& bar, TToolButton& button,
                                                           const TBitmap& glyph) {
    TToolButtonLayout at{};
    at.Bounds = button.BoundsRect();
    at.Face = at.Bounds;
    at.Face.top += 1;
    at.Glyph = GlyphBox(button, at.Bounds, glyph);
    if (bar.ShowCaptions()) {
        c.Font().Assign(font_);
        at.Caption = CaptionBox(c, button, at.Bounds, at.CaptionFormat);
    }
    return at;
}

// The bar's background over the button, the state's fill and frame, and a menu button's pressed look.
void TFlatStyle::PaintToolButtonFace(TCanvas& c, const TToolButtonLayout& at, TToolBar& bar, TToolButton& button,
                                     TCustomDrawState state, TColor background) {
    c.Brush().SetColor(background);
    c.FillRect(at.Bounds);
    const TColor hotFill =
        (scheme_.HighColor && !useSystemColors_) ? LightenColor(selectColor_, 68) : scheme_.SchemeSelectColor;
    const TFaceFill face = FaceFillOf(scheme_, bar, button, state, background, hotFill);
    c.Brush().SetColor(face.Color);  // a disabled caption's bitmap takes the brush as it is left here
    if (face.Filled) c.FillRect(at.Face);
    if (face.Framed) {
        const RECT& b = at.Bounds;
        c.Pen().SetColor(scheme_.SchemeSelectBorderColor);
        if (button.Style() == tbsDropDown) {
            Outline(c, b.left, b.top + 1, b.right - 14, b.bottom - 1);
            Outline(c, b.right - 14, b.top + 1, b.right - 1, b.bottom - 1);
        } else {
            Outline(c, b.left, b.top + 1, b.right - 1, b.bottom - 1);
        }
    }
    if (button.MenuItem() != nullptr && (state & cdsSelected))
        PaintSelectedTopItem(TItemHost::ToolButton, c, at.Face, bar.Color(), false);
}

void TFlatStyle::HandleBandPaint(TComponent* sender, TControl*, TCanvas& c, RECT& rect, TBandPaintOptions& options) {
    auto* bar = dynamic_cast<TControlBar*>(sender);
    if (schemeDirty_) BuildColorScheme(c);
    options = 0;
    if (bar == nullptr) return;
    FillRectIn(c, rect, scheme_.HighColor ? LightenColor(bar->Color(), 6) : bar->Color());
    int p = 30;
    for (int y = rect.top + 5; y <= rect.bottom - 5; ++y) {
        c.Pen().SetColor(DarkenColor(bar->Color(), p));
        if (y % 2 != 0) continue;
        c.MoveTo(rect.left + 3, y);
        c.LineTo(rect.left + 6, y);
        p += 7;
    }
}
