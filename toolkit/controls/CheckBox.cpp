// Check box; OnClick runs whenever Checked changes, by the user or by code.
#include "toolkit/controls/CheckBox.h"

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner) {
    width_ = 97;
    height_ = 17;
}

bool TCheckBox::Checked() const { return checked_; }

void TCheckBox::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    Click();
}

void TCheckBox::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.Style |= BS_AUTOCHECKBOX;
}

void TCheckBox::InitializeWindow() { SendMessageA(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0); }

void TCheckBox::CommandNotify(WORD code) {
    if (code != BN_CLICKED) return;
    bool now = SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (now == checked_) return;
    checked_ = now;
    Click();
}
