// Panel: a container with an outer and an inner bevel and a centred caption.
#include "toolkit/controls/Panel.h"

#include "toolkit/graphics/Frame3D.h"

TPanel::TPanel(TComponent* owner) : TOwnContainer(owner) {
    width_ = 185;
    height_ = 41;
}

void TPanel::PaintWindow(HDC dc) {
    TCanvas canvas;
    canvas.SetHandle(dc);
    RECT r = ClientRect();
    auto bevel = [&](TPanelBevel kind) {
        if (kind == bvNone) return;
        bool lowered = kind == bvLowered;
        Frame3D(canvas, r, lowered ? clBtnShadow : clBtnHighlight, lowered ? clBtnHighlight : clBtnShadow, kBevelWidth);
    };
    bevel(bevelOuter_);
    InflateRect(&r, -borderWidth_, -borderWidth_);
    bevel(bevelInner_);
    canvas.Font().Assign(Font());
    canvas.Brush().SetStyle(bsClear);
    canvas.DrawText(Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    canvas.SetHandle(nullptr);
}
