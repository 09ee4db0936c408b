// List box of texts with one selected item; OnClick follows the user's selection.
#include "toolkit/controls/ListBox.h"

namespace {
constexpr TItemMessages kListMessages{LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT, LB_SETCURSEL, LB_GETCURSEL};
}

TListBox::TListBox(TComponent* owner) : TItemsControl(owner, kListMessages) {
    width_ = 121;
    height_ = 97;
}

void TListBox::CreateParams(TCreateParams& params) {
    TItemsControl::CreateParams(params);
    params.WindowClass = "LISTBOX";
    params.Style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
    if (Ctl3D()) {
        params.ExStyle |= WS_EX_CLIENTEDGE;
    } else {
        params.Style |= WS_BORDER;
    }
}

void TListBox::CommandNotify(WORD code) {
    if (code == LBN_SELCHANGE) Click();
}
