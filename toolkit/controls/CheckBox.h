// Check box; OnClick runs whenever Checked changes, by the user or by code.
#pragma once

#include "toolkit/controls/ButtonControl.h"

class TCheckBox : public TButtonControl {
public:
    explicit TCheckBox(TComponent* owner);
    const char* ClassName() const override { return "TCheckBox"; }

    bool Checked() const;
    void SetChecked(bool checked);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void CommandNotify(WORD code) override;

private:
    bool checked_ = false;
};
