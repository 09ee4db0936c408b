// Hot-key control: shows the key combination typed into it.
#include "toolkit/controls/HotKey.h"

#include <commctrl.h>

THotKey::THotKey(TComponent* owner) : TWinControl(owner) {
    width_ = 121;
    height_ = 19;
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

void THotKey::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WindowClass = HOTKEY_CLASSA;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void THotKey::InitializeWindow() { SendMessageA(Handle(), HKM_SETHOTKEY, key_, 0); }

std::uint16_t THotKey::HotKey() const {
    if (!HandleAllocated()) return key_;
    return static_cast<std::uint16_t>(SendMessageA(const_cast<THotKey*>(this)->Handle(), HKM_GETHOTKEY, 0, 0));
}

void THotKey::SetHotKey(std::uint16_t key) {
    key_ = key;
    if (HandleAllocated()) SendMessageA(Handle(), HKM_SETHOTKEY, key, 0);
}
