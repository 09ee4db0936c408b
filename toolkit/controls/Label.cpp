// Static text painted by its parent; sizes itself to its caption unless AutoSize is off.
#include "toolkit/controls/Label.h"

#include <algorithm>
#include <vector>

#include "toolkit/system/WinGuards.h"

namespace {

// The caption's lines: CR, LF and CR LF each end one.
std::vector<std::string> CaptionLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            lines.back() += text[i];
            continue;
        }
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        lines.emplace_back();
    }
    return lines;
}

int LineHeight(TCanvas& canvas) { return canvas.TextExtent(" ").cy; }

}  // namespace

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    width_ = 65;
    height_ = 13;
}

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustSize();
}

// Measured on a screen canvas with the same font and text routine Paint uses, so the text fits exactly.
void TLabel::AdjustSize() {
    if (!autoSize_) return;
    TWindowDC screen(nullptr);
    TCanvas measure;
    measure.SetHandle(screen.Get());
    measure.Font().Assign(Font());
    const std::vector<std::string> lines = CaptionLines(text_);
    int width = 0;
    for (const std::string& line : lines) width = std::max(width, measure.TextWidth(line));
    const int height = LineHeight(measure) * static_cast<int>(lines.size());
    measure.SetHandle(nullptr);
    SetBounds(left_, top_, width, height);
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
    canvas.Brush().SetStyle(bsClear);
    const int lineHeight = LineHeight(canvas);
    int top = 0;
    for (const std::string& line : CaptionLines(text_)) {
        canvas.TextOut(0, top, line);
        top += lineHeight;
    }
}
