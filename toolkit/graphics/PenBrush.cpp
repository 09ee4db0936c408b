// Pen and brush descriptions with lazily created GDI objects.
#include "toolkit/graphics/PenBrush.h"

void TPen::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    handle_.Reset();
}

void TPen::SetWidth(int width) {
    if (width == width_) return;
    width_ = width;
    handle_.Reset();
}

void TPen::SetStyle(TPenStyle style) {
    if (style == style_) return;
    style_ = style;
    handle_.Reset();
}

HPEN TPen::Handle() {
    if (style_ == psClear) return static_cast<HPEN>(GetStockObject(NULL_PEN));
    if (!handle_) {
        static const int kStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
        handle_.Reset(CreatePen(kStyles[style_], width_, ColorToRGB(color_)));
    }
    return handle_.Get();
}

void TBrush::SetColor(TColor color) {
    if (color == color_ && style_ == bsSolid) return;
    color_ = color;
    style_ = bsSolid;
    handle_.Reset();
}

void TBrush::SetStyle(TBrushStyle style) {
    if (style == style_) return;
    style_ = style;
    handle_.Reset();
}

HBRUSH TBrush::Handle() {
    if (style_ == bsClear) return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
    if (!handle_) handle_.Reset(CreateSolidBrush(ColorToRGB(color_)));
    return handle_.Get();
}
