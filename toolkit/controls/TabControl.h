// Tab control used as a plain frame without tabs: a raised page border that holds other controls.
#pragma once

#include "toolkit/controls/WinControl.h"

class TTabControl : public TWinControl {
public:
    explicit TTabControl(TComponent* owner);
    const char* ClassName() const override { return "TTabControl"; }

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
};
