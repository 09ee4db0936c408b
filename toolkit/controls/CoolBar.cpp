// Cool bar (rebar) across the top of a form: each child window sits in a band of its own, in rows as the
// children were placed; graphic children such as speed buttons sit on the bar itself.
#include "toolkit/controls/CoolBar.h"

#include <commctrl.h>

#include <utility>
#include <vector>

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
    // A band moves its child: where each child was placed is read first.
    std::vector<std::pair<TWinControl*, int>> children;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* child = dynamic_cast<TWinControl*>(Controls(i))) children.emplace_back(child, child->Top());
    int rowTop = 0;
    std::vector<UINT> styles;
    for (size_t i = 0; i < children.size(); ++i) {
        auto [child, top] = children[i];
        REBARBANDINFOA band{};
        band.cbSize = sizeof band;
        band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_STYLE | RBBIM_SIZE;
        band.fStyle = RBBS_CHILDEDGE | RBBS_NOGRIPPER;
        // A child placed below the row before it starts a row of its own.
        if (i > 0 && top > rowTop) band.fStyle |= RBBS_BREAK;
        if (i == 0 || top > rowTop) rowTop = top;
        styles.push_back(band.fStyle);
        band.hwndChild = child->Handle();
        band.cxMinChild = 0;
        band.cyMinChild = child->Height();
        band.cx = child->Width();
        SendMessageA(Handle(), RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
    }
    // A band that was alone while it went in may have been given a row of its own: the rows are set again.
    for (size_t i = 0; i < styles.size(); ++i) {
        REBARBANDINFOA band{};
        band.cbSize = sizeof band;
        band.fMask = RBBIM_STYLE;
        band.fStyle = styles[i];
        SendMessageA(Handle(), RB_SETBANDINFOA, i, reinterpret_cast<LPARAM>(&band));
    }
    // Inserting a band shows the bar: a hidden one stays hidden.
    if (!Visible()) ShowWindow(Handle(), SW_HIDE);
}
