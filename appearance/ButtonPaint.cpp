// Flat painters of check boxes, radio buttons, push buttons, bit-map buttons and speed buttons.
#include <algorithm>
#include <string>

#include "appearance/ControlSubClass.h"
#include "appearance/FlatColors.h"
#include "appearance/StyleTags.h"
#include "toolkit/controls/BitBtn.h"
#include "toolkit/controls/ButtonLayout.h"
#include "toolkit/controls/CheckBox.h"
#include "toolkit/controls/RadioButton.h"
#include "toolkit/controls/SpeedButton.h"
#include "toolkit/graphics/ImageList.h"
#include "toolkit/controls/ControlCanvas.h"

namespace {

constexpr TColor kSilver = 0xC0C0C0;
constexpr TColor kGray = 0x808080;

// The box of a check box or radio button: full height less the margins, W wide at the side that the reading
// order and the caption's side put it on.
RECT MarkBox(TControl& control, int margin, int shorten, TLeftRight alignment) {
    const int w = GetSystemMetrics(SM_CXHTHUMB);
    RECT r = control.ClientRect();
    r.top += margin;
    r.bottom -= margin;
    r.top += (r.bottom - r.top - w) / 2;
    r.bottom = r.top + w - shorten;
    const bool ltr = control.BiDiMode() == bdLeftToRight;
    const bool rtl = control.BiDiMode() == bdRightToLeft;
    const bool captionLeft = alignment == taLeftJustify;
    if ((ltr && captionLeft) || (rtl && !captionLeft)) r.left = r.right - w + 1;
    if ((ltr && !captionLeft) || (rtl && captionLeft)) r.right = r.left + w - 1;
    return r;
}

UINT ReadingFlags(const TControl& control) { return control.BiDiMode() == bdRightToLeft ? DT_RTLREADING : 0; }

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
    auto& box = static_cast<TCheckBox&>(*Control());
    const TColorScheme& s = Scheme();
    const bool held = SpaceDown || LeftButtonDown;
    const bool grayed = box.State() == cbGrayed;
    TColor fill = clWindow;
    TColor pen = clBtnShadow;
    if (Hot() || IsFocused) {
        fill = s.SchemeSelectColor;
        pen = s.SchemeSelectBorderColor;
    }
    if (held) fill = s.SchemeCheckBackSelectColor;
    if (grayed) fill = kSilver;
    TControlCanvas c(&box);
    RECT r = MarkBox(box, 3, 0, box.Alignment());
    c.Brush().SetColor(box.Color());
    c.FillRect(r);
    InflateRect(&r, -2, -2);
    c.Brush().SetColor(fill);
    c.Pen().SetColor(pen);
    c.Rectangle(r);
    if (!box.Checked() && !grayed) return;
    TColor tick = clHighlight;
    if (!box.Enabled()) {
        tick = s.SchemeDisabledColor;
    } else if (held) {
        tick = clWindow;
    } else if (grayed) {
        tick = kGray;
    }
    c.Pen().SetColor(tick);
    PaintTick(c, r.left, r.bottom);
}

void TControlSubClass::PaintRadioButton() {
    auto& radio = static_cast<TRadioButton&>(*Control());
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
    RECT r = MarkBox(radio, 4, 1, taRightJustify);
    c.Brush().SetColor(radio.Color());
    c.FillRect(r);
    InflateRect(&r, -2, -2);
    c.Brush().SetColor(fill);
    c.Pen().SetColor(pen);
    c.Ellipse(r.left, r.top, r.right, r.bottom);
    if (!radio.Checked()) return;
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
    OwnerFlatStyle->PaintItemText(control.Caption(), format, control.BiDiMode() == bdRightToLeft, false, false,
                                  control.Enabled(), false, rect, c, "", &control.Font());
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
    const TButtonColors colors =
        ButtonColors(Scheme(), ParentColor(), button.Tag() == kTagParentFace, Hot(), IsFocused);
    const bool pressed = SpaceDown || (LeftButtonDown && Hot());
    TControlCanvas c(&button);
    PaintButtonFace(c, pressed, colors.Face, colors.Edge, true);
    const RECT client = button.ClientRect();
    const SIZE text = CaptionSize(c, button);
    const int left = (client.right - text.cx) / 2;
    const int top = (client.bottom - text.cy) / 2;
    PaintCaption(c, RECT{left, top, left + text.cx, top + text.cy}, DT_CENTER | DT_VCENTER | ReadingFlags(button));
}

void TControlSubClass::PaintBitButton() {
    auto& button = static_cast<TBitBtn&>(*Control());
    const int tag = button.Tag();
    const bool hot = Hot() || SpaceDown;
    const TButtonColors colors = ButtonColors(Scheme(), ParentColor(), TagHas(tag, kTagParentFace), hot, IsFocused);
    const TColor face = colors.Face;
    TColor edge = colors.Edge;
    const bool plain = TagHas(tag, kTagPlainEdge);
    if (plain) edge = face;
    const bool pressed = SpaceDown || (LeftButtonDown && hot);
    TControlCanvas c(&button);
    PaintButtonFace(c, pressed, face, edge, !plain);
    TBitmap glyph;
    CutGlyphImage(button.Glyph(), button.NumGlyphs(), 0, glyph);
    const bool blank = button.Caption().find_first_not_of(' ') == std::string::npos;
    const RECT caption = PaintPlacedGlyph(c, glyph, button.Layout(), blank ? 0 : button.Spacing(), hot, false);
    if (!TagHas(tag, kTagSideCaption)) {
        PaintCaption(c, caption, DT_CENTER | DT_VCENTER | ReadingFlags(button));
        return;
    }
    RECT r = button.ClientRect();
    InflateRect(&r, -4, -2);
    PaintCaption(c, r, button.BiDiMode() == bdRightToLeft ? (DT_RIGHT | DT_VCENTER) : (DT_LEFT | DT_VCENTER));
}

// Places the glyph and the caption by the layout and draws the glyph; gives the caption's rectangle.
RECT TControlSubClass::PaintPlacedGlyph(TCanvas& c, TBitmap& glyph, TButtonLayout layout, int spacing, bool hot,
                                        bool pressed) {
    TControl& control = *Control();
    const RECT client = control.ClientRect();
    const TGlyphPlacement place = PlaceGlyphAndCaption(layout, SIZE{client.right, client.bottom},
                                                       SIZE{glyph.Width(), glyph.Height()}, CaptionSize(c, control),
                                                       spacing);
    if (OwnerFlatStyle != nullptr && glyph.Width() > 0)
        OwnerFlatStyle->PaintGlyph(c, control.BiDiMode() == bdRightToLeft, false, FocusedNotHot(), control.Enabled(),
                                   pressed, hot, place.Glyph, glyph);
    return place.Caption;
}

namespace {

// The speed button's glyph image for its state: from its glyph strip, or else the picture of its image list
// on the face colour.
void SpeedGlyph(TSpeedButton& button, bool held, TColor face, TBitmap& glyph) {
    if (button.Glyph().Width() > 0) {
        CutGlyphImage(button.Glyph(), button.NumGlyphs(),
                      button.GlyphImage(button.Enabled(), held, button.Down()), glyph);
        return;
    }
    TImageList* images = button.Images();
    if (images == nullptr || button.GlyphIndex() < 0 || button.GlyphIndex() >= images->Count()) return;
    glyph.SetSize(images->Width(), images->Height());
    glyph.Canvas().Brush().SetColor(face);
    glyph.Canvas().FillRect(RECT{0, 0, glyph.Width(), glyph.Height()});
    images->Draw(glyph.Canvas(), 0, 0, button.GlyphIndex());
}

// Lays a face of the colour over the background with SRCAND, so that the background shows through.
void AndFace(TCanvas& c, const RECT& r, TColor colour) {
    TBitmap face;
    face.SetSize(r.right - r.left, r.bottom - r.top);
    face.Canvas().Brush().SetColor(colour);
    face.Canvas().FillRect(RECT{0, 0, face.Width(), face.Height()});
    BitBlt(c.Handle(), r.left, r.top, face.Width(), face.Height(), face.Canvas().Handle(), 0, 0, SRCAND);
}

// The speed button's face and edge: the idle, hot, down and disabled colours in that order.
TButtonColors SpeedButtonColors(const TColorScheme& s, TSpeedButton& button, TColor parent, bool hot) {
    const bool parentFace = button.Tag() == kTagParentFace;
    TButtonColors colors{button.Flat() ? parent
                                       : (parentFace ? LightenColor(parent, s.IdleLightenPercent) : s.SchemeIconBackColor),
                         clBtnShadow};
    if (hot) {
        colors.Face = button.Flat() ? s.SchemeSelectColor
                                    : LightenColor(parentFace ? parent : clBtnFace, s.HotLightenPercent);
        colors.Edge = LightenColor(s.SchemeSelectBorderColor, 60);
    }
    if (button.Down()) {
        colors.Face = hot ? s.SchemeCheckBackSelectColor : s.SchemeCheckBackColor;
        colors.Edge = s.SchemeSelectBorderColor;
    }
    if (!button.Enabled()) colors.Edge = clBtnShadow;
    return colors;
}

void PressedLines(TCanvas& c, const RECT& r) {
    c.MoveTo(r.left, r.bottom - 1);
    c.LineTo(r.left, r.top);
    c.LineTo(r.right, r.top);
}

void RaisedLines(TCanvas& c, const RECT& r) {
    c.MoveTo(r.right - 1, r.top);
    c.LineTo(r.right - 1, r.bottom - 1);
    c.LineTo(r.left, r.bottom - 1);
}

// An enabled speed button's edge lines over its frame: sunk when pressed, the selection border when a flat one
// is hot, raised when it is not flat.
void SpeedButtonEdge(TCanvas& c, const RECT& r, const TColorScheme& s, TColor edge, bool flat, bool hot,
                     bool pressed) {
    c.Brush().SetStyle(bsClear);
    if (flat && pressed) {
        c.Pen().SetColor(edge);
        c.Rectangle(r);
        c.Pen().SetColor(DarkenColor(edge, 50));
        PressedLines(c, r);
    } else if (flat && hot) {
        c.Pen().SetColor(s.SchemeSelectBorderColor);
        c.Rectangle(r);
    } else if (!flat) {
        c.Pen().SetColor(DarkenColor(edge, 50));
        if (pressed) {
            PressedLines(c, r);
        } else {
            RaisedLines(c, r);
        }
    }
}

// The button's layout as drawn: glyph left and right swap in right-to-left reading.
TButtonLayout ReadingLayout(const TSpeedButton& button) {
    const TButtonLayout layout = button.Layout();
    if (button.BiDiMode() != bdRightToLeft) return layout;
    if (layout == blGlyphLeft) return blGlyphRight;
    if (layout == blGlyphRight) return blGlyphLeft;
    return layout;
}

}  // namespace

void TControlSubClass::PaintSpeedButton() {
    auto& button = static_cast<TSpeedButton&>(*Control());
    const TColorScheme& s = Scheme();
    const RECT r = button.ClientRect();
    const bool flat = button.Flat();
    if (flat && MouseInControl) {
        // A flat button that missed its mouse-leave notice checks where the mouse really is.
        POINT p{};
        GetCursorPos(&p);
        p = button.ScreenToClient(p);
        MouseInControl = p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
    }
    const bool hot = MouseInControl;
    const bool down = button.Down();
    const bool held = LeftButtonDown;
    const bool opaque = !button.Transparent() || button.ClassNameIs("TNavButton");
    const TButtonColors colors = SpeedButtonColors(s, button, ParentColor(), hot);
    TControlCanvas c(&button);
    BindCanvas(c);
    if (opaque) {
        c.Brush().SetColor(colors.Face);
        c.FillRect(r);
    } else if (hot || down) {
        const bool deep = GetDeviceCaps(c.Handle(), BITSPIXEL) > 16;
        TColor face = colors.Face;
        if (deep) face = flat ? LightenColor(s.SchemeSelectColor, 20) : LightenColor(colors.Face, 5);
        AndFace(c, r, face);
    }
    // A flat opaque idle button's frame is its face: no frame shows.
    c.Pen().SetColor(flat && opaque && !hot && !down ? colors.Face : LightenColor(colors.Edge, 30));
    if (!opaque) c.Brush().SetStyle(bsClear);
    if (opaque || !flat || hot || down) c.Rectangle(r);
    if (button.Enabled()) SpeedButtonEdge(c, r, s, colors.Edge, flat, hot, held || down);
    c.Brush().SetStyle(bsSolid);
    TBitmap glyph;
    SpeedGlyph(button, held, colors.Face, glyph);
    const int spacing = button.Caption().empty() ? 0 : button.Spacing();
    const RECT caption = PaintPlacedGlyph(c, glyph, ReadingLayout(button), spacing, hot, down || held);
    PaintCaption(c, caption, DT_CENTER | DT_VCENTER | ReadingFlags(button));
}
