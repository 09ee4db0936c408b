// Reading back what a window shows: paint it now, then read pixels of its client area or whole window.
#pragma once

#include <windows.h>

#include <vector>

#include "tests/support/Harness.h"
#include "toolkit/controls/WinControl.h"
#include "toolkit/system/WinGuards.h"

namespace harness {

// Paints every region of the window and its children now (frames included).
inline void PaintNow(TWinControl& control) {
    RedrawWindow(control.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ProcessMessages();
}

inline COLORREF ClientPixel(TWinControl& control, int x, int y) {
    TWindowDC dc(control.Handle());
    return GetPixel(dc.Get(), x, y);
}

// In whole-window coordinates: (0, 0) is the outer corner of the border.
inline COLORREF WindowPixel(TWinControl& control, int x, int y) {
    TWindowDC dc(control.Handle(), TWindowDC::daWholeWindow);
    return GetPixel(dc.Get(), x, y);
}

// The pixels of the whole window, row by row.
inline std::vector<COLORREF> WindowBits(HWND handle) {
    RECT bounds{};
    GetWindowRect(handle, &bounds);
    const int w = bounds.right - bounds.left;
    const int h = bounds.bottom - bounds.top;
    std::vector<COLORREF> bits(static_cast<size_t>(w) * static_cast<size_t>(h));
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    TWindowDC window(handle, TWindowDC::daWholeWindow);
    TMemoryDC memory(CreateCompatibleDC(window.Get()));
    TBitmapHandle bitmap(CreateCompatibleBitmap(window.Get(), w, h));
    {
        TSelectObject selected(memory.Get(), bitmap.Get());
        BitBlt(memory.Get(), 0, 0, w, h, window.Get(), 0, 0, SRCCOPY);
    }
    GetDIBits(memory.Get(), bitmap.Get(), 0, static_cast<UINT>(h), bits.data(), &info, DIB_RGB_COLORS);
    return bits;
}

inline std::vector<COLORREF> WindowBits(TWinControl& control) { return WindowBits(control.Handle()); }

}  // namespace harness
