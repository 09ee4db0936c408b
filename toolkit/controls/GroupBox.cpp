// Framed box with a caption that holds other controls.
#include "toolkit/controls/GroupBox.h"

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) {
    width_ = 185;
    height_ = 105;
}

void TGroupBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WindowClass = "BUTTON";
    params.Style |= BS_GROUPBOX | WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TGroupBox::WndProc(TMessage& message) {
    if (message.Msg == WM_NCHITTEST) {
        // The system makes a group box transparent to the mouse; its labels need it.
        message.Result = HTCLIENT;
        return;
    }
    TWinControl::WndProc(message);
}
