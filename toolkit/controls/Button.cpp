// Push button: OnClick, a modal result for its form, and the Default (Enter) and Cancel (Esc) roles.
#include "toolkit/controls/Button.h"

#include "toolkit/forms/Form.h"

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
    width_ = 75;
    height_ = 25;
}

void TButton::SetDefault(bool isDefault) {
    if (isDefault == default_) return;
    default_ = isDefault;
    if (HandleAllocated()) SendMessageA(Handle(), BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.Style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::CommandNotify(WORD code) {
    if (code == BN_CLICKED) Click();
}

void TButton::Click() {
    if (!Enabled()) return;
    TForm* form = ParentForm();
    if (form != nullptr && modalResult_ != mrNone) form->SetModalResult(modalResult_);
    TButtonControl::Click();
}
