// Page scroller (pager): scrolls its only child control with arrow buttons when the child is wider than it.
#include "toolkit/controls/PageScroller.h"

#include <commctrl.h>

namespace {

// The pager's class is registered apart from the other common controls, once per process.
void RegisterPagerClass() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_PAGESCROLLER_CLASS};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)registered;
}

}  // namespace

TPageScroller::TPageScroller(TComponent* owner) : TWinControl(owner) {
    width_ = 150;
    height_ = 45;
}

void TPageScroller::CreateParams(TCreateParams& params) {
    RegisterPagerClass();
    TWinControl::CreateParams(params);
    params.WindowClass = WC_PAGESCROLLERA;
    params.Style |= WS_CLIPCHILDREN | PGS_HORZ;  // the pager does not paint over its child
}

TWinControl* TPageScroller::OnlyChild() const {
    return ControlCount() == 1 ? dynamic_cast<TWinControl*>(Controls(0)) : nullptr;
}

void TPageScroller::CreateWnd() {
    TWinControl::CreateWnd();
    if (TWinControl* child = OnlyChild()) SendMessageA(Handle(), PGM_SETCHILD, 0, reinterpret_cast<LPARAM>(child->Handle()));
}

// Called when the pager notifies: it asks for the size of its child.
void TPageScroller::NotifyReflected(TMessage& message) {
    if (reinterpret_cast<NMHDR*>(message.LParam)->code != static_cast<UINT>(PGN_CALCSIZE)) return;
    auto* size = reinterpret_cast<NMPGCALCSIZE*>(message.LParam);
    if (TWinControl* child = OnlyChild()) {
        if (size->dwFlag == PGF_CALCWIDTH) size->iWidth = child->Width();
        if (size->dwFlag == PGF_CALCHEIGHT) size->iHeight = child->Height();
    }
}
