// Framed box with a caption that holds other controls.
#pragma once

#include "toolkit/controls/WinControl.h"

class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TComponent* owner);
    const char* ClassName() const override { return "TGroupBox"; }

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
};
