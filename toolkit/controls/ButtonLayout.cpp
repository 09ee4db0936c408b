// Where a button puts its glyph beside its caption, and the images of its glyph strip.
#include "toolkit/controls/ButtonLayout.h"

#include "toolkit/graphics/Bitmap.h"

TGlyphPlacement PlaceGlyphAndCaption(TButtonLayout layout, SIZE client, SIZE glyph, SIZE caption, int spacing) {
    const int w = client.cx, h = client.cy, gw = glyph.cx, gh = glyph.cy, tw = caption.cx, th = caption.cy;
    const int sp = spacing;
    RECT g{};
    RECT t{};
    switch (layout) {
    case blGlyphRight:
        g.left = (gw + sp + tw + w) / 2 - gw;
        g.top = (h - gh) / 2;
        t.left = g.left - sp - tw;
        t.top = (h - th) / 2;
        break;
    case blGlyphTop:
        g.left = (w - gw) / 2;
        g.top = (h - (gh + sp + th)) / 2;
        t.left = (w - tw) / 2;
        t.top = g.top + gh + sp;
        break;
    case blGlyphBottom:
        g.left = (w - gw) / 2;
        g.top = (gh + sp + th + h) / 2 - gh;
        t.left = (w - tw) / 2;
        t.top = g.top - sp - th;
        break;
    case blGlyphLeft:
    default:
        g.left = (w - (gw + sp + tw)) / 2;
        g.top = (h - gh) / 2;
        t.left = g.left + gw + sp;
        t.top = (h - th) / 2;
        break;
    }
    g.right = g.left + gw;
    g.bottom = g.top + gh;
    t.right = t.left + tw;
    t.bottom = t.top + th;
    return TGlyphPlacement{g, t};
}

void CutGlyphImage(TBitmap& strip, int count, int index, TBitmap& image) {
    const int width = count > 0 ? strip.Width() / count : 0;
    if (width <= 0 || strip.Height() <= 0 || index < 0 || index >= count) return;
    image.SetSize(width, strip.Height());
    RECT dest{0, 0, width, strip.Height()};
    RECT from{index * width, 0, index * width + width, strip.Height()};
    image.Canvas().CopyRect(dest, strip.Canvas(), from);
}
