// A control without a window: its parent paints it and routes the mouse to it.
#include "toolkit/controls/GraphicControl.h"

#include <windowsx.h>

void TGraphicControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_PAINT:
        if (message.WParam != 0) {
            canvas_.SetHandle(reinterpret_cast<HDC>(message.WParam));
            Paint();
            canvas_.SetHandle(nullptr);
        }
        message.Result = 0;
        return;
    case WM_LBUTTONDOWN:
        pressed_ = true;
        break;
    case WM_LBUTTONUP: {
        bool wasPressed = pressed_;
        pressed_ = false;
        POINT p{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
        if (wasPressed && p.x >= 0 && p.y >= 0 && p.x < width_ && p.y < height_) Click();
        break;
    }
    default:
        break;
    }
    TControl::WndProc(message);
}
