// Tool bar of flat buttons with an image, a caption under it and a tool tip, and separators.
#include "toolkit/controls/ToolBar.h"

#include <commctrl.h>

#include "toolkit/graphics/ImageList.h"
#include "toolkit/system/WinGuards.h"

namespace {

UINT g_nextButtonCommand = 0x2000;

}  // namespace

TToolButton::TToolButton(TComponent* owner) : TComponent(owner), command_(g_nextButtonCommand++) {}

bool TToolButton::IsSeparator() const { return style_ == tbsSeparator || style_ == tbsDivider; }

void TToolButton::SetDown(bool down) {
    down_ = down;
    UpdateState();
}

void TToolButton::SetEnabled(bool enabled) {
    enabled_ = enabled;
    UpdateState();
}

void TToolButton::UpdateState() {
    if (toolBar_ == nullptr || !toolBar_->HandleAllocated() || IsSeparator()) return;
    LPARAM state = (enabled_ ? TBSTATE_ENABLED : 0) | (down_ ? TBSTATE_CHECKED : 0);
    SendMessageA(toolBar_->Handle(), TB_SETSTATE, command_, MAKELPARAM(state, 0));
}

int TToolButton::Index() const {
    if (toolBar_ == nullptr) return -1;
    for (int i = 0; i < toolBar_->ButtonCount(); ++i)
        if (toolBar_->Buttons(i) == this) return i;
    return -1;
}

RECT TToolButton::BoundsRect() const {
    RECT r{};
    int index = Index();
    if (index >= 0 && toolBar_->HandleAllocated())
        SendMessageA(toolBar_->Handle(), TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
}

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
    width_ = 300;
    height_ = 36;
}

void TToolBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WindowClass = TOOLBARCLASSNAMEA;
    // Child windows (edits, hot keys) are not painted over by the bar.
    params.Style |= WS_CLIPCHILDREN | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN;
    if (flat_) params.Style |= TBSTYLE_FLAT;
}

void TToolBar::SetFlat(bool flat) {
    if (flat == flat_) return;
    flat_ = flat;
    RecreateWnd();
}

void TToolBar::InitializeWindow() {
    HWND bar = Handle();
    SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    if (images_ != nullptr) SendMessageA(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_->Handle()));
    for (TToolButton* b : buttons_) {
        TBBUTTON button{};
        if (b->IsSeparator()) {
            button.fsStyle = BTNS_SEP;
            button.iBitmap = 6;
        } else {
            static const BYTE kStyles[] = {BTNS_BUTTON, BTNS_SEP, BTNS_CHECK, BTNS_DROPDOWN, BTNS_SEP};
            button.iBitmap = b->ImageIndex();
            button.idCommand = static_cast<int>(b->Command());
            button.fsState = static_cast<BYTE>((b->Enabled() ? TBSTATE_ENABLED : 0) | (b->Down() ? TBSTATE_CHECKED : 0));
            button.fsStyle = kStyles[b->Style()];
            if (showCaptions_) button.iString = reinterpret_cast<INT_PTR>(b->Caption().c_str());
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
        if (!b->IsSeparator() && b->Command() == command) return b;
    return nullptr;
}

// Asks for each button's drawing while the event is set; a button the event drew is not drawn again.
LRESULT TToolBar::CustomDraw(LPARAM header) {
    auto& draw = *reinterpret_cast<NMTBCUSTOMDRAW*>(header);
    if (!OnCustomDrawButton) return CDRF_DODEFAULT;
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
    TToolButton* button = FindCommand(static_cast<UINT>(draw.nmcd.dwItemSpec));
    if (button == nullptr) return CDRF_DODEFAULT;
    static const struct {
        UINT item;
        TCustomDrawState state;
    } kStates[] = {{CDIS_SELECTED, cdsSelected}, {CDIS_GRAYED, cdsGrayed},   {CDIS_DISABLED, cdsDisabled},
                   {CDIS_CHECKED, cdsChecked},   {CDIS_FOCUS, cdsFocused},   {CDIS_DEFAULT, cdsDefault},
                   {CDIS_HOT, cdsHot},           {CDIS_MARKED, cdsMarked},   {CDIS_INDETERMINATE, cdsIndeterminate}};
    TCustomDrawState state = 0;
    for (const auto& s : kStates)
        if (draw.nmcd.uItemState & s.item) state |= s.state;
    bool defaultDraw = true;
    {
        TSavedDCState saved(draw.nmcd.hdc);
        canvas_.SetHandle(draw.nmcd.hdc);
        OnCustomDrawButton(this, button, state, defaultDraw);
        canvas_.SetHandle(nullptr);
    }
    return defaultDraw ? CDRF_DODEFAULT : CDRF_SKIPDEFAULT;
}

void TToolBar::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND) {
        if (TToolButton* button = FindCommand(LOWORD(message.WParam))) button->Click();
        message.Result = 0;
        return;
    }
    TWinControl::WndProc(message);
}

// Called when the bar notifies: it asks how to draw a button, or for a button's tip.
void TToolBar::NotifyReflected(TMessage& message) {
    auto* header = reinterpret_cast<NMHDR*>(message.LParam);
    if (header->code == NM_CUSTOMDRAW) message.Result = CustomDraw(message.LParam);
    if (header->code == TBN_GETINFOTIPA) {
        auto* tip = reinterpret_cast<NMTBGETINFOTIPA*>(message.LParam);
        TToolButton* button = FindCommand(static_cast<UINT>(tip->iItem));
        if (button != nullptr && tip->cchTextMax > 0) lstrcpynA(tip->pszText, button->Hint().c_str(), tip->cchTextMax);
    }
}
