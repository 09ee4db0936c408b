// One link in a control's chain of replaced window procedures; it can leave the chain from any place in it.
#pragma once

#include "toolkit/system/Messages.h"

class TControl;

// Puts a handler in front of a control's WindowProc; the handler passes what it does not handle to
// CallSaved. Unhooking (or destroying the link) takes the link out wherever it sits: a link installed
// later that saved this one's handler is given this one's saved procedure instead, so nothing is left
// pointing at a handler that is gone. A control that goes first leaves its links unhooked.
class TWindowProcHook {
public:
    TWindowProcHook() = default;
    ~TWindowProcHook() { Unhook(); }
    TWindowProcHook(const TWindowProcHook&) = delete;
    TWindowProcHook& operator=(const TWindowProcHook&) = delete;

    // Installs handler in front of the control's current WindowProc (unhooking from any earlier control).
    void Hook(TControl& control, const TWndMethod& handler);
    void Unhook();
    bool Hooked() const { return control_ != nullptr; }
    TControl* Control() const { return control_; }
    const TWndMethod& Handler() const { return handler_; }
    // The procedure this link passes messages on to.
    const TWndMethod& Saved() const { return saved_; }
    void CallSaved(TMessage& message) const { saved_(message); }

private:
    friend class TControl;
    // Called by a control that is being destroyed.
    void ControlGone() { control_ = nullptr; }

    TControl* control_ = nullptr;
    TWndMethod handler_;
    TWndMethod saved_;
};
