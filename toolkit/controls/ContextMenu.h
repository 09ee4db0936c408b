// A menu that a control pops up on a right click or the menu key (the menus layer's TPopupMenu is one).
#pragma once

#include "toolkit/system/Messages.h"

class TControl;

class TContextMenu {
public:
    // Shows the menu at a screen point and runs the chosen item.
    virtual void Popup(int x, int y) = 0;

protected:
    ~TContextMenu() = default;
};

// WM_CONTEXTMENU of a control: shows its popup menu (at the mouse, or at the control's top-left corner
// for the keyboard's menu key) and marks the message handled. False for other messages or no menu.
bool ShowContextPopup(TControl& control, TMessage& message);
