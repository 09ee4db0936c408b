// Control bar: a container that shows each child control in a band of its own, with a grabber and a frame.
#include "toolkit/controls/ControlBar.h"

#include "toolkit/graphics/Frame3D.h"

TControlBar::TControlBar(TComponent* owner) : TOwnContainer(owner) {
    width_ = 100;
    height_ = 50;
}

RECT TControlBar::BandRect(const TControl& control) {
    RECT r = control.BoundsRect();
    return RECT{r.left - 11, r.top - 2, r.right + 2, r.bottom + 2};
}

void TControlBar::PaintWindow(HDC dc) {
    TCanvas canvas;
    canvas.SetHandle(dc);
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        if (!child->Visible()) continue;
        RECT band = BandRect(*child);
        TBandPaintOptions options = bpoGrabber | bpoFrame;
        OnBandPaint(this, child, canvas, band, options);
        if (options & bpoFrame) {
            RECT frame = band;
            Frame3D(canvas, frame, clBtnHighlight, clBtnShadow, 1);
        }
        if (options & bpoGrabber) {
            RECT grip{band.left + 3, band.top + 3, band.left + 6, band.bottom - 3};
            Frame3D(canvas, grip, clBtnHighlight, clBtnShadow, 1);
        }
    }
    canvas.SetHandle(nullptr);
}
