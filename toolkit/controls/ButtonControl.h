// Base of the controls of the system button class: push buttons and check boxes.
#pragma once

#include "toolkit/controls/WinControl.h"

class TButtonControl : public TWinControl {
public:
    explicit TButtonControl(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }
    const char* ClassName() const override { return "TButtonControl"; }

protected:
    void CreateParams(TCreateParams& params) override {
        TWinControl::CreateParams(params);
        params.WindowClass = "BUTTON";
    }
};
