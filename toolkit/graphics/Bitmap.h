// Off-screen picture with its own canvas; optionally drawn with one colour left out.
#pragma once

#include <windows.h>

#include <memory>

#include "toolkit/graphics/Canvas.h"
#include "toolkit/system/WinGuards.h"

class TBitmap {
public:
    TBitmap();
    ~TBitmap();
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // A new picture of the size, filled white.
    void SetSize(int width, int height);
    // Takes a bitmap from a module's resources; false when it is not there.
    bool LoadFromResourceName(HINSTANCE module, const char* name);

    TCanvas& Canvas() { return canvas_; }
    HBITMAP Handle() const { return bitmap_.Get(); }

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent) { transparent_ = transparent; }
    // The colour left out when drawn transparently: the bottom-left pixel.
    TColor TransparentColor();

private:
    void Adopt(HBITMAP bitmap);

    TBitmapHandle bitmap_;
    TMemoryDC dc_;
    std::unique_ptr<TSelectObject> selection_;
    TCanvas canvas_;
    int width_ = 0;
    int height_ = 0;
    bool transparent_ = false;
};
