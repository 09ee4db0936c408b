// Tab control used as a plain frame without tabs: a raised page border that holds other controls.
#include "toolkit/controls/TabControl.h"

#include <commctrl.h>

TTabControl::TTabControl(TComponent* owner) : TWinControl(owner) {
    width_ = 289;
    height_ = 193;
}

void TTabControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WindowClass = WC_TABCONTROLA;
    params.Style |= WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TTabControl::WndProc(TMessage& message) {
    if (message.Msg == WM_NCHITTEST) {
        // Outside its tabs the system's tab control lets the mouse through to the window below; the controls
        // it holds need it.
        message.Result = HTCLIENT;
        return;
    }
    TWinControl::WndProc(message);
}
