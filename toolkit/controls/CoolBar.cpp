// Cool bar (rebar) across the top of a form: each child window sits in a band of its own; graphic children
// such as speed buttons sit on the bar itself.
#include "toolkit/controls/CoolBar.h"

#include <commctrl.h>

TCoolBar::TCoolBar(TComponent* owner) : TWinControl(owner) {
    width_ = 300;
    height_ = 41;
}

void TCoolBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WindowClass = REBARCLASSNAMEA;
    params.Style |= WS_CLIPCHILDREN | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN | RBS_VARHEIGHT;
    if (bandBorders_) params.Style |= RBS_BANDBORDERS;
}

void TCoolBar::CreateWnd() {
    TWinControl::CreateWnd();
    REBARINFO info{};
    info.cbSize = sizeof info;
    SendMessageA(Handle(), RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(&info));
    for (int i = 0; i < ControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(Controls(i));
        if (child == nullptr) continue;
        REBARBANDINFOA band{};
        band.cbSize = sizeof band;
        band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_STYLE | RBBIM_SIZE;
        band.fStyle = RBBS_CHILDEDGE | RBBS_NOGRIPPER;
        band.hwndChild = child->Handle();
        band.cxMinChild = 0;
        band.cyMinChild = child->Height();
        band.cx = child->Width();
        SendMessageA(Handle(), RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
    }
}
