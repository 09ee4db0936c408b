// Flat frames for popup-menu windows: a one-pixel border, inner rows matched to the items, and a drop shadow.
#include <cstdlib>

#include "appearance/FlatStyle.h"
#include "toolkit/core/Scoped.h"
#include "toolkit/graphics/WholeWindowCanvas.h"
#include "toolkit/system/WinGuards.h"

namespace {

// The window procedure a framed popup window had before; kept in a property of the window.
const char kSavedProc[] = "QvlFlatMenuProc";

LRESULT CALLBACK FlatMenuWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

WNDPROC SavedProc(HWND window) { return reinterpret_cast<WNDPROC>(GetPropA(window, kSavedProc)); }

bool IsFramed(HWND window) {
    return window != nullptr &&
           reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)) == &FlatMenuWndProc;
}

void Hook(HWND window) {
    if (IsFramed(window)) return;
    LONG_PTR previous = GetWindowLongPtrA(window, GWLP_WNDPROC);
    SetPropA(window, kSavedProc, reinterpret_cast<HANDLE>(previous));
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FlatMenuWndProc));
}

// Puts the window's own procedure back and repaints a framed neighbour on the right.
LRESULT Unhook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC saved = SavedProc(window);
    SetWindowRgn(window, nullptr, FALSE);
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(saved));
    RemovePropA(window, kSavedProc);
    RECT r{};
    GetWindowRect(window, &r);
    LRESULT result = saved != nullptr ? CallWindowProcA(saved, window, message, wParam, lParam)
                                      : DefWindowProcA(window, message, wParam, lParam);
    HWND neighbour = WindowFromPoint(POINT{r.right + 2, r.top + 2});
    if (!IsFramed(neighbour)) neighbour = WindowFromPoint(POINT{r.right + 2, r.bottom - 2});
    if (IsFramed(neighbour)) InvalidateRect(neighbour, nullptr, FALSE);
    return result;
}

LRESULT CALLBACK FlatMenuWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) return 1;
    if ((message == WM_SHOWWINDOW && wParam == 0) || message == WM_CLOSE || message == WM_DESTROY)
        return Unhook(window, message, wParam, lParam);
    WNDPROC saved = SavedProc(window);
    return saved != nullptr ? CallWindowProcA(saved, window, message, wParam, lParam)
                            : DefWindowProcA(window, message, wParam, lParam);
}

// Sets the shadow-cutting region unless the window already has one of about its size.
void ShapeWindow(HWND window, int width, int height) {
    TRegionHandle current(CreateRectRgn(0, 0, 0, 0));
    RECT box{};
    bool hasRegion = GetWindowRgn(window, current.Get()) != ERROR;
    if (hasRegion) GetRgnBox(current.Get(), &box);
    if (hasRegion && std::abs(box.right - width) <= 5 && std::abs(box.bottom - height) <= 5) return;
    TRegionHandle shape(CreateRectRgn(0, 0, width - 2, height - 2));
    TRegionHandle lower(CreateRectRgn(2, 2, width, height));
    CombineRgn(shape.Get(), shape.Get(), lower.Get(), RGN_OR);
    if (SetWindowRgn(window, shape.Get(), TRUE)) shape.Release();  // the window owns it now
}

void Outline(TCanvas& c, const RECT& r, TColor color) {
    c.Brush().SetStyle(bsClear);
    c.Pen().SetColor(color);
    c.Rectangle(r);
}

}  // namespace

void TFlatStyle::PaintFlatMenuFrame(HWND window, bool rightToLeft) {
    if (window == nullptr || framePainting_ || !IsWindow(window)) return;
    TWholeWindowCanvas surface(window);
    if (!surface.Valid()) return;
    const TFlagScope painting(framePainting_);
    TCanvas& c = surface.Canvas();
    try {
        RECT window_rect{};
        GetWindowRect(window, &window_rect);
        const int width = window_rect.right - window_rect.left;
        const int height = window_rect.bottom - window_rect.top;
        RECT w{0, 0, width, height};
        Hook(window);
        if (!isWindowsXP_) {
            ShapeWindow(window, width, height);
            w.right -= 2;
            w.bottom -= 2;
        }
        Outline(c, w, scheme_.SchemeFrameColor);
        if (rightToLeft) {
            c.Pen().SetColor(scheme_.SchemeIconBackColor);
            c.MoveTo(w.right - 3, 2);
            c.LineTo(w.right - 2, w.bottom - 1);
        } else {
            Outline(c, RECT{1, 2, 3, w.bottom - 1}, scheme_.SchemeIconBackColor);
        }
        c.CopyRect(RECT{1, 1, w.right - 1, 3}, c, RECT{1, 3, w.right - 1, 4});
        if (isWindowsXP_) {
            c.CopyRect(RECT{1, w.bottom - 3, w.right - 1, w.bottom - 1}, c, RECT{1, 3, w.right - 1, 4});
            Outline(c, RECT{w.right - 3, 1, w.right - 1, w.bottom - 1}, scheme_.SchemeMenuColor);
        } else {
            Outline(c, RECT{2, height - 2, width, height}, scheme_.SchemeShadowColor);
            Outline(c, RECT{width - 2, 2, width, height}, scheme_.SchemeShadowColor);
        }
    } catch (...) {
        // The window keeps the frame it had.
    }
}
