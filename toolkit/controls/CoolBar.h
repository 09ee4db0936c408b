// Cool bar (rebar) across the top of a form: each child window sits in a band of its own, in rows as the
// children were placed; graphic children such as speed buttons sit on the bar itself.
#pragma once

#include "toolkit/controls/WinControl.h"

class TCoolBar : public TWinControl {
public:
    explicit TCoolBar(TComponent* owner);
    const char* ClassName() const override { return "TCoolBar"; }

    // Draws a line between bands.
    void SetBandBorders(bool borders) { bandBorders_ = borders; }

protected:
    void CreateParams(TCreateParams& params) override;
    // Creates the window and its children, then puts each child window into a band.
    void CreateWnd() override;
    // Graphic children (speed buttons) sit on the bar itself, which paints its background under them.
    bool ErasesWithBrush() const override { return true; }

private:
    bool bandBorders_ = true;
};
