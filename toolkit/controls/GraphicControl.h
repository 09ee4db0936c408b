// A control without a window: its parent paints it and routes the mouse to it.
#pragma once

#include "toolkit/controls/Control.h"
#include "toolkit/controls/ControlCanvas.h"

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner) : TControl(owner), canvas_(this) {}
    const char* ClassName() const override { return "TGraphicControl"; }

    TCanvas& Canvas() { return canvas_; }
    // Paints the control into the parent's device context, its origin already moved to the control.
    void PaintTo(HDC dc) { Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0); }

protected:
    // Draws the control on Canvas.
    virtual void Paint() {}
    void WndProc(TMessage& message) override;

private:
    TControlCanvas canvas_;
    bool pressed_ = false;
};
