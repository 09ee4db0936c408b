// Check box; OnClick runs whenever its state changes, by the user or by code.
#pragma once

#include "toolkit/controls/ButtonControl.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
// Which side the caption is on: taLeftJustify puts it left of the box.
enum TLeftRight { taLeftJustify, taRightJustify };

class TCheckBox : public TButtonControl {
public:
    explicit TCheckBox(TComponent* owner);
    const char* ClassName() const override { return "TCheckBox"; }

    bool Checked() const { return state_ == cbChecked; }
    void SetChecked(bool checked) { SetState(checked ? cbChecked : cbUnchecked); }
    // Grayed is set by code only; a click on a grayed box checks it.
    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState state);
    TLeftRight Alignment() const { return alignment_; }
    void SetAlignment(TLeftRight alignment);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void CommandNotify(WORD code) override;

private:
    TCheckBoxState state_ = cbUnchecked;
    TLeftRight alignment_ = taRightJustify;
};
