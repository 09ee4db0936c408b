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

}  // namespace

void TFlatStyle::HandleToolButtonDraw(TToolBar* bar, TToolButton* button, TCustomDrawState state, bool& defaultDraw) {
    defaultDraw = false;
    if (bar == nullptr || button == nullptr) return;
    TCanvas& c = bar->Canvas();
    const int index = button->ImageIndex();
    const bool hotUsable = Usable(bar->HotImages(), index);
    const bool disabledUsable = Usable(bar->DisabledImages(), index);
    const bool imagesUsable = Usable(bar->Images(), index);
    if (schemeDirty_) BuildColorScheme(c);
    const TColorScheme& s = scheme_;
    const TColor hotFill = (s.HighColor && !useSystemColors_) ? LightenColor(selectColor_, 68) : s.SchemeSelectColor;
    const TColor background = s.HighColor ? LightenColor(bar->Color(), 16) : bar->Color();
    const RECT b = button->BoundsRect();
    RECT r = b;
    c.Brush().SetColor(background);
    if (!bar->Transparent()) c.FillRect(r);

    TColor fill = background;
    bool filled = false;
    bool framed = false;
    if (state & cdsHot) {
        fill = ((state & cdsChecked) || button->Down() || (state & cdsSelected)) ? s.SchemeCheckBackSelectColor : hotFill;
        filled = framed = true;
    }
    if ((state & cdsChecked) && !(state & cdsHot)) {
        fill = s.SchemeCheckBackColor;
        filled = framed = true;
    }
    if ((state & cdsIndeterminate) && !(state & cdsHot)) {
        fill = hotFill;
        filled = true;
    }
    if (button->MenuItem() != nullptr && state == 0) {
        fill = bar->Color();
        if (!bar->Transparent()) filled = true;
    }
    r.top += 1;
    c.Brush().SetColor(fill);  // a disabled caption's bitmap takes the brush as it is left here
    if (filled) c.FillRect(r);
    if (framed) {
        c.Pen().SetColor(s.SchemeSelectBorderColor);
        if (button->Style() == tbsDropDown) {
            Outline(c, b.left, b.top + 1, b.right - 14, b.bottom - 1);
            Outline(c, b.right - 14, b.top + 1, b.right - 1, b.bottom - 1);
        } else {
            Outline(c, b.left, b.top + 1, b.right - 1, b.bottom - 1);
        }
    }
    if ((button->MenuItem() != nullptr || button->DropdownMenu() != nullptr) && (state & cdsSelected))
        PaintSelectedTopItem(TItemHost::ToolButton, c, r, bar->Color(), false);
    r = b;

    if (button->Style() == tbsDropDown) {
        c.Pen().SetColor(clBlack);
        PaintDropArrow(c, b.right - 10, b.top + (b.bottom - b.top - 3) / 2 + 1);
    }

    int w = 0;
    TImageList* source = nullptr;
    if ((state & cdsHot) && hotUsable) {
        source = bar->HotImages();
    } else if ((state & cdsDisabled) && disabledUsable) {
        source = bar->DisabledImages();
    } else if (imagesUsable) {
        source = bar->Images();
    }
    if (source != nullptr) {
        TBitmap glyph;
        glyph.SetSize(source->Width(), source->Height());
        FillRectIn(glyph.Canvas(), RECT{0, 0, glyph.Width(), glyph.Height()},
                   glyph.Canvas().Pixel(0, glyph.Height() - 1));
        ImageList_DrawEx(source->Handle(), index, glyph.Canvas().Handle(), 0, 0, 0, 0, CLR_NONE, CLR_NONE,
                         ILD_TRANSPARENT);
        w = glyph.Width();
        if (button->Style() == tbsDropDown) r.right -= 12;
        if (bar->List()) {
            if (button->BiDiMode() == bdRightToLeft) {
                r.right -= 3;
                r.left = r.right - w;
            } else {
                r.left += 3;
                r.right = r.left + w;
            }
        } else {
            r.left = static_cast<int>(std::nearbyint((r.right - r.left - glyph.Width()) / 2.0)) + r.left;
        }
        r.top += 2;
        r.bottom = r.top + glyph.Height() + 6;
        PaintGlyph(c, false, false, (state & cdsChecked) != 0, button->Enabled(), (state & cdsSelected) != 0,
                   (state & cdsHot) != 0, r, glyph, TItemHost::ToolButton);
    }
    r = b;

    if (bar->ShowCaptions()) {
        const bool rtl = button->BiDiMode() == bdRightToLeft;
        c.Font().Assign(font_);
        const int textHeight = c.TextHeight(button->Caption());
        UINT format = 0;
        if (button->Style() == tbsDropDown) r.right -= 12;
        if (!bar->List()) {
            format = DT_CENTER;
            r.top = r.bottom - textHeight - 6;
        } else {
            format = DT_VCENTER;
            if (rtl) {
                format = DT_VCENTER | DT_RIGHT;
                r.right -= w + 7;
            } else if (w > 0) {
                r.left += w + 6;
            }
        }
        if (button->MenuItem() != nullptr) format = DT_CENTER;
        if (rtl) format |= DT_RTLREADING;
        if (button->Down() && !button->Enabled()) InflateRect(&r, -1, -1);
        r.top += (r.bottom - r.top - c.TextHeight("W")) / 2;
        PaintItemText(button->Caption(), format, rtl, button->MenuItem() != nullptr, false, button->Enabled(),
                      (state & cdsSelected) != 0, r, c, "", nullptr, TItemHost::ToolButton);
        r = b;
    }

    const int position = button->Index();
    if (position > 0 && bar->Buttons(position - 1)->IsSeparator()) {
        TToolButton* separator = bar->Buttons(position - 1);
        r = separator->BoundsRect();
        c.Brush().SetColor(background);
        if (!bar->Transparent()) c.FillRect(r);
        if (separator->Tag() > 0) {
            r.top += 2;
            r.bottom -= 1;
            c.Pen().SetColor(DarkenColor(bar->Color(), 30));
            const int x = r.left + (r.right - r.left) / 2;
            c.MoveTo(x, r.top);
            c.LineTo(x, r.bottom);
        }
    }
    defaultDraw = false;
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
