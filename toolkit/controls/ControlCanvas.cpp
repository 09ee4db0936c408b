// Canvas bound to a control: its client area (a graphic control: its part of the parent's window).
#include "toolkit/controls/ControlCanvas.h"

#include "toolkit/controls/WinControl.h"

void TControlCanvas::CreateHandle() {
    if (control_ == nullptr) return;
    auto* windowed = dynamic_cast<TWinControl*>(control_);
    TWinControl* host = windowed != nullptr ? windowed : control_->Parent();
    if (host == nullptr) return;
    HWND window = host->Handle();
    HDC dc = GetDC(window);
    if (dc == nullptr) return;
    if (windowed == nullptr) {
        SetViewportOrgEx(dc, control_->Left(), control_->Top(), nullptr);
        IntersectClipRect(dc, 0, 0, control_->Width(), control_->Height());
    }
    dcWindow_ = window;
    ownedDc_ = dc;
    SetHandle(dc);
}

void TControlCanvas::ReleasingHandle(HDC dc) {
    if (dc != ownedDc_) return;
    ReleaseDC(dcWindow_, dc);
    ownedDc_ = nullptr;
    dcWindow_ = nullptr;
}
