// Flat tool button without a window: a glyph above its caption, raised under the mouse, sunken while held.
#pragma once

#include "toolkit/controls/GraphicControl.h"

class TImageList;

class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* owner);
    const char* ClassName() const override { return "TSpeedButton"; }

    // The glyph: picture `index` of the list (none when the list is null or the index negative).
    void SetGlyph(TImageList* images, int index);
    int GlyphIndex() const { return glyphIndex_; }
    // A flat button shows its edge only under the mouse or while held.
    bool Flat() const { return flat_; }
    void SetFlat(bool flat);
    // Held down: the left button went down over it and is still down with the mouse over it.
    bool Down() const { return down_; }
    // The mouse is over the button.
    bool Hot() const { return hot_; }

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    void SetState(bool down, bool hot);

    TImageList* images_ = nullptr;
    int glyphIndex_ = -1;
    bool flat_ = true;
    bool down_ = false;
    bool hot_ = false;
    bool held_ = false;  // the left button went down over the button and is not up yet
};
