// Colour arithmetic, bitmap tinting and the small pen and pixel figures of the flat style.
#pragma once

#include <vector>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Color.h"

// Each takes any colour (a system colour is resolved first) and returns plain RGB.
// R - n, G - n + 2, B - n, clamped to 0..255.
TColor DarkenColor(TColor color, int n);
// Each channel c moves toward 255 by Round((255 - c) * percent / 100), ties to even; percent capped at 100.
TColor LightenColor(TColor color, int percent);
// Gray of (R + G + B) div 3 + n, capped at 240.
TColor GrayOfColor(TColor color, int n);
// Per channel the sum of (channel div k) over the k colours, kept in 8 bits; black for none.
TColor AverageColor(const std::vector<TColor>& colors);

// Every pixel p becomes GrayOfColor(p, n) / LightenColor(p, percent), row by row.
void GrayBitmap(TBitmap& bitmap, int n);
void DimBitmap(TBitmap& bitmap, int percent);

// Pen figures drawn with the canvas's current pen.
void PaintDropArrow(TCanvas& canvas, int x, int y);
// Direction 0 up, 1 down; any other draws nothing.
void PaintSpinArrows(TCanvas& canvas, int x, int y, int direction);
// A check mark three pixels thick; (x, y) are the left and bottom of its box.
void PaintTick(TCanvas& canvas, int x, int y);
// Every bitmap pixel not of its bottom-left colour sets the canvas pixel at (x + j, y + i) to color.
void PaintGlyphShadow(TBitmap& bitmap, TCanvas& canvas, int x, int y, TColor color);
