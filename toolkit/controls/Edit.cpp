// Single-line edit: text, password character, selection, border and OnChange.
#include "toolkit/controls/Edit.h"

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
    width_ = 121;
    height_ = 21;
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

void TEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WindowClass = "EDIT";
    params.Style |= ES_AUTOHSCROLL;
    if (passwordChar_ != 0) params.Style |= ES_PASSWORD;
    if (borderStyle_ == bsSingle) {
        if (Ctl3D()) {
            params.ExStyle |= WS_EX_CLIENTEDGE;
        } else {
            params.Style |= WS_BORDER;
        }
    }
}

void TEdit::InitializeWindow() {
    SendMessageA(Handle(), EM_SETPASSWORDCHAR, static_cast<WPARAM>(static_cast<unsigned char>(passwordChar_)), 0);
    SendMessageA(Handle(), EM_SETMODIFY, modified_ ? TRUE : FALSE, 0);
}

// Asked through Perform, so a replaced window procedure sees that the window is about to go.
void TEdit::SavingWindowState() { modified_ = Perform(EM_GETMODIFY) != 0; }

void TEdit::SetPasswordChar(char passwordChar) {
    if (passwordChar == passwordChar_) return;
    passwordChar_ = passwordChar;
    if (!HandleAllocated()) return;
    SendMessageA(Handle(), EM_SETPASSWORDCHAR, static_cast<WPARAM>(static_cast<unsigned char>(passwordChar)), 0);
    Invalidate();
}

void TEdit::SetBorderStyle(TBorderStyle style) {
    if (style == borderStyle_) return;
    borderStyle_ = style;
    RecreateWnd();
}

bool TEdit::Modified() const {
    if (!HandleAllocated()) return modified_;
    return SendMessageA(const_cast<TEdit*>(this)->Handle(), EM_GETMODIFY, 0, 0) != 0;
}

void TEdit::SelectAll() {
    if (HandleAllocated()) SendMessageA(Handle(), EM_SETSEL, 0, -1);
}

int TEdit::SelStart() const {
    if (!HandleAllocated()) return 0;
    DWORD start = 0;
    SendMessageA(const_cast<TEdit*>(this)->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<int>(start);
}

int TEdit::SelLength() const {
    if (!HandleAllocated()) return 0;
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(const_cast<TEdit*>(this)->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}

void TEdit::CommandNotify(WORD code) {
    if (code == EN_CHANGE) OnChange(this);
}
