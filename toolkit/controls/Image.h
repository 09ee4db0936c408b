// A picture painted by the parent, optionally with its key colour left out so the background shows through.
#pragma once

#include "toolkit/controls/GraphicControl.h"
#include "toolkit/graphics/Bitmap.h"

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);
    const char* ClassName() const override { return "TImage"; }

    TBitmap& Picture() { return picture_; }
    // Takes the picture from a bitmap resource of a module; false (and no picture) when it is not there.
    bool LoadFromResourceName(HINSTANCE module, const char* name);

    bool Transparent() const { return picture_.Transparent(); }
    void SetTransparent(bool transparent);

protected:
    void Paint() override;

private:
    TBitmap picture_;
};
