// Control bar: a container that shows each child control in a band of its own, with a grabber and a frame.
#pragma once

#include "toolkit/controls/OwnContainer.h"
#include "toolkit/core/Events.h"

class TCanvas;

// What the bar still draws around a band after its band-paint event.
enum TBandPaintOption : unsigned { bpoGrabber = 1u << 0, bpoFrame = 1u << 1 };
using TBandPaintOptions = unsigned;

using TBandPaintEvent = TMethod<void(TComponent* sender, TControl* control, TCanvas& canvas, RECT& rect,
                                     TBandPaintOptions& options)>;

class TControlBar : public TOwnContainer {
public:
    explicit TControlBar(TComponent* owner);
    const char* ClassName() const override { return "TControlBar"; }

    // The band around a child: its bounds with room for the grabber on the left.
    static RECT BandRect(const TControl& control);

    // Runs for every band before the bar draws its grabber and frame.
    TBandPaintEvent OnBandPaint;

protected:
    void PaintWindow(HDC dc) override;
};
