// Flat painters of combo boxes, lookup combos, edits, group boxes, up-down controls, panels, list borders,
// progress bars and hot-key controls.
#include <algorithm>

#include "appearance/ControlSubClass.h"
#include "appearance/FlatColors.h"
#include "appearance/StyleTags.h"
#include "toolkit/controls/ComboBox.h"
#include "toolkit/controls/GroupBox.h"
#include "toolkit/controls/Panel.h"
#include "toolkit/controls/RichEdit.h"
#include "toolkit/controls/ControlCanvas.h"
#include "toolkit/graphics/Frame3D.h"
#include "toolkit/graphics/WholeWindowCanvas.h"

namespace {

// Outlines a control's whole window in one colour.
void OutlineWindow(TWinControl& control, TColor colour, bool innerWindowRing) {
    TWholeWindowCanvas surface(control.Handle());
    if (!surface.Valid()) return;
    TCanvas& c = surface.Canvas();
    c.Brush().SetStyle(bsClear);
    c.Pen().SetColor(colour);
    c.Rectangle(0, 0, control.Width(), control.Height());
    if (innerWindowRing) {
        c.Pen().SetColor(clWindow);
        c.Rectangle(1, 1, control.Width() - 1, control.Height() - 1);
    }
    c.Brush().SetStyle(bsSolid);
}

}  // namespace

void TControlSubClass::BindCanvas(TControlCanvas& canvas) {
    if (paintDC_ != nullptr) canvas.SetHandle(paintDC_);
}

namespace {

// The drop-down button of the combo kinds and what differs between them.
struct TDropButton {
    TColor button, border, arrow, face;  // face: the control's own colour, for the strip
    bool rightToLeft, raised;
    int rtlReach;    // how far a raised button reaches out under right to left
    bool framed;     // framed in the border colour after filling
    int arrowInset;  // the arrow's start left of the client's right edge
    int arrowTop;    // its first row below the client's top
};

// Paints the button inside the frame rectangle r, then the strip at its inner side, the line and the arrow.
void PaintDropButton(TCanvas& c, RECT r, const RECT& client, const TDropButton& b) {
    const int w = GetSystemMetrics(SM_CXHTHUMB);
    InflateRect(&r, -1, -1);
    if (b.rightToLeft) {
        r.right = r.left + w + 1 + (b.raised ? b.rtlReach : 0);
    } else {
        r.left = r.right - w - 1 - (b.raised ? 1 : 0);
    }
    c.Brush().SetColor(b.button);
    c.FillRect(r);
    if (b.framed) {
        c.Brush().SetColor(b.border);
        c.FrameRect(r);
    }
    if (b.rightToLeft) {
        r.left = r.right - 5;
    } else {
        r.right = r.left + 5;
    }
    c.Brush().SetColor(b.face);
    c.FillRect(r);
    c.Pen().SetColor(b.border);
    const int lineX = b.rightToLeft ? r.left : r.right;
    c.MoveTo(lineX, r.top);
    c.LineTo(lineX, r.bottom);
    c.Pen().SetColor(b.arrow);
    const int x = b.rightToLeft ? client.left + 5 : client.right - b.arrowInset;
    for (int row = 0; row < 3; ++row) {
        c.MoveTo(x + row, client.top + b.arrowTop + row);
        c.LineTo(x + 5 - row, client.top + b.arrowTop + row);
    }
}

// An open list lights the button whatever the mouse does.
void DroppedLook(const TColorScheme& s, TDropButton& b) {
    b.border = s.SchemeSelectBorderColor;
    b.arrow = clWhite;
    b.button = s.SchemeCheckBackSelectColor;
}

}  // namespace

void TControlSubClass::PaintComboBox() {
    auto& combo = static_cast<TComboBox&>(*Control());
    const TColorScheme& s = Scheme();
    TDropButton b{combo.Tag() == kTagParentFace ? ParentFace(s.IdleLightenPercent) : clBtnFace,
                  combo.Color(),
                  combo.Enabled() ? clBlack : clWhite,
                  combo.Color(),
                  combo.BiDiMode() == bdRightToLeft,
                  Hot() || IsFocused,
                  2,
                  false,
                  10,
                  10};
    if (Hot()) {
        b.border = s.SchemeSelectBorderColor;
        b.button = s.SchemeSelectColor;
    } else if (IsFocused) {
        b.border = LightenColor(s.SchemeSelectBorderColor, 60);
        b.button = s.SchemeCheckBackColor;
    }
    TControlCanvas c(&combo);
    const RECT client = combo.ClientRect();
    RECT r = client;
    c.Brush().SetColor(ParentColor());
    c.FrameRect(r);
    InflateRect(&r, -1, -1);
    c.Pen().SetColor(ParentColor());
    c.MoveTo(r.left, r.top);
    c.LineTo(r.right, r.top);
    r.top += 1;
    r.bottom -= 1;
    if (b.raised) InflateRect(&r, 1, 1);
    c.Brush().SetColor(combo.Color());
    c.FrameRect(r);
    r.bottom += 1;
    c.Brush().SetColor(b.border);
    c.FrameRect(r);
    if (combo.DroppedDown()) DroppedLook(s, b);
    if (combo.Style() == csSimple) return;
    PaintDropButton(c, r, client, b);
}

// The lookup combo tells its open list and its missing button as a combo box does, when it is one.
void TControlSubClass::PaintLookupComboBox() {
    auto& lookup = static_cast<TWinControl&>(*Control());
    const TColorScheme& s = Scheme();
    auto* combo = dynamic_cast<TComboBox*>(&lookup);
    TColor outer = Hot() ? s.SchemeSelectBorderColor : DarkenColor(ParentColor(), 60);
    TDropButton b{Hot() ? s.SchemeSelectColor : (IsFocused ? s.SchemeCheckBackColor : clBtnFace),
                  Hot() ? s.SchemeSelectBorderColor : LightenColor(s.SchemeSelectBorderColor, 60),
                  lookup.Enabled() ? clBlack : clWhite,
                  lookup.Color(),
                  lookup.BiDiMode() == bdRightToLeft,
                  Hot() || IsFocused,
                  1,
                  true,
                  9,
                  8};
    if (lookup.Ctl3D()) {
        Recreating = true;
        lookup.SetCtl3D(false);
    }
    TWholeWindowCanvas surface(lookup.Handle());
    if (!surface.Valid()) return;
    TCanvas& c = surface.Canvas();
    c.Brush().SetColor(outer);
    c.FrameRect(RECT{0, 0, lookup.Width(), lookup.Height()});
    const RECT client = lookup.ClientRect();
    RECT r = client;
    OffsetRect(&r, 1, 1);
    // A window without a border of its own has its client as large as itself: the outer frame stays whole.
    const RECT inside{1, 1, lookup.Width() - 1, lookup.Height() - 1};
    IntersectRect(&r, &r, &inside);
    c.Brush().SetColor(lookup.Color());
    c.FrameRect(r);
    if (combo != nullptr && combo->DroppedDown()) DroppedLook(s, b);
    if (combo != nullptr && combo->Style() == csSimple) return;
    PaintDropButton(c, r, client, b);
}

void TControlSubClass::PaintEdit() {
    auto& edit = static_cast<TEdit&>(*Control());
    const TColorScheme& s = Scheme();
    TColor frame = (Hot() || IsFocused) ? LightenColor(s.SchemeSelectBorderColor, 60) : DarkenColor(ParentColor(), 60);
    if (SavedBorderStyle == bsNone)
        frame = (Hot() && !IsFocused) ? LightenColor(AverageColor({edit.Color(), ParentColor()}), 40) : edit.Color();
    if (edit.Ctl3D()) {
        Recreating = true;
        edit.SetCtl3D(false);
    }
    TControlCanvas c(&edit);
    c.Pen().SetColor(frame);
    c.Brush().SetStyle(bsClear);
    c.Rectangle(edit.ClientRect());
    c.Brush().SetStyle(bsSolid);
}

void TControlSubClass::PaintRichEdit() {
    auto& edit = static_cast<TRichEdit&>(*Control());
    if (SavedBorderStyle == bsSingle && (edit.BorderStyle() != bsNone || edit.BorderWidth() < 2)) {
        Recreating = true;
        edit.SetBorderStyle(bsNone);
        edit.SetBorderWidth(std::max(edit.BorderWidth(), 2));
    }
    TWinControl* parent = edit.Parent();
    if (parent == nullptr || !parent->HandleAllocated()) return;
    if (parentHook_.Control() != parent) parentHook_.Hook(*parent, MethodOf<&TControlSubClass::ParentWndProc>(this));
    PaintRichEditFrame();
}

void TControlSubClass::PaintRichEditFrame() {
    auto& edit = static_cast<TRichEdit&>(*Control());
    TWinControl* parent = edit.Parent();
    if (parent == nullptr || !parent->HandleAllocated() || !edit.HandleAllocated() || !IsWindowVisible(edit.Handle()))
        return;
    TColor frame = SavedBorderStyle == bsSingle ? DarkenColor(ParentColor(), 60) : ParentColor();
    if (Hot() || IsFocused) frame = LightenColor(Scheme().SchemeSelectBorderColor, 60);
    TControlCanvas c(parent);
    RECT r = edit.BoundsRect();
    InflateRect(&r, 1, 1);
    Frame3D(c, r, frame, frame, 1);
}

void TControlSubClass::ParentWndProc(TMessage& message) {
    const bool paint = message.Msg == WM_PAINT;
    TWndMethod saved = parentHook_.Saved();
    saved(message);  // whatever the parent does with other messages, this object is not touched after them
    if (paint && Control() != nullptr && Control()->Is<TRichEdit>()) PaintRichEditFrame();
}

void TControlSubClass::PaintGroupBox() {
    if (LastMessage != WM_PAINT) return;
    auto& box = static_cast<TGroupBox&>(*Control());
    TControlCanvas c(&box);
    c.Font().Assign(box.Font());
    const RECT cr = box.ClientRect();
    const std::string caption = box.Caption();
    const int h = c.TextHeight(caption.empty() ? " " : caption);
    const int tw = caption.empty() ? 0 : c.TextWidth(caption);
    const TColor dark = DarkenColor(box.Color(), 60);
    const TColor light = LightenColor(box.Color(), 60);
    const bool rtl = box.BiDiMode() == bdRightToLeft;

    RECT r = cr;
    InflateRect(&r, -1, -1);
    r.top += h - 1;
    c.Brush().SetStyle(bsClear);
    c.Pen().SetColor(box.Color());
    c.Rectangle(r);
    r = cr;
    r.top += h / 2 - 1;
    c.MoveTo(r.left + 1, r.top);
    c.LineTo(r.left + 1, r.bottom);
    Frame3D(c, r, box.Ctl3D() ? light : dark, dark, 1);

    r = cr;
    r.bottom = r.top + h / 2 + 1;
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(ParentColor());
    c.FillRect(r);

    RECT t{0, cr.top, 0, cr.top + h};
    if (rtl) {
        t.right = cr.right - 9;
        t.left = t.right - tw;
    } else {
        t.left = cr.left + 9;
        t.right = t.left + tw;
    }
    r = RECT{t.left, cr.top + h / 2 + 1, t.right, cr.top + h / 2 + 1 + h / 2 + 1};
    c.Brush().SetColor(box.Color());
    c.FillRect(r);
    c.Pen().SetColor(box.Color());
    c.MoveTo(cr.right - 2, r.top);
    c.LineTo(cr.right - 2, t.bottom);

    c.Brush().SetStyle(bsClear);
    c.Font().SetColor(box.Font().Color());
    c.TextRect(t, t.left, t.top, caption, rtl ? ETO_RTLREADING : 0);
    const int y = cr.top + h / 2 + 1;
    c.Pen().SetColor(box.Ctl3D() ? light : dark);
    c.MoveTo(cr.left, y);
    c.LineTo(t.left, y);
    c.MoveTo(t.right, y);
    c.LineTo(cr.right - 1, y);
    c.Brush().SetStyle(bsSolid);
}

void TControlSubClass::PaintUpDown() {
    TControl& control = *Control();
    TControlCanvas c(&control);
    const RECT cr = control.ClientRect();
    const int half = (cr.bottom - cr.top) / 2;
    POINT mouse{};
    GetCursorPos(&mouse);
    mouse = control.ScreenToClient(mouse);
    const bool live = control.Enabled() && MouseInControl;
    PaintSpinHalf(c, RECT{cr.left, cr.top, cr.right, cr.top + half}, 0, live && mouse.y < half);
    PaintSpinHalf(c, RECT{cr.left, cr.bottom - half, cr.right, cr.bottom}, 1, live && mouse.y >= half);
}

void TControlSubClass::PaintSpinHalf(TCanvas& c, RECT rect, int direction, bool hot) {
    const TColorScheme& s = Scheme();
    TControl& control = *Control();
    TColor arrow = control.Enabled() ? clBlack : clWhite;
    TColor border = LightenColor(ParentColor(), 80);
    TColor fill = control.Tag() == kTagParentFace ? ParentFace(s.IdleLightenPercent)
                                        : LightenColor(s.SchemeSelectColor, s.IdleLightenPercent);
    if (hot && LeftButtonDown) {
        border = s.SchemeSelectBorderColor;
        fill = s.SchemeCheckBackSelectColor;
        arrow = clWhite;
    } else if (hot) {
        border = s.SchemeSelectBorderColor;
        fill = LightenColor(s.SchemeSelectColor, 60);
    }
    // A half already in this state is left alone, so mouse moves do not flicker.
    if (ColorToRGB(c.Pixel(rect.left, rect.top)) == ColorToRGB(border)) return;
    c.Pen().SetColor(border);
    c.Brush().SetColor(fill);
    c.Rectangle(rect);
    c.Pen().SetColor(arrow);
    PaintSpinArrows(c, rect.left + (rect.right - rect.left) / 2, rect.top + (rect.bottom - rect.top) / 2 - 2, direction);
}

void TControlSubClass::PaintPanel() {
    if (LastMessage != WM_PAINT) return;
    auto& panel = static_cast<TPanel&>(*Control());
    TControlCanvas c(&panel);
    RECT r = panel.ClientRect();
    const TColor dark = DarkenColor(panel.Color(), 60);
    const TColor light = LightenColor(panel.Color(), 60);
    auto bevel = [&](TPanelBevel kind) {
        if (kind == bvNone) return;
        const bool lowered = kind == bvLowered;
        Frame3D(c, r, lowered ? dark : light, lowered ? light : dark, panel.BevelWidth());
    };
    bevel(panel.BevelOuter());
    if (panel.BevelInner() == bvNone) return;
    InflateRect(&r, -panel.BorderWidth(), -panel.BorderWidth());
    bevel(panel.BevelInner());
}

void TControlSubClass::PaintListBorder() {
    auto& list = static_cast<TWinControl&>(*Control());
    const TColorScheme& s = Scheme(true);
    const bool single = SavedBorderStyle == bsSingle;
    TColor colour = single ? DarkenColor(ParentColor(), 60) : ParentColor();
    if (Hot() || IsFocused) colour = LightenColor(s.SchemeSelectBorderColor, single ? 60 : 80);
    if (list.Ctl3D()) {
        Recreating = true;
        list.SetCtl3D(false);
    }
    OutlineWindow(list, colour, false);
}

void TControlSubClass::PaintProgressBar() {
    auto& bar = static_cast<TWinControl&>(*Control());
    const TColorScheme& s = Scheme();
    OutlineWindow(bar, Hot() ? s.SchemeSelectBorderColor : DarkenColor(ParentColor(), 60), false);
}

void TControlSubClass::PaintHotKey() {
    auto& key = static_cast<TWinControl&>(*Control());
    const TColorScheme& s = Scheme(true);
    OutlineWindow(key, (Hot() || IsFocused) ? LightenColor(s.SchemeSelectBorderColor, 60) : DarkenColor(ParentColor(), 60),
                  true);
}
