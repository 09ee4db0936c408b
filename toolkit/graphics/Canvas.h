// Drawing surface over a device context: pen, brush and font, shapes, text, pixels and block copies.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/graphics/Color.h"
#include "toolkit/graphics/Font.h"
#include "toolkit/graphics/PenBrush.h"

class TBitmap;

class TCanvas {
public:
    TCanvas() = default;
    virtual ~TCanvas() = default;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // The device context; a canvas bound to a window acquires one on first use.
    HDC Handle();
    bool HandleAllocated() const { return dc_ != nullptr; }
    // Borrows a device context (the caller keeps owning it); nullptr detaches.
    void SetHandle(HDC dc);

    TPen& Pen() { return pen_; }
    TBrush& Brush() { return brush_; }
    TFont& Font() { return font_; }

    POINT PenPos();
    void MoveTo(int x, int y);
    // Draws with the pen from the pen position to (x, y), which itself is not drawn.
    void LineTo(int x, int y);
    void Polyline(const std::vector<POINT>& points);

    void FillRect(const RECT& rect);
    void FrameRect(const RECT& rect);
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const RECT& rect) { Rectangle(rect.left, rect.top, rect.right, rect.bottom); }
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void Ellipse(int left, int top, int right, int bottom);

    // Text in the font's colour; the background is the brush colour, or left untouched with a clear brush.
    void TextOut(int x, int y, const std::string& text);
    // The same, clipped to clip, with further ExtTextOut options (ETO_RTLREADING); no access-key marks.
    void TextRect(const RECT& clip, int x, int y, const std::string& text, UINT options = 0);
    SIZE TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }

    // DrawTextExA in the font's colour with the brush's background rule; flags DT_RIGHT, DT_VCENTER,
    // DT_EXPANDTABS, DT_RTLREADING, DT_CALCRECT (which writes the measured size into rect) and so on.
    int DrawText(const std::string& text, RECT& rect, UINT flags);

    TColor Pixel(int x, int y);
    void SetPixel(int x, int y, TColor color);

    // Draws a bitmap with its top-left at (x, y); a transparent bitmap leaves its key-coloured pixels out.
    void Draw(int x, int y, TBitmap& bitmap);
    // Block copy from another canvas (SRCCOPY).
    void CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect);

protected:
    // Called when a handle is needed and none is set; a canvas bound to a window gets its DC here.
    virtual void CreateHandle() {}
    // Called before the current handle is dropped; a canvas that acquired its DC releases it here.
    virtual void ReleasingHandle(HDC) {}
    void PrepareText();
    void PlaceText(int x, int y, const std::string& text, UINT options, const RECT* clip);

private:
    HDC dc_ = nullptr;
    TPen pen_;
    TBrush brush_;
    TFont font_;
};
