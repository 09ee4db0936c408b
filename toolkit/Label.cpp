// Static text painted by its parent; sizes itself to its caption unless AutoSize is off.
#include "toolkit/Label.h"

#include "toolkit/WinGuards.h"

namespace {
constexpr UINT kTextFormat = DT_LEFT | DT_EXPANDTABS | DT_NOPREFIX;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    width_ = 65;
    height_ = 13;
}

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustSize();
}

void TLabel::AdjustSize() {
    if (!autoSize_) return;
    TWindowDC screen(nullptr);
    TSelectObject font(screen.Get(), Font().Handle());
    std::string text = text_.empty() ? std::string(" ") : text_;
    RECT r{0, 0, 0, 0};
    DrawTextA(screen.Get(), text.c_str(), static_cast<int>(text.size()), &r, kTextFormat | DT_CALCRECT);
    SetBounds(left_, top_, text_.empty() ? 0 : r.right, r.bottom);
}

void TLabel::FontAttributesChanged() {
    AdjustSize();
    TGraphicControl::FontAttributesChanged();
}

void TLabel::WndProc(TMessage& message) {
    if (message.Msg == CM_TEXTCHANGED) {
        AdjustSize();
        Invalidate();
    }
    TGraphicControl::WndProc(message);
}

void TLabel::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(Font());
    if (!Enabled()) canvas.Font().SetColor(clGrayText);
    HDC dc = canvas.Handle();
    TSelectObject font(dc, canvas.Font().Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(canvas.Font().Color()));
    RECT r = ClientRect();
    DrawTextA(dc, text_.c_str(), static_cast<int>(text_.size()), &r, kTextFormat);
}
