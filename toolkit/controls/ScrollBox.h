// Scroll box: a framed container for other controls.
#pragma once

#include "toolkit/controls/WinControl.h"

class TScrollBox : public TWinControl {
public:
    explicit TScrollBox(TComponent* owner);
    const char* ClassName() const override { return "TScrollBox"; }

protected:
    void CreateParams(TCreateParams& params) override;
    bool OwnWindowClass() const override { return true; }
};
