// Where a button puts its glyph beside its caption, and the images of its glyph strip.
#pragma once

#include <windows.h>

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct TGlyphPlacement {
    RECT Glyph;
    RECT Caption;
};

// Centres glyph and caption together in a client area of the given size, `spacing` pixels apart (callers pass 0
// for an empty caption); halves are rounded toward zero.
TGlyphPlacement PlaceGlyphAndCaption(TButtonLayout layout, SIZE client, SIZE glyph, SIZE caption, int spacing);

class TBitmap;

// Copies image `index` of a strip of `count` equal-width images into `image`; leaves it empty when the strip
// holds no such image.
void CutGlyphImage(TBitmap& strip, int count, int index, TBitmap& image);
