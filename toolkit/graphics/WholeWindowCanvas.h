// TWholeWindowCanvas: a canvas over a window's whole area, non-client border included.
#pragma once

#include "toolkit/graphics/Canvas.h"
#include "toolkit/system/WinGuards.h"

class TWholeWindowCanvas {
public:
    explicit TWholeWindowCanvas(HWND window) : dc_(window, TWindowDC::daWholeWindow) { canvas_.SetHandle(dc_.Get()); }
    ~TWholeWindowCanvas() { canvas_.SetHandle(nullptr); }
    TWholeWindowCanvas(const TWholeWindowCanvas&) = delete;
    TWholeWindowCanvas& operator=(const TWholeWindowCanvas&) = delete;
    TCanvas& Canvas() { return canvas_; }
    bool Valid() const { return dc_.Get() != nullptr; }

private:
    TWindowDC dc_;
    TCanvas canvas_;
};
