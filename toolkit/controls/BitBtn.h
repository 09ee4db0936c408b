// Push button of the bit-map button kind: a button with a glyph (one or more equal-width images) beside its caption.
#pragma once

#include "toolkit/controls/Button.h"
#include "toolkit/controls/ButtonLayout.h"
#include "toolkit/graphics/Bitmap.h"

class TBitBtn : public TButton {
public:
    explicit TBitBtn(TComponent* owner) : TButton(owner) {}
    const char* ClassName() const override { return "TBitBtn"; }

    // The images side by side: normal, disabled, pressed, down.
    TBitmap& Glyph() { return glyph_; }
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count) { numGlyphs_ = count < 1 ? 1 : count; }
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout) { layout_ = layout; }
    // Pixels between glyph and caption.
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing) { spacing_ = spacing; }

private:
    TBitmap glyph_;
    int numGlyphs_ = 1;
    TButtonLayout layout_ = blGlyphLeft;
    int spacing_ = 4;
};
