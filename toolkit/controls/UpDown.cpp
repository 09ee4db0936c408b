// Up-down (spin) control with a position between Min and Max.
#include "toolkit/controls/UpDown.h"

#include <commctrl.h>

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) {
    width_ = 17;
    height_ = 25;
}

void TUpDown::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WindowClass = UPDOWN_CLASSA;
    params.Style |= UDS_ARROWKEYS;
}

void TUpDown::InitializeWindow() {
    SendMessageA(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
    SendMessageA(Handle(), UDM_SETPOS32, 0, static_cast<LPARAM>(position_));
}

int TUpDown::Position() const {
    if (!HandleAllocated()) return position_;
    return static_cast<int>(SendMessageA(const_cast<TUpDown*>(this)->Handle(), UDM_GETPOS32, 0, 0));
}

void TUpDown::SetPosition(int position) {
    position_ = position < min_ ? min_ : (position > max_ ? max_ : position);
    if (HandleAllocated()) SendMessageA(Handle(), UDM_SETPOS32, 0, static_cast<LPARAM>(position_));
}

void TUpDown::SetRange(int min, int max) {
    min_ = min;
    max_ = max;
    if (HandleAllocated()) SendMessageA(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(min), static_cast<LPARAM>(max));
    SetPosition(position_);
}
