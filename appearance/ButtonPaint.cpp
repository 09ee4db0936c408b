// Flat painters of check boxes, radio buttons, push buttons, bit-map buttons and speed buttons.
#include <algorithm>

#include "appearance/ControlSubClass.h"
#include "appearance/FlatColors.h"
#include "toolkit/controls/BitBtn.h"
#include "toolkit/controls/CheckBox.h"
#include "toolkit/controls/RadioButton.h"
#include "toolkit/controls/SpeedButton.h"
#include "toolkit/graphics/ImageList.h"
#include "toolkit/graphics/ControlCanvas.h"

namespace {

// The box of a check box or radio button: full height less the margins, W wide at the side the reading
// order puts it on.
RECT MarkBox(TControl& control, int margin, int shorten) {
    const int w = GetSystemMetrics(SM_CXHTHUMB);
    RECT r = control.ClientRect();
    r.top += margin;
    r.bottom -= margin;
    r.top += (r.bottom - r.top - w) / 2;
    r.bottom = r.top + w - shorten;
    if (control.BiDiMode() == bdLeftToRight) r.right = r.left + w - 1;
    if (control.BiDiMode() == bdRightToLeft) r.left = r.right - w + 1;
    return r;
}

UINT ReadingFlags(const TControl& control) { return control.BiDiMode() == bdRightToLeft ? DT_RTLREADING : 0; }

bool Checked(TControl& control) {
    if (auto* box = dynamic_cast<TCheckBox*>(&control)) return box->Checked();
    if (auto* radio = dynamic_cast<TRadioButton*>(&control)) return radio->Checked();
    return false;
}

// Copies image index of count equal-width images into one; empty when the bitmap holds no such image.
void CutGlyph(TBitmap& source, int count, int index, TBitmap& glyph) {
    const int width = count > 0 ? source.Width() / count : 0;
    if (width <= 0 || source.Height() <= 0 || index < 0 || index >= count) return;
    glyph.SetSize(width, source.Height());
    RECT dest{0, 0, width, source.Height()};
    RECT from{index * width, 0, index * width + width, source.Height()};
    glyph.Canvas().CopyRect(dest, source.Canvas(), from);
}

// A push button's face and edge: the scheme's face (or the parent's colour lightened), lighter when hot; the
// edge takes the selection border's colour when hot or focused.
struct TButtonColors {
    TColor Face;
    TColor Edge;
};

TButtonColors ButtonColors(const TColorScheme& s, TColor parent, bool parentFace, bool hot, bool focused) {
    TButtonColors colors{parentFace ? LightenColor(parent, s.IdleLightenPercent) : s.SchemeIconBackColor,
                         clBtnShadow};
    if (hot) colors.Face = LightenColor(parentFace ? parent : clBtnFace, s.HotLightenPercent);
    if (hot || focused) colors.Edge = LightenColor(s.SchemeSelectBorderColor, 60);
    return colors;
}

}  // namespace

void TControlSubClass::PaintCheckBox() {
    TControl& box = *Control();
    const TColorScheme& s = Scheme();
    const bool held = SpaceDown || LeftButtonDown;
    TColor fill = clWindow;
    TColor pen = clBtnShadow;
    if (Hot() || IsFocused) {
        fill = s.SchemeSelectColor;
        pen = s.SchemeSelectBorderColor;
    }
    if (held) fill = s.SchemeCheckBackSelectColor;
    TControlCanvas c(&box);
    RECT r = MarkBox(box, 3, 0);
    c.Brush().SetColor(box.Color());
    c.FillRect(r);
    InflateRect(&r, -2, -2);
    c.Brush().SetColor(fill);
    c.Pen().SetColor(pen);
    c.Rectangle(r);
    if (!Checked(box)) return;
    c.Pen().SetColor(!box.Enabled() ? s.SchemeDisabledColor : (held ? clWindow : clHighlight));
    PaintTick(c, r.left, r.bottom);
}

void TControlSubClass::PaintRadioButton() {
    TControl& radio = *Control();
    const TColorScheme& s = Scheme();
    TColor fill = clWindow;
    TColor pen = clBtnShadow;
    if (Hot()) {
        fill = s.SchemeSelectColor;
        pen = s.SchemeSelectBorderColor;
    } else if (IsFocused) {
        fill = s.SchemeSelectColor;
    }
    TControlCanvas c(&radio);
    RECT r = MarkBox(radio, 4, 1);
    c.Brush().SetColor(radio.Color());
    c.FillRect(r);
    InflateRect(&r, -2, -2);
    c.Brush().SetColor(fill);
    c.Pen().SetColor(pen);
    c.Ellipse(r.left, r.top, r.right, r.bottom);
    if (!Checked(radio)) return;
    InflateRect(&r, -2, -2);
    const TColor dot = radio.Enabled() ? clHighlight : s.SchemeDisabledColor;
    c.Brush().SetColor(dot);
    c.Pen().SetColor(dot);
    c.Ellipse(r.left, r.top, r.right, r.bottom);
}

void TControlSubClass::PaintButtonFace(TCanvas& c, bool pressed, TColor face, TColor edge, bool edgeLines) {
    TControl& button = *Control();
    const RECT r = button.ClientRect();
    c.Brush().SetColor(ParentColor());
    c.FillRect(r);
    c.Brush().SetColor(face);
    c.Pen().SetColor(LightenColor(edge, 30));
    c.RoundRect(r.left, r.top, r.right, r.bottom, 4, 4);
    if (!button.Enabled() || !edgeLines) return;
    c.Pen().SetColor(DarkenColor(edge, 50));
    if (pressed) {
        c.MoveTo(r.left, r.bottom - 2);
        c.LineTo(r.left, r.top + 1);
        c.LineTo(r.left + 1, r.top);
        c.LineTo(r.right - 1, r.top);
    } else {
        c.MoveTo(r.right - 1, r.top + 1);
        c.LineTo(r.right - 1, r.bottom - 2);
        c.LineTo(r.right - 2, r.bottom - 1);
        c.LineTo(r.left, r.bottom - 1);
    }
}

void TControlSubClass::PaintCaption(TCanvas& c, const RECT& rect, UINT format) {
    TControl& control = *Control();
    if (OwnerFlatStyle == nullptr) return;
    OwnerFlatStyle->PaintItemText(control.Caption(), format | ReadingFlags(control),
                                  control.BiDiMode() == bdRightToLeft, false, false, control.Enabled(), false, rect, c,
                                  "", &control.Font());
}

namespace {

SIZE CaptionSize(TCanvas& c, TControl& control) {
    if (control.Caption().empty()) return SIZE{0, 0};
    c.Font().Assign(control.Font());
    RECT r{0, 0, 0, 0};
    c.DrawText(control.Caption(), r, DT_CALCRECT | ReadingFlags(control));
    return SIZE{r.right - r.left, r.bottom - r.top};
}

}  // namespace

void TControlSubClass::PaintButton() {
    TControl& button = *Control();
    const TButtonColors colors = ButtonColors(Scheme(), ParentColor(), button.Tag() == 1000, Hot(), IsFocused);
    const bool pressed = SpaceDown || (LeftButtonDown && Hot());
    TControlCanvas c(&button);
    PaintButtonFace(c, pressed, colors.Face, colors.Edge, true);
    const RECT client = button.ClientRect();
    const SIZE text = CaptionSize(c, button);
    const int left = (client.right - text.cx) / 2;
    const int top = (client.bottom - text.cy) / 2;
    PaintCaption(c, RECT{left, top, left + text.cx, top + text.cy}, DT_CENTER | DT_VCENTER);
}

void TControlSubClass::PaintBitButton() {
    auto& button = static_cast<TBitBtn&>(*Control());
    const int tag = button.Tag();
    const bool hot = Hot() || SpaceDown;
    const TButtonColors colors = ButtonColors(Scheme(), ParentColor(), (tag & 1000) == 1000, hot, IsFocused);
    const TColor face = colors.Face;
    TColor edge = colors.Edge;
    const bool plain = (tag & 1001) == 1001;
    if (plain) edge = face;
    const bool pressed = SpaceDown || (LeftButtonDown && hot);
    TControlCanvas c(&button);
    PaintButtonFace(c, pressed, face, edge, !plain);
    if ((tag & 1002) == 1002) {
        RECT r = button.ClientRect();
        InflateRect(&r, -4, -2);
        const bool rtl = button.BiDiMode() == bdRightToLeft;
        PaintCaption(c, r, rtl ? (DT_RIGHT | DT_VCENTER) : (DT_LEFT | DT_VCENTER));
        return;
    }
    PaintGlyphAndCaption(c, button.Glyph(), button.NumGlyphs(), 0, button.Layout(), button.Spacing(), true, hot,
                         false);
}

// Places glyph image `image` and the caption by the layout, then draws both.
void TControlSubClass::PaintGlyphAndCaption(TCanvas& c, TBitmap& source, int numGlyphs, int image, int layout,
                                            int spacing, bool trimmedSpacing, bool hot, bool pressed) {
    TControl& control = *Control();
    TBitmap glyph;
    CutGlyph(source, numGlyphs, image, glyph);
    const RECT client = control.ClientRect();
    const int w = client.right;
    const int h = client.bottom;
    const int gw = glyph.Width();
    const int gh = glyph.Height();
    const SIZE text = CaptionSize(c, control);
    std::string caption = control.Caption();
    if (trimmedSpacing) caption.erase(0, caption.find_first_not_of(' '));
    const int sp = (caption.empty() || caption.find_first_not_of(' ') == std::string::npos) ? 0 : spacing;
    RECT g{};
    RECT t{};
    switch (layout) {
    case 1:
        g.right = (gw + sp + text.cx + w) / 2;
        g.left = g.right - gw;
        g.top = (h - gh) / 2;
        t.right = g.left - sp;
        t.left = t.right - text.cx;
        t.top = (h - text.cy) / 2;
        break;
    case 2:
        g.left = (w - gw) / 2;
        g.top = (h - (gh + sp + text.cy)) / 2;
        t.left = (w - text.cx) / 2;
        t.top = g.top + gh + sp;
        break;
    case 3:
        g.left = (w - gw) / 2;
        g.bottom = (gh + sp + text.cy + h) / 2;
        g.top = g.bottom - gh;
        t.left = (w - text.cx) / 2;
        t.top = g.top - sp - text.cy;
        break;
    default:
        g.left = (w - (gw + sp + text.cx)) / 2;
        g.top = (h - gh) / 2;
        t.left = g.left + gw + sp;
        t.top = (h - text.cy) / 2;
        break;
    }
    g.right = g.left + gw;
    g.bottom = g.top + gh;
    t.right = t.left + text.cx;
    t.bottom = t.top + text.cy;
    if (OwnerFlatStyle != nullptr && gw > 0)
        OwnerFlatStyle->PaintGlyph(c, control.BiDiMode() == bdRightToLeft, false, FocusedNotHot(), control.Enabled(),
                                   pressed, hot, g, glyph);
    PaintCaption(c, t, DT_CENTER | DT_VCENTER);
}

void TControlSubClass::PaintSpeedButton() {
    auto& button = static_cast<TSpeedButton&>(*Control());
    const TColorScheme& s = Scheme();
    const RECT r = button.ClientRect();
    if (button.Flat() && MouseInControl) {
        // A flat button that missed its mouse-leave notice checks where the mouse really is.
        POINT p{};
        GetCursorPos(&p);
        p = button.ScreenToClient(p);
        MouseInControl = p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
    }
    const bool hot = MouseInControl;
    const bool parentFace = button.Tag() == 1000;
    TColor face = button.Flat() ? ParentColor() : (parentFace ? ParentFace(s.IdleLightenPercent) : s.SchemeIconBackColor);
    TColor edge = clBtnShadow;
    if (hot) {
        face = button.Flat() ? s.SchemeSelectColor
                             : (parentFace ? ParentFace(s.HotLightenPercent) : LightenColor(clBtnFace, s.HotLightenPercent));
        if (button.Enabled()) edge = LightenColor(s.SchemeSelectBorderColor, 60);
    }
    TControlCanvas c(&button);
    BindCanvas(c);
    c.Brush().SetColor(face);
    c.FillRect(r);
    // A flat idle button's frame is its face: no frame shows.
    c.Pen().SetColor(button.Flat() && !hot ? face : LightenColor(edge, 30));
    c.Rectangle(r);
    if (button.Enabled()) {
        c.Brush().SetStyle(bsClear);
        c.Pen().SetColor(DarkenColor(edge, 50));
        if (button.Flat() && LeftButtonDown) {
            c.Pen().SetColor(edge);
            c.Rectangle(r);
            c.Pen().SetColor(DarkenColor(edge, 50));
        } else if (button.Flat() && hot) {
            c.Pen().SetColor(s.SchemeSelectBorderColor);
            c.Rectangle(r);
        }
        if (LeftButtonDown) {
            c.MoveTo(r.left, r.bottom - 1);
            c.LineTo(r.left, r.top);
            c.LineTo(r.right, r.top);
        } else if (!button.Flat()) {
            c.MoveTo(r.right - 1, r.top);
            c.LineTo(r.right - 1, r.bottom - 1);
            c.LineTo(r.left, r.bottom - 1);
        }
        c.Brush().SetStyle(bsSolid);
    }
    // The toolkit's speed button takes its one glyph from an image list and shows it above its caption.
    TBitmap glyph;
    TImageList* images = button.Images();
    if (images != nullptr && button.GlyphIndex() >= 0 && button.GlyphIndex() < images->Count()) {
        glyph.SetSize(images->Width(), images->Height());
        glyph.Canvas().Brush().SetColor(face);
        glyph.Canvas().FillRect(RECT{0, 0, glyph.Width(), glyph.Height()});
        images->Draw(glyph.Canvas(), 0, 0, button.GlyphIndex());
    }
    PaintGlyphAndCaption(c, glyph, 1, 0, 2, 2, false, hot, LeftButtonDown);
}
