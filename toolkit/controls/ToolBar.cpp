// Tool bar of flat buttons with an image, a caption under it and a tool tip, and separators.
#include "toolkit/controls/ToolBar.h"

#include <commctrl.h>

#include <cstring>

#include "toolkit/graphics/ImageList.h"

namespace {

UINT g_nextButtonCommand = 0x2000;

}  // namespace

TToolButton::TToolButton(TComponent* owner) : TComponent(owner), command_(g_nextButtonCommand++) {}

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
    width_ = 300;
    height_ = 36;
}

void TToolBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WindowClass = TOOLBARCLASSNAMEA;
    params.Style |= TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN;
}

void TToolBar::InitializeWindow() {
    HWND bar = Handle();
    SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    if (images_ != nullptr) SendMessageA(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_->Handle()));
    for (TToolButton* b : buttons_) {
        TBBUTTON button{};
        if (b->Style() == tbsSeparator) {
            button.fsStyle = BTNS_SEP;
            button.iBitmap = 6;
        } else {
            button.iBitmap = b->ImageIndex();
            button.idCommand = static_cast<int>(b->Command());
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = BTNS_BUTTON;
            button.iString = reinterpret_cast<INT_PTR>(b->Caption().c_str());
        }
        SendMessageA(bar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
    }
    SendMessageA(bar, TB_SETBUTTONSIZE, 0, MAKELPARAM(buttonWidth_, buttonHeight_));
    SendMessageA(bar, TB_AUTOSIZE, 0, 0);
}

int TToolBar::PreferredHeight() {
    RECT r{};
    if (!SendMessageA(Handle(), TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r))) return buttonHeight_;
    return r.bottom + 2;
}

TToolButton* TToolBar::FindCommand(UINT command) const {
    for (TToolButton* b : buttons_)
        if (b->Style() == tbsButton && b->Command() == command) return b;
    return nullptr;
}

void TToolBar::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CN_COMMAND:
        if (TToolButton* button = FindCommand(LOWORD(message.WParam))) button->Click();
        message.Result = 0;
        return;
    case CN_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(message.LParam);
        message.Result = 0;
        if (header->code == TBN_GETINFOTIPA) {
            auto* tip = reinterpret_cast<NMTBGETINFOTIPA*>(message.LParam);
            TToolButton* button = FindCommand(static_cast<UINT>(tip->iItem));
            if (button != nullptr && tip->cchTextMax > 0) {
                size_t length = std::min(button->Hint().size(), static_cast<size_t>(tip->cchTextMax - 1));
                std::memcpy(tip->pszText, button->Hint().data(), length);
                tip->pszText[length] = '\0';
            }
        }
        return;
    }
    default:
        break;
    }
    TWinControl::WndProc(message);
}
