// Canvas bound to a control: its client area (a graphic control: its part of the parent's window).
#pragma once

#include "toolkit/graphics/Canvas.h"

class TControl;

class TControlCanvas : public TCanvas {
public:
    explicit TControlCanvas(TControl* control) : control_(control) {}
    ~TControlCanvas() override { SetHandle(nullptr); }

    TControl* Control() const { return control_; }
    // Gives back a device context acquired for the control.
    void FreeHandle() { SetHandle(nullptr); }

protected:
    void CreateHandle() override;
    void ReleasingHandle(HDC dc) override;

private:
    TControl* control_;
    HWND dcWindow_ = nullptr;
    HDC ownedDc_ = nullptr;
};
