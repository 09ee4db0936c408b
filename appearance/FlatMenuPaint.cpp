// Measuring and painting menu items in the flat style: icon strip, selection, marks, glyph, caption, shortcut.
#include <algorithm>
#include <cmath>

#include "appearance/FlatColors.h"
#include "appearance/FlatStyle.h"
#include "toolkit/graphics/ImageList.h"
#include "toolkit/forms/Application.h"

namespace {

struct TItemPlace {
    TMenu* Menu;       // the menu whose tree holds the item, or nullptr
    bool TopLevel;     // one of a main menu's bar items
    bool RightToLeft;  // the item's menu reads right to left
};

TItemPlace PlaceOf(const TMenuItem& item) {
    TMenu* menu = item.GetParentMenu();
    bool top = menu != nullptr && menu->Is<TMainMenu>() && item.Parent() == &menu->Items();
    return TItemPlace{menu, top, menu != nullptr && menu->IsRightToLeft()};
}

// The form (or other control) that owns the menu, whose position the pointer is measured from.
TControl* MenuOwner(const TMenu* menu) { return menu != nullptr ? dynamic_cast<TControl*>(menu->Owner()) : nullptr; }

int Height(const RECT& r) { return r.bottom - r.top; }
int Width(const RECT& r) { return r.right - r.left; }

void Fill(TCanvas& canvas, const RECT& r, TColor color) {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FillRect(r);
}

void Line(TCanvas& canvas, std::initializer_list<POINT> points) { canvas.Polyline(points); }

// Filled with fill and outlined one pixel in border.
void Box(TCanvas& canvas, const RECT& r, TColor fill, TColor border) {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(fill);
    canvas.Pen().SetColor(border);
    canvas.Rectangle(r);
}

// The item's picture on a bitmap of its own, over the bitmap's bottom-left colour: from its image list, or
// else its own bitmap; false when it has neither.
bool LoadMenuGlyph(TMenuItem& item, TBitmap& glyph) {
    bool hasImage = false;
    if (item.HasBitmap()) {
        TBitmap& own = item.Bitmap();
        glyph.SetSize(own.Width(), own.Height());
        Fill(glyph.Canvas(), RECT{0, 0, own.Width(), own.Height()}, glyph.Canvas().Pixel(0, own.Height() - 1));
        const bool ownTransparent = own.Transparent();
        own.SetTransparent(true);
        glyph.Canvas().Draw(0, 0, own);
        own.SetTransparent(ownTransparent);
        hasImage = true;
    }
    if (TImageList* list = item.ImageSource()) {
        glyph.SetSize(list->Width(), list->Height());
        Fill(glyph.Canvas(), RECT{0, 0, list->Width(), list->Height()}, glyph.Canvas().Pixel(0, list->Height() - 1));
        list->Draw(glyph.Canvas(), 0, 0, item.ImageIndex());
        hasImage = true;
    }
    return hasImage;
}

// The check or radio mark's box in the icon strip: the strip less a margin beside an image, else 10 by 10 in
// its middle; as wide as a glyph wider than the strip; a bar item's one row up.
RECT MarkBox(const RECT& icon, const TItemPlace& place, int glyphWidth, bool hasImage, int iconWidth) {
    RECT g;
    if (hasImage) {
        g = RECT{icon.left + 1, icon.top + 2, icon.right - 3, icon.bottom - 2};
    } else {
        int left = icon.left + (Width(icon) - 10) / 2;
        int topEdge = icon.top + (Height(icon) - 10) / 2;
        g = RECT{left, topEdge, left + 10, topEdge + 10};
    }
    if (glyphWidth > iconWidth) {
        if (place.RightToLeft) g.left = g.right - glyphWidth;
        else g.right = g.left + glyphWidth;
    }
    if (place.TopLevel) OffsetRect(&g, 0, -1);
    return g;
}

// The caption's box in the item: past the icon strip (4 in on the bar) and the glyph; on the bar 5 nearer the
// glyph, or the whole item without an image.
RECT CaptionBox(const RECT& item, const TItemPlace& place, int glyphWidth, bool hasImage, int iconWidth) {
    const bool top = place.TopLevel;
    RECT t = item;
    if (!place.RightToLeft) {
        t.left = item.left + (top ? 4 : iconWidth);
        if (t.left < item.left + glyphWidth) t.left = item.left + glyphWidth + 4;
    } else {
        t.right = item.right - (top ? 4 : iconWidth);
        if (t.right > item.right - glyphWidth) t.right = item.right - glyphWidth - 8;
    }
    if (top && !hasImage) return item;
    if (top) {
        if (place.RightToLeft) t.right += 5;
        else t.left -= 5;
    }
    return t;
}

}  // namespace

void TFlatStyle::HandleMeasureItem(TComponent* sender, TCanvas& canvas, int& width, int& height) {
    auto* item = dynamic_cast<TMenuItem*>(sender);
    if (!active_ || item == nullptr) return;
    TItemPlace place = PlaceOf(*item);
    std::string text = item->IsLine() ? "" : item->Caption();
    std::string keys = ShortCutToText(item->ShortCut());
    if (!keys.empty()) text += keys + "WWW";
    canvas.Font().Assign(font_);
    int w = canvas.TextWidth(text) + 5;
    if (text.find('&') != std::string::npos) w -= canvas.TextWidth("&");
    if (!place.TopLevel && item->Count() > 0) w += 6;
    SIZE image = GetItemImageSize(*item, place.TopLevel ? place.Menu : nullptr);
    w += image.cx;
    width = std::max(width, w);
    if (item->IsLine()) {
        height = 4;
        return;
    }
    int th = canvas.TextHeight(text);
    int h = std::max(th + static_cast<int>(std::nearbyint(th * 0.75)), static_cast<int>(image.cy) + 6);
    height = std::max(height, h);
}

SIZE TFlatStyle::GetItemImageSize(TMenuItem& item, TMenu* menu) {
    SIZE size{0, 0};
    if (TImageList* list = item.ImageSource()) {
        size = SIZE{list->Width(), list->Height()};
    } else if (item.HasBitmap()) {
        size = SIZE{item.Bitmap().Width(), item.Bitmap().Height()};
    }
    if (menu == nullptr) size.cx = std::max<LONG>(size.cx, iconWidth_);
    return size;
}

void TFlatStyle::HandleDrawItem(TComponent* sender, TCanvas& canvas, RECT rect, bool selected) {
    auto* item = dynamic_cast<TMenuItem*>(sender);
    if (!active_ || item == nullptr) return;
    try {
        PaintMenuItem(*item, canvas, selected, rect);
    } catch (...) {
        // The item keeps what the system drew.
    }
}

// Where a menu item's parts go in its picture, worked out once before it is painted.
struct TFlatStyle::TMenuItemLayout {
    TItemPlace Place;  // its menu, whether on the bar, and its reading direction
    SIZE Picture;  // a popup item's picture has 4 more columns at the left, under its menu's frame
    RECT Item;     // the item in the picture
    RECT Icon;     // the icon strip at the reading side
    RECT Mark;     // the check or radio mark's box
    RECT Caption;  // the caption's, or the separator line's, box
};

void TFlatStyle::PaintMenuItem(TMenuItem& item, TCanvas& canvas, bool selected, const RECT& rect) {
    if (Width(rect) <= 0 || Height(rect) <= 0) return;
    TBitmap glyph;
    const bool hasImage = LoadMenuGlyph(item, glyph);
    const TMenuItemLayout at = LayOutMenuItem(item, rect, glyph, hasImage);
    TBitmap picture;
    picture.SetSize(at.Picture.cx, at.Picture.cy);
    TCanvas& c = picture.Canvas();
    if (schemeDirty_) BuildColorScheme(c);
    c.Font().Assign(font_);

    PaintMenuItemBackground(c, at, RECT{0, 0, picture.Width(), picture.Height()});
    const bool highlighted = PaintMenuItemHighlight(item, c, at, selected, rect);
    if (item.Checked() || item.RadioItem()) PaintCheckMark(item, selected, at.Mark, c, hasImage, item.Enabled());
    if (hasImage && glyph.Width() > 0)
        PaintGlyph(c, at.Place.RightToLeft, at.Place.TopLevel, item.Checked(), item.Enabled(), false,
                   selected || highlighted, at.Icon, glyph, TItemHost::MenuItem);
    PaintMenuItemCaption(item, c, at, selected);

    const int x = at.Place.TopLevel ? rect.left : rect.left - 4;
    BitBlt(canvas.Handle(), x, rect.top, picture.Width(), picture.Height(), c.Handle(), 0, 0, SRCCOPY);
    if (!at.Place.TopLevel) RequestFrame(item, canvas);
}

TFlatStyle::TMenuItemLayout TFlatStyle::LayOutMenuItem(TMenuItem& item, const RECT& rect, const TBitmap& glyph,
                                                       bool hasImage) {
    TMenuItemLayout at{};
    at.Place = PlaceOf(item);
    const int w = Width(rect);
    const int h = Height(rect);
    at.Picture = at.Place.TopLevel ? SIZE{w, h} : SIZE{w + 4, h};
    at.Item = at.Place.TopLevel ? RECT{0, 0, w, h} : RECT{4, 0, w + 4, h + 1};
    const RECT& r = at.Item;
    at.Icon = at.Place.RightToLeft ? RECT{r.right - iconWidth_, r.top, r.right, r.bottom}
                                   : RECT{r.left, r.top, r.left + iconWidth_, r.bottom};
    at.Mark = MarkBox(at.Icon, at.Place, glyph.Width(), hasImage, iconWidth_);
    at.Caption = CaptionBox(r, at.Place, hasImage ? glyph.Width() : 0, hasImage, iconWidth_);
    return at;
}

// Behind a bar item the bar's colour; behind a popup item the gradient strip, or the menu colour over the whole
// picture and the icon strip's colour.
void TFlatStyle::PaintMenuItemBackground(TCanvas& c, const TMenuItemLayout& at, const RECT& picture) {
    const RECT& r = at.Item;
    if (at.Place.TopLevel) {
        if (drawMenuBar_) scheme_.SchemeMenuBarColor = menuBarColor_;
        Fill(c, r, scheme_.SchemeMenuBarColor);
    } else if (scheme_.HighColor && gradient_) {
        PaintGradientStrip(c, RECT{r.left, r.top, r.right + 2, r.bottom}, at.Place.RightToLeft);
    } else {
        Fill(c, picture, scheme_.SchemeMenuColor);
        Fill(c, at.Icon, scheme_.SchemeIconBackColor);
    }
}

// The selected item's highlight, or the box of a bar item under the pointer while the bar tracks; whether either
// was painted.
bool TFlatStyle::PaintMenuItemHighlight(TMenuItem& item, TCanvas& c, const TMenuItemLayout& at, bool selected,
                                        const RECT& rect) {
    const RECT& r = at.Item;
    const bool top = at.Place.TopLevel;
    if (selected && drawSelect_) {
        if (top) {
            PaintSelectedTopItem(TItemHost::MenuItem, c, r, menuBarColor_, at.Place.RightToLeft);
        } else if (item.Enabled()) {
            Box(c, RECT{r.left, r.top + 1, r.right - (flatMenu_ ? 1 : 0), r.bottom - 1}, scheme_.SchemeSelectColor,
                scheme_.SchemeSelectBorderColor);
        }
        return true;
    }
    auto* bar = dynamic_cast<TMainMenu*>(at.Place.Menu);
    if (top && item.Enabled() && isNTPlatform_ && bar != nullptr && bar->Tracking() &&
        CursorInItemRect(MenuOwner(at.Place.Menu), rect)) {
        Box(c, RECT{r.left, r.top, r.right - 7, r.bottom}, scheme_.SchemeSelectColor, scheme_.SchemeSelectBorderColor);
        return true;
    }
    return false;
}

// A separator's line across the middle of the caption's box, or the caption and shortcut 3 in at the reading
// side and centred on one line.
void TFlatStyle::PaintMenuItemCaption(TMenuItem& item, TCanvas& c, const TMenuItemLayout& at, bool selected) {
    const bool rtl = at.Place.RightToLeft;
    RECT t = at.Caption;
    c.Font().SetColor(item.Enabled() ? font_.Color() : disabledColor_);
    if (item.IsLine()) {
        c.Pen().SetColor(scheme_.SchemeSeparatorColor);
        const int y = t.top + static_cast<int>(std::nearbyint(Height(t) / 2.0));
        if (rtl) Line(c, {{t.left, y}, {t.right - 7, y}});
        else Line(c, {{t.left + 7, y}, {t.right, y}});
        return;
    }
    UINT flags = 0;
    if (rtl) {
        flags = DT_RIGHT | DT_RTLREADING;
        t.right -= 3;
    } else {
        t.left += 3;
    }
    t.top += (Height(t) - c.TextHeight("W")) / 2;
    PaintItemText(" " + item.Caption(), flags, rtl, at.Place.TopLevel, item.Default(), item.Enabled(), selected, t, c,
                  ShortCutToText(item.ShortCut()), nullptr, TItemHost::MenuItem);
}

void TFlatStyle::PaintSelectedTopItem(TItemHost host, TCanvas& c, const RECT& r, TColor colour, bool rtl) {
    const int L = r.left, T = r.top, Rt = r.right, B = r.bottom;
    Fill(c, r, scheme_.SchemeSelectColor);
    c.Pen().SetColor(scheme_.SchemeSelectBorderColor);
    if (!rtl && scheme_.HighColor && host == TItemHost::MenuItem) {
        const TColor m = scheme_.SchemeMenuBarColor;
        Line(c, {{L, B - 1}, {L, T}, {Rt - 8, T}, {Rt - 8, B}});
        Fill(c, RECT{Rt - 7, T, Rt, B}, DarkenColor(m, 10));
        Fill(c, RECT{Rt - 7, T + 3, Rt - 2, B}, DarkenColor(m, 30));
        Fill(c, RECT{Rt - 7, T + 5, Rt - 3, B}, DarkenColor(m, 60));
        Fill(c, RECT{Rt - 7, T + 6, Rt - 5, B}, DarkenColor(m, 100));
        c.Pen().SetColor(m);
        Line(c, {{Rt - 5, T + 1}, {Rt - 1, T + 1}, {Rt - 1, T + 6}});
        Line(c, {{Rt - 3, T + 2}, {Rt - 2, T + 2}, {Rt - 2, T + 3}, {Rt - 3, T + 3}});
        c.Pen().SetColor(DarkenColor(m, 10));
        Line(c, {{Rt - 6, T + 3}, {Rt - 3, T + 3}, {Rt - 3, T + 6}, {Rt - 4, T + 6}, {Rt - 4, T + 3}});
        c.Pen().SetColor(DarkenColor(m, 30));
        Line(c, {{Rt - 5, T + 5}, {Rt - 4, T + 5}, {Rt - 4, T + 9}});
        c.Pen().SetColor(DarkenColor(m, 40));
        Line(c, {{Rt - 6, T + 5}, {Rt - 6, T + 7}});
        return;
    }
    Line(c, {{L, B - 1}, {L, T}, {Rt - 3, T}, {Rt - 3, B}});
    Fill(c, RECT{Rt - 2, T + 2, Rt, B}, DarkenColor(colour, 70));
    Fill(c, RECT{Rt - 2, T, Rt, T + 2}, colour);
}

void TFlatStyle::PaintCheckMark(TMenuItem& item, bool selected, const RECT& g, TCanvas& c, bool hasImage, bool enabled) {
    const int L = g.left, T = g.top, Rt = g.right, B = g.bottom;
    c.Brush().SetStyle(bsSolid);
    c.Pen().SetColor(enabled ? scheme_.SchemeSelectBorderColor : scheme_.SchemeDisabledColor);
    if (enabled) c.Brush().SetColor(selected ? scheme_.SchemeCheckBackSelectColor : scheme_.SchemeCheckBackColor);
    if (!item.Checked()) return;
    if (item.RadioItem()) {
        if (hasImage) {
            c.RoundRect(L, T, Rt, B, 6, 6);
            return;
        }
        c.Ellipse(L, T, Rt, B);
        c.Brush().SetColor(c.Pen().Color());
        c.Ellipse(L + 2, T + 2, Rt - 2, B - 2);
        return;
    }
    if (hasImage) {
        c.Rectangle(g);
        return;
    }
    c.Pen().SetColor(enabled ? scheme_.SchemeCheckedColor : scheme_.SchemeDisabledColor);
    c.Rectangle(g);
    c.Pen().SetColor(enabled ? clBlack : scheme_.SchemeDisabledColor);
    Line(c, {{L + 1, T + 5}, {L + 4, B - 2}});
    Line(c, {{L + 2, T + 5}, {L + 4, B - 3}});
    Line(c, {{L + 2, T + 4}, {L + 5, B - 3}});
    Line(c, {{L + 4, B - 3}, {Rt + 2, T - 1}});
    Line(c, {{L + 4, B - 2}, {Rt - 2, T + 3}});
}

void TFlatStyle::PaintItemText(const std::string& text, UINT flags, bool rtl, bool top, bool isDefault, bool enabled,
                               bool selected, RECT t, TCanvas& c, const std::string& shortCut, const TFont* font,
                               TItemHost host) {
    const TFont& textFont = font != nullptr ? *font : font_;
    c.Font().Assign(textFont);
    TColor colour = textFont.Color();
    if (selected) colour = scheme_.SchemeSelectFontColor;
    if (!enabled) colour = scheme_.SchemeDisabledColor;
    if (host == TItemHost::ToolButton && !enabled) {
        PaintOpaqueText(text, flags, t, c, colour);
        return;
    }
    if (selected && top && useSystemColors_) colour = ContrastTextColor(scheme_.SchemeIconBackColor);
    c.Brush().SetStyle(bsClear);
    const UINT format = flags | DT_EXPANDTABS;
    if (isDefault && enabled) {
        struct TPass {
            int dl, dt, dr, n;
        };
        const TPass passes[] = {{1, 0, 0, 30}, {1, 2, 1, 30}, {0, 1, 0, 40}, {1, 1, 1, 60}};
        for (const TPass& p : passes) {
            RECT r{t.left + p.dl, t.top + p.dt, t.right + p.dr, t.bottom};
            c.Font().SetColor(DarkenColor(static_cast<TColor>(c.Pixel(r.left, r.top)), p.n));
            c.DrawText(text, r, format);
        }
    }
    c.Font().SetColor(colour);
    RECT captionRect = t;
    c.DrawText(text, captionRect, format);
    if (shortCut.empty()) return;
    if (rtl) {
        RECT r{t.left + 10, t.top, t.right, t.bottom};
        c.DrawText(shortCut + " ", r, DT_RTLREADING | DT_EXPANDTABS);
    } else {
        RECT r{t.left, t.top, t.right - 10, t.bottom};
        c.DrawText(shortCut + " ", r, DT_RIGHT | DT_EXPANDTABS);
    }
    c.Brush().SetStyle(bsSolid);
}

// A disabled tool button's caption: drawn on a bitmap filled with the canvas's brush colour, in the bitmap's
// own font, and copied in.
void TFlatStyle::PaintOpaqueText(const std::string& text, UINT flags, RECT t, TCanvas& c, TColor colour) {
    t.top += (Height(t) - c.TextHeight("W")) / 2;
    const int w = Width(t);
    const int h = Height(t);
    if (w <= 0 || h <= 0) return;
    TBitmap picture;
    picture.SetSize(w, h);
    TCanvas& p = picture.Canvas();
    Fill(p, RECT{0, 0, w, h}, c.Brush().Color());
    p.Font().SetColor(colour);
    RECT inside{0, 0, w, h};
    p.DrawText(text, inside, flags | DT_EXPANDTABS | DT_VCENTER);
    BitBlt(c.Handle(), t.left, t.top, w, h, p.Handle(), 0, 0, SRCCOPY);
}

void TFlatStyle::PaintGlyph(TCanvas& c, bool rtl, bool top, bool checked, bool enabled, bool pressed, bool selected,
                            const RECT& r, TBitmap& glyph, TItemHost host) {
    const int gw = glyph.Width();
    if (gw <= 0 || glyph.Height() <= 0) return;
    int x = r.left;
    int y = r.top + 1;
    if (host == TItemHost::MenuItem) {
        y += 2;
        if (gw < iconWidth_) x = r.left + (iconWidth_ - gw) / 2 - 1;
        else x = rtl ? r.right - gw - 2 : r.left + 2;
    }
    if (top) x = rtl ? r.right - gw - 5 : r.left + 1;
    if (selected && top && enabled && !pressed) {
        x -= 1;
        y -= 2;
    } else if (selected && !top && enabled && !checked && !pressed) {
        x -= 1;
        y -= 1;
    }
    if (!selected && enabled && !checked && scheme_.HighColor) DimBitmap(glyph, dimLevel_);
    if (!enabled) {
        GrayBitmap(glyph, grayLevel_);
        DimBitmap(glyph, 40);
    }
    if (selected && enabled && !checked) {
        const bool ownHot = host == TItemHost::ToolButton && scheme_.HighColor && !useSystemColors_;
        const TColor base = ownHot ? LightenColor(selectColor_, 68) : scheme_.SchemeSelectColor;
        PaintGlyphShadow(glyph, c, x + 2, y + 2, DarkenColor(base, 50));
    }
    glyph.SetTransparent(true);
    c.Draw(x, y, glyph);
}

TColor TFlatStyle::ContrastTextColor(TColor colour) {
    COLORREF rgb = ColorToRGB(colour);
    if ((GetRValue(rgb) + GetBValue(rgb)) / 2 > 150 || GetGValue(rgb) > 200) return font_.Color();
    return LightenColor(colour, 90);
}

void TFlatStyle::PaintGradientStrip(TCanvas& c, const RECT& r, bool rtl) {
    int percent = 0;
    const int columns = r.right - r.left + 1;
    for (int k = 0; k < columns; ++k) {
        int x = rtl ? r.right - 1 - k : r.left + k;
        bool fast = rtl ? (r.right - iconWidth_ + 5 < x && x < r.right) : (r.left < x && x < r.left + iconWidth_ + 5);
        percent = std::min(96, percent + (fast ? 3 : 1));
        Fill(c, RECT{x, r.top, x + 1, r.bottom}, LightenColor(scheme_.SchemeIconBackColor, percent));
    }
}

// Asks the manager, through the application window, to frame the popup window that shows the item.
void TFlatStyle::RequestFrame(TMenuItem& item, TCanvas& canvas) {
    if (IsDesigning() || !flatMenu_ || Application == nullptr || Application->Handle() == nullptr) return;
    HWND app = Application->Handle();
    MSG waiting;
    if (PeekMessageA(&waiting, app, FSM_PAINTITEMFRAME, FSM_PAINTWINDOWFRAME, PM_NOREMOVE)) return;
    HWND window = WindowFromDC(canvas.Handle());
    if (window == nullptr) {
        PostMessageA(app, FSM_PAINTITEMFRAME, 0, reinterpret_cast<LPARAM>(&item));
    } else if (ownerForm_ == nullptr || !ownerForm_->HandleAllocated() || window != ownerForm_->Handle()) {
        TMenu* menu = item.GetParentMenu();
        PostMessageA(app, FSM_PAINTWINDOWFRAME, menu != nullptr && menu->IsRightToLeft() ? 1 : 0,
                     reinterpret_cast<LPARAM>(window));
    }
}
