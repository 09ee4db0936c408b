// A three-dimensional frame: top and left edges in one colour, bottom and right in another.
#include "toolkit/graphics/Frame3D.h"

void Frame3D(TCanvas& canvas, RECT& rect, TColor topLeft, TColor bottomRight, int width) {
    for (int i = 0; i < width; ++i) {
        const int right = rect.right - 1;
        const int bottom = rect.bottom - 1;
        canvas.Pen().SetColor(topLeft);
        canvas.MoveTo(rect.left, bottom);
        canvas.LineTo(rect.left, rect.top);
        canvas.LineTo(right, rect.top);
        canvas.Pen().SetColor(bottomRight);
        canvas.LineTo(right, bottom);
        canvas.LineTo(rect.left - 1, bottom);
        InflateRect(&rect, -1, -1);
    }
}
