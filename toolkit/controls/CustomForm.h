// The form as the controls see it: what a control asks of the form that holds it (TForm answers).
#pragma once

#include <cstdint>

#include "toolkit/controls/ModalResult.h"
#include "toolkit/controls/WinControl.h"

class TCustomForm : public TWinControl {
public:
    using TWinControl::TWinControl;

    // The form's OnKeyDown sees each key before the focused control.
    virtual bool KeyPreview() const = 0;
    virtual void SetModalResult(TModalResult result) = 0;
    // Tab and Shift+Tab move the focus, Enter clicks the focused or default button, Esc the cancel button.
    virtual bool DialogKey(std::uint16_t key) = 0;

private:
    friend class TWinControl;
    virtual void RememberActiveControl(TWinControl* control) = 0;
    virtual void FocusChanged(TWinControl* control) = 0;
    virtual void ControlLeaving(TControl* control) = 0;
};
