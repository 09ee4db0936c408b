// Push button: OnClick, a modal result for its form, and the Default (Enter) and Cancel (Esc) roles.
#pragma once

#include "toolkit/controls/ButtonControl.h"
#include "toolkit/controls/ModalResult.h"

class TButton : public TButtonControl {
public:
    explicit TButton(TComponent* owner);
    const char* ClassName() const override { return "TButton"; }

    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool cancel) { cancel_ = cancel; }

    // Hands ModalResult to the form (when set), then runs OnClick.
    void Click() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CommandNotify(WORD code) override;

private:
    TModalResult modalResult_ = mrNone;
    bool default_ = false;
    bool cancel_ = false;
};
