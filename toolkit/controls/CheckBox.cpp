// Check box; OnClick runs whenever its state changes, by the user or by code.
#include "toolkit/controls/CheckBox.h"

namespace {

WPARAM CheckOf(TCheckBoxState state) {
    if (state == cbChecked) return BST_CHECKED;
    return state == cbGrayed ? BST_INDETERMINATE : BST_UNCHECKED;
}

}  // namespace

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner) {
    width_ = 97;
    height_ = 17;
}

void TCheckBox::SetState(TCheckBoxState state) {
    if (state == state_) return;
    state_ = state;
    if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, CheckOf(state), 0);
    Click();
}

void TCheckBox::SetAlignment(TLeftRight alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    if (!HandleAllocated()) return;
    // Changed in place: a new window would lose what is hooked in front of this one.
    LONG style = GetWindowLongA(Handle(), GWL_STYLE) & ~BS_LEFTTEXT;
    if (alignment == taLeftJustify) style |= BS_LEFTTEXT;
    SetWindowLongA(Handle(), GWL_STYLE, style);
    Invalidate();
}

void TCheckBox::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    // The box is toggled here, not by the system, so that a grayed state can be shown and left by a click.
    params.Style |= BS_3STATE;
    if (alignment_ == taLeftJustify) params.Style |= BS_LEFTTEXT;
}

void TCheckBox::InitializeWindow() { SendMessageA(Handle(), BM_SETCHECK, CheckOf(state_), 0); }

void TCheckBox::CommandNotify(WORD code) {
    if (code == BN_CLICKED) SetState(state_ == cbChecked ? cbUnchecked : cbChecked);
}
