// Radio button: one choice of a group; checking it clears the others of its parent.
#pragma once

#include "toolkit/controls/ButtonControl.h"

class TRadioButton : public TButtonControl {
public:
    explicit TRadioButton(TComponent* owner);
    const char* ClassName() const override { return "TRadioButton"; }

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void CommandNotify(WORD code) override;

private:
    bool checked_ = false;
};
