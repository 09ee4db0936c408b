// A menu that a control pops up on a right click or the menu key (the menus layer's TPopupMenu is one).
#include "toolkit/controls/ContextMenu.h"

#include "toolkit/controls/WinControl.h"

bool ShowContextPopup(TControl& control, TMessage& message) {
    TContextMenu* menu = control.PopupMenu();
    if (message.Msg != WM_CONTEXTMENU || menu == nullptr) return false;
    message.Result = 0;
    POINT p{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    if (message.LParam == -1) {
        p = POINT{0, 0};
        if (windowed != nullptr) ::ClientToScreen(windowed->Handle(), &p);
    }
    menu->Popup(p.x, p.y);
    return true;
}
