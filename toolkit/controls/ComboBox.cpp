// Combo box in the drop-down, simple or drop-down list style (the last without free text); OnChange follows the user.
#include "toolkit/controls/ComboBox.h"

namespace {
constexpr TItemMessages kComboMessages{CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT, CB_SETCURSEL, CB_GETCURSEL};
constexpr int kDropDownRows = 8;
}  // namespace

TComboBox::TComboBox(TComponent* owner) : TItemsControl(owner, kComboMessages) {
    width_ = 145;
    height_ = 21;
}

void TComboBox::SetStyle(TComboBoxStyle style) {
    if (style == style_) return;
    style_ = style;
    RecreateWnd();
}

bool TComboBox::DroppedDown() const {
    return HandleAllocated() && SendMessageA(const_cast<TComboBox*>(this)->Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

std::string TComboBox::Text() const {
    if (style_ != csDropDownList) return TItemsControl::Text();
    int index = ItemIndex();
    return index >= 0 ? const_cast<TComboBox*>(this)->Items()[index] : std::string();
}

// The window of a drop-down combo box is as high as its open list; the closed height follows the font.
int TComboBox::WindowHeight() const { return style_ == csSimple ? height_ : height_ + kDropDownRows * 16 + 2; }

void TComboBox::SetBounds(int left, int top, int width, int height) {
    if (!HandleAllocated()) {
        TItemsControl::SetBounds(left, top, width, height);
        return;
    }
    height_ = height;
    SetWindowPos(Handle(), nullptr, left, top, width, WindowHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TComboBox::CreateParams(TCreateParams& params) {
    TItemsControl::CreateParams(params);
    static const DWORD kStyles[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST};
    params.WindowClass = "COMBOBOX";
    params.Style |= kStyles[style_] | WS_VSCROLL | CBS_AUTOHSCROLL;
    params.Height = WindowHeight();
}

bool TComboBox::Focused() const {
    HWND focus = GetFocus();
    return HandleAllocated() && focus != nullptr &&
           (TItemsControl::Focused() || IsChild(const_cast<TComboBox*>(this)->Handle(), focus));
}

// The inner edit's focus changes reach the control only as notifications.
void TComboBox::CommandNotify(WORD code) {
    switch (code) {
    case CBN_SELCHANGE: OnChange(this); break;
    case CBN_SETFOCUS:
        if (!TItemsControl::Focused()) FocusArrived();
        break;
    case CBN_KILLFOCUS:
        if (style_ != csDropDownList) Perform(CM_EXIT);  // a list's own window says so itself
        break;
    default: break;
    }
}
