// Drawing surface over a device context: pen, brush and font, shapes, text, pixels and block copies.
#include "toolkit/graphics/Canvas.h"

#include <climits>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/system/WinGuards.h"

HDC TCanvas::Handle() {
    if (dc_ == nullptr) CreateHandle();
    return dc_;
}

void TCanvas::SetHandle(HDC dc) {
    if (dc == dc_) return;
    if (dc_ != nullptr) ReleasingHandle(dc_);
    dc_ = dc;
}

POINT TCanvas::PenPos() {
    POINT p{};
    GetCurrentPositionEx(Handle(), &p);
    return p;
}

void TCanvas::MoveTo(int x, int y) { MoveToEx(Handle(), x, y, nullptr); }

void TCanvas::LineTo(int x, int y) {
    HDC dc = Handle();
    TSelectObject pen(dc, pen_.Handle());
    ::LineTo(dc, x, y);
}

void TCanvas::Polyline(const std::vector<POINT>& points) {
    if (points.empty()) return;
    HDC dc = Handle();
    TSelectObject pen(dc, pen_.Handle());
    ::Polyline(dc, points.data(), static_cast<int>(points.size()));
    MoveToEx(dc, points.back().x, points.back().y, nullptr);
}

void TCanvas::FillRect(const RECT& rect) { ::FillRect(Handle(), &rect, brush_.Handle()); }

void TCanvas::FrameRect(const RECT& rect) { ::FrameRect(Handle(), &rect, brush_.Handle()); }

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    HDC dc = Handle();
    TSelectObject pen(dc, pen_.Handle());
    TSelectObject brush(dc, brush_.Handle());
    ::Rectangle(dc, left, top, right, bottom);
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
    HDC dc = Handle();
    TSelectObject pen(dc, pen_.Handle());
    TSelectObject brush(dc, brush_.Handle());
    ::RoundRect(dc, left, top, right, bottom, cornerWidth, cornerHeight);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
    HDC dc = Handle();
    TSelectObject pen(dc, pen_.Handle());
    TSelectObject brush(dc, brush_.Handle());
    ::Ellipse(dc, left, top, right, bottom);
}

void TCanvas::PrepareText() {
    HDC dc = Handle();
    SetTextColor(dc, ColorToRGB(font_.Color()));
    if (brush_.Style() == bsClear) {
        SetBkMode(dc, TRANSPARENT);
    } else {
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, ColorToRGB(brush_.Color()));
    }
}

void TCanvas::TextOut(int x, int y, const std::string& text) { PlaceText(x, y, text, 0, nullptr); }

void TCanvas::TextRect(const RECT& clip, int x, int y, const std::string& text, UINT options) {
    PlaceText(x, y, text, options | ETO_CLIPPED, &clip);
}

void TCanvas::PlaceText(int x, int y, const std::string& text, UINT options, const RECT* clip) {
    PrepareText();
    HDC dc = Handle();
    TSelectObject font(dc, font_.Handle());
    // Each glyph goes where TextExtent counted it: left to itself, Wine can place a scaled font's glyphs a little
    // wider apart than it measures them, and the text then outgrows the box sized for it.
    const int count = static_cast<int>(text.size());
    std::vector<int> ends(text.size());
    SIZE size{};
    int fit = 0;
    if (count == 0 || !GetTextExtentExPointA(dc, text.data(), count, INT_MAX, &fit, ends.data(), &size) || fit != count) {
        ExtTextOutA(dc, x, y, options, clip, text.data(), static_cast<UINT>(count), nullptr);
        return;
    }
    std::vector<int> advances(text.size());
    for (int i = 0; i < count; ++i) advances[i] = ends[i] - (i > 0 ? ends[i - 1] : 0);
    ExtTextOutA(dc, x, y, options, clip, text.data(), static_cast<UINT>(count), advances.data());
}

SIZE TCanvas::TextExtent(const std::string& text) {
    HDC dc = Handle();
    TSelectObject font(dc, font_.Handle());
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    return size;
}

int TCanvas::DrawText(const std::string& text, RECT& rect, UINT flags) {
    PrepareText();
    HDC dc = Handle();
    TSelectObject font(dc, font_.Handle());
    std::string buffer = text;  // DrawTextExA may write into the text with some flags
    return DrawTextExA(dc, buffer.data(), static_cast<int>(buffer.size()), &rect, flags, nullptr);
}

TColor TCanvas::Pixel(int x, int y) { return static_cast<TColor>(GetPixel(Handle(), x, y)); }

void TCanvas::SetPixel(int x, int y, TColor color) { ::SetPixel(Handle(), x, y, ColorToRGB(color)); }

void TCanvas::Draw(int x, int y, TBitmap& bitmap) {
    if (bitmap.Width() == 0 || bitmap.Height() == 0) return;
    HDC dest = Handle();
    HDC source = bitmap.Canvas().Handle();
    if (bitmap.Transparent()) {
        TransparentBlt(dest, x, y, bitmap.Width(), bitmap.Height(), source, 0, 0, bitmap.Width(), bitmap.Height(),
                       ColorToRGB(bitmap.TransparentColor()));
    } else {
        BitBlt(dest, x, y, bitmap.Width(), bitmap.Height(), source, 0, 0, SRCCOPY);
    }
}

void TCanvas::CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect) {
    StretchBlt(Handle(), dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, source.Handle(),
               sourceRect.left, sourceRect.top, sourceRect.right - sourceRect.left, sourceRect.bottom - sourceRect.top,
               SRCCOPY);
}
