// List box of texts with one selected item; OnClick follows the user's selection.
#include "toolkit/controls/ListBox.h"

namespace {
constexpr TItemMessages kListMessages{LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT, LB_SETCURSEL, LB_GETCURSEL};
}

TListBox::TListBox(TComponent* owner) : TWithBorderStyle(owner, kListMessages) {
    width_ = 121;
    height_ = 97;
}

void TListBox::CreateParams(TCreateParams& params) {
    TItemsControl::CreateParams(params);
    params.WindowClass = "LISTBOX";
    params.Style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
    AddBorder(params, Ctl3D());
}

void TListBox::CommandNotify(WORD code) {
    if (code == LBN_SELCHANGE) Click();
}
