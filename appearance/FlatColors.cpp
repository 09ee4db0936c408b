// Colour arithmetic, bitmap tinting and the small pen and pixel figures of the flat style.
#include "appearance/FlatColors.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

int Red(COLORREF c) { return GetRValue(c); }
int Green(COLORREF c) { return GetGValue(c); }
int Blue(COLORREF c) { return GetBValue(c); }
int Clamp(int v) { return std::clamp(v, 0, 255); }

int LightenChannel(int c, int percent) {
    // nearbyint rounds to nearest with ties to even in the default rounding mode.
    return std::min(255, c + static_cast<int>(std::nearbyint((255 - c) * static_cast<double>(percent) / 100.0)));
}

// Rewrites every pixel through f, computing once per run of equal pixels.
void MapBitmap(TBitmap& bitmap, const std::function<TColor(TColor)>& f) {
    TCanvas& canvas = bitmap.Canvas();
    bool remembered = false;
    TColor last = 0;
    TColor lastResult = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            TColor p = canvas.Pixel(x, y);
            if (!remembered || p != last) {
                last = p;
                lastResult = f(p);
                remembered = true;
            }
            canvas.SetPixel(x, y, lastResult);
        }
}

void Segment(TCanvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

}  // namespace

TColor DarkenColor(TColor color, int n) {
    COLORREF c = ColorToRGB(color);
    return RGBColor(Clamp(Red(c) - n), Clamp(Green(c) - n + 2), Clamp(Blue(c) - n));
}

TColor LightenColor(TColor color, int percent) {
    percent = std::min(percent, 100);
    COLORREF c = ColorToRGB(color);
    return RGBColor(Clamp(LightenChannel(Red(c), percent)), Clamp(LightenChannel(Green(c), percent)),
                    Clamp(LightenChannel(Blue(c), percent)));
}

TColor GrayOfColor(TColor color, int n) {
    COLORREF c = ColorToRGB(color);
    int v = std::min(240, (Red(c) + Green(c) + Blue(c)) / 3 + n);
    v = Clamp(v);
    return RGBColor(v, v, v);
}

TColor AverageColor(const std::vector<TColor>& colors) {
    if (colors.empty()) return clBlack;
    auto k = static_cast<int>(colors.size());
    int r = 0, g = 0, b = 0;
    for (TColor color : colors) {
        COLORREF c = ColorToRGB(color);
        r += Red(c) / k;
        g += Green(c) / k;
        b += Blue(c) / k;
    }
    return RGBColor(r & 0xFF, g & 0xFF, b & 0xFF);
}

void GrayBitmap(TBitmap& bitmap, int n) {
    MapBitmap(bitmap, [n](TColor p) { return GrayOfColor(p, n); });
}

void DimBitmap(TBitmap& bitmap, int percent) {
    percent = std::min(percent, 100);
    MapBitmap(bitmap, [percent](TColor p) { return LightenColor(p, percent); });
}

void PaintDropArrow(TCanvas& canvas, int x, int y) {
    Segment(canvas, x, y, x + 5, y);
    Segment(canvas, x + 1, y + 1, x + 4, y);
    Segment(canvas, x + 2, y + 2, x + 3, y);
}

void PaintSpinArrows(TCanvas& canvas, int x, int y, int direction) {
    if (direction == 0) {
        Segment(canvas, x, y, x, y - 1);
        Segment(canvas, x + 1, y + 1, x + 4, y + 4);
        Segment(canvas, x, y + 1, x + 3, y + 4);
        Segment(canvas, x, y + 2, x + 2, y + 4);
        Segment(canvas, x - 1, y + 1, x - 4, y + 4);
        Segment(canvas, x, y + 2, x - 3, y + 4);
        Segment(canvas, x, y + 1, x - 2, y + 4);
    } else if (direction == 1) {
        Segment(canvas, x, y + 3, x, y + 4);
        Segment(canvas, x + 1, y + 2, x + 4, y - 1);
        Segment(canvas, x, y + 2, x + 3, y - 1);
        Segment(canvas, x, y + 1, x + 2, y);
        Segment(canvas, x - 1, y + 2, x - 4, y - 1);
        Segment(canvas, x, y + 2, x - 3, y - 1);
        Segment(canvas, x, y + 1, x - 2, y);
    }
}

void PaintTick(TCanvas& canvas, int x, int y) {
    for (int i = 0; i < 3; ++i) canvas.Polyline({{x + 2, y - 5 - i}, {x + 4, y - 3 - i}, {x + 9, y - 8 - i}});
}

void PaintGlyphShadow(TBitmap& bitmap, TCanvas& canvas, int x, int y, TColor color) {
    if (bitmap.Width() <= 0 || bitmap.Height() <= 0) return;
    TCanvas& source = bitmap.Canvas();
    TColor key = source.Pixel(0, bitmap.Height() - 1);
    for (int i = 0; i < bitmap.Height(); ++i)
        for (int j = 0; j < bitmap.Width(); ++j)
            if (source.Pixel(j, i) != key) canvas.SetPixel(x + j, y + i, color);
}
