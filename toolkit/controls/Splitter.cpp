// Vertical bar between two panes: dragging it changes the width of the pane on its left.
#include "toolkit/controls/Splitter.h"

#include <windowsx.h>

#include <algorithm>

TSplitter::TSplitter(TComponent* owner) : TWinControl(owner) {
    width_ = 3;
    height_ = 100;
}

void TSplitter::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WindowClass = kToolkitWindowClass;
}

void TSplitter::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_SETCURSOR:
        if (LOWORD(message.LParam) == HTCLIENT) {
            ::SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_SIZEWE)));
            message.Result = TRUE;
            return;
        }
        break;
    case WM_LBUTTONDOWN: {
        if (control_ == nullptr) break;
        POINT p{};
        GetCursorPos(&p);
        dragStartX_ = static_cast<int>(p.x);
        startWidth_ = control_->Width();
        dragging_ = true;
        SetCapture(Handle());
        message.Result = 0;
        return;
    }
    case WM_MOUSEMOVE:
        if (dragging_) {
            POINT p{};
            GetCursorPos(&p);
            int room = Parent() != nullptr ? Parent()->ClientWidth() - width_ - kMinSize : startWidth_;
            int width = std::clamp(startWidth_ + static_cast<int>(p.x) - dragStartX_, kMinSize, std::max(kMinSize, room));
            if (width != control_->Width()) {
                control_->SetWidth(width);
                OnMoved(this);
            }
            message.Result = 0;
            return;
        }
        break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        if (dragging_) {
            dragging_ = false;
            if (message.Msg == WM_LBUTTONUP) ReleaseCapture();
            message.Result = 0;
            return;
        }
        break;
    default:
        break;
    }
    TWinControl::WndProc(message);
}
