// Cool bar (rebar) across the top of a form: each child control sits in a band of its own.
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

private:
    bool bandBorders_ = true;
};
