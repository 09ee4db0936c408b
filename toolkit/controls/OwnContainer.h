// Base of the containers that the toolkit draws itself: a window of its own class that clips its children.
#pragma once

#include "toolkit/controls/WinControl.h"

class TOwnContainer : public TWinControl {
public:
    explicit TOwnContainer(TComponent* owner) : TWinControl(owner) {}
    const char* ClassName() const override { return "TOwnContainer"; }

protected:
    void CreateParams(TCreateParams& params) override {
        TWinControl::CreateParams(params);
        params.WindowClass = kToolkitWindowClass;
        params.Style |= WS_CLIPCHILDREN;
    }
    bool OwnWindowClass() const override { return true; }
};
