// Page control: a tab strip whose tabs show one tab sheet (a page holding controls) at a time.
#include "toolkit/controls/PageControl.h"

#include <commctrl.h>

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {
    width_ = 289;
    height_ = 193;
}

int TPageControl::PageCount() const {
    int count = 0;
    for (int i = 0; i < ControlCount(); ++i) count += Controls(i)->Is<TTabSheet>() ? 1 : 0;
    return count;
}

TTabSheet* TPageControl::Pages(int index) const {
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* sheet = dynamic_cast<TTabSheet*>(Controls(i)); sheet != nullptr && index-- == 0) return sheet;
    return nullptr;
}

void TPageControl::SetActivePageIndex(int index) {
    if (index < 0 || index >= PageCount()) return;
    active_ = index;
    if (!HandleAllocated()) return;
    SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    ArrangePages();
}

void TPageControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WindowClass = WC_TABCONTROLA;
    params.Style |= WS_CLIPCHILDREN;
}

void TPageControl::InitializeWindow() {
    for (int i = 0; i < PageCount(); ++i) {
        std::string caption = Pages(i)->Caption();
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageA(Handle(), TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(active_), 0);
    ArrangePages();
}

void TPageControl::ArrangePages() {
    RECT area = ClientRect();
    SendMessageA(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    for (int i = 0; i < PageCount(); ++i) {
        TTabSheet* sheet = Pages(i);
        sheet->SetBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
        sheet->SetVisible(i == active_);
    }
}

// Called when the tab control notifies: a tab picked by the user shows its sheet.
void TPageControl::NotifyReflected(TMessage& message) {
    if (reinterpret_cast<NMHDR*>(message.LParam)->code == TCN_SELCHANGE)
        SetActivePageIndex(static_cast<int>(SendMessageA(Handle(), TCM_GETCURSEL, 0, 0)));
}
