// Panel: a container with an outer and an inner bevel and a centred caption.
#pragma once

#include "toolkit/controls/OwnContainer.h"

enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };

class TPanel : public TOwnContainer {
public:
    explicit TPanel(TComponent* owner);
    const char* ClassName() const override { return "TPanel"; }

    TPanelBevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel bevel) { bevelOuter_ = bevel; Invalidate(); }
    TPanelBevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(TPanelBevel bevel) { bevelInner_ = bevel; Invalidate(); }
    int BevelWidth() const { return kBevelWidth; }
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width) { borderWidth_ = width; Invalidate(); }

protected:
    void PaintWindow(HDC dc) override;

private:
    TPanelBevel bevelOuter_ = bvRaised;
    TPanelBevel bevelInner_ = bvNone;
    static constexpr int kBevelWidth = 1;
    int borderWidth_ = 0;
};
