// One link in a control's chain of replaced window procedures.
#include "toolkit/controls/WindowProcHook.h"

#include <algorithm>

#include "toolkit/controls/Control.h"

void TWindowProcHook::Hook(TControl& control, const TWndMethod& handler) {
    Unhook();
    control_ = &control;
    handler_ = handler;
    saved_ = control.WindowProc;
    control.WindowProc = handler;
    control.procHooks_.push_back(this);
}

void TWindowProcHook::Unhook() {
    if (control_ == nullptr) return;
    auto& links = control_->procHooks_;
    links.erase(std::remove(links.begin(), links.end(), this), links.end());
    if (control_->WindowProc == handler_) {
        control_->WindowProc = saved_;
    } else {
        for (TWindowProcHook* above : links)
            if (above->saved_ == handler_) above->saved_ = saved_;
    }
    control_ = nullptr;
}
