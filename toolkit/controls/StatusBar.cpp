// Status bar along the bottom of a form, divided into panels of text.
#include "toolkit/controls/StatusBar.h"

#include <commctrl.h>

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) {
    width_ = 200;
    height_ = 19;
}

void TStatusBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WindowClass = STATUSCLASSNAMEA;
    params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | SBARS_SIZEGRIP;
}

void TStatusBar::InitializeWindow() { ApplyParts(); }

void TStatusBar::ApplyParts() {
    if (!HandleAllocated() || panels_.empty()) return;
    std::vector<int> edges;
    int right = 0;
    for (size_t i = 0; i < panels_.size(); ++i) {
        right += panels_[i].Width;
        edges.push_back(i + 1 == panels_.size() ? -1 : right);
    }
    SendMessageA(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (size_t i = 0; i < panels_.size(); ++i)
        SendMessageA(Handle(), SB_SETTEXTA, i, reinterpret_cast<LPARAM>(panels_[i].Text.c_str()));
}

void TStatusBar::AddPanel(const std::string& text, int width) {
    panels_.push_back(TPanel{text, width});
    ApplyParts();
}

void TStatusBar::SetPanelText(int index, const std::string& text) {
    panels_.at(static_cast<size_t>(index)).Text = text;
    if (HandleAllocated() && updateCount_ == 0)
        SendMessageA(Handle(), SB_SETTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
}

void TStatusBar::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0) ApplyParts();
}
