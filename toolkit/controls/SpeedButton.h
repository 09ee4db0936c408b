// Tool button without a window: a glyph beside its caption, raised under the mouse, sunken while held or latched
// down; buttons of one group on one parent latch one at a time.
#pragma once

#include "toolkit/controls/ButtonLayout.h"
#include "toolkit/controls/GraphicControl.h"
#include "toolkit/graphics/Bitmap.h"

class TImageList;

class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* owner);
    const char* ClassName() const override { return "TSpeedButton"; }

    // The glyph: picture `index` of the list (none when the list is null or the index negative). A non-empty
    // Glyph bitmap takes its place.
    void SetGlyph(TImageList* images, int index);
    int GlyphIndex() const { return glyphIndex_; }
    TImageList* Images() const { return images_; }
    // The glyph as NumGlyphs equal-width images side by side: normal, disabled, held, latched down.
    TBitmap& Glyph() { return glyph_; }
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);
    // The image of the strip shown in a state: latched down before held before disabled before normal, each only
    // where the strip has that image.
    int GlyphImage(bool enabled, bool held, bool down) const;
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout);
    // Pixels between glyph and caption.
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);

    // A flat button shows its edge only under the mouse or while held.
    bool Flat() const { return flat_; }
    void SetFlat(bool flat);
    // A transparent button lets its parent's background show through its face.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

    // Buttons of one parent with the same non-zero group index latch: a click puts one down and the others of
    // the group up. Group 0 never latches.
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index);
    // Whether a click on the latched button of a group puts it up again; shared by the whole group.
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool allow);
    // Latched down. Putting a button down puts the others of its group up; the down button of a group that does
    // not allow all up stays down.
    bool Down() const { return down_; }
    void SetDown(bool down);

    // Held: the left button went down over it and is still down with the mouse over it.
    bool Pressed() const { return pressed_; }
    // The mouse is over the button.
    bool Hot() const { return hot_; }

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    void SetState(bool pressed, bool hot);
    // Puts the other down buttons of the group up and gives them this button's AllowAllUp.
    void UpdateGroup();
    void PaintGlyph(const RECT& rect);

    TImageList* images_ = nullptr;
    int glyphIndex_ = -1;
    TBitmap glyph_;
    int numGlyphs_ = 1;
    TButtonLayout layout_ = blGlyphTop;
    int spacing_ = 2;
    bool flat_ = true;
    bool transparent_ = true;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool down_ = false;
    bool pressed_ = false;
    bool hot_ = false;
    bool held_ = false;  // the left button went down over the button and is not up yet
};
