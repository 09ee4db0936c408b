// Framed box with a caption that holds other controls.
#pragma once

#include "toolkit/controls/WinControl.h"

class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TComponent* owner);
    const char* ClassName() const override { return "TGroupBox"; }

protected:
    void CreateParams(TCreateParams& params) override;
    // The system draws the frame only; the inside is ours.
    bool ErasesWithBrush() const override { return true; }
    void WndProc(TMessage& message) override;
};
