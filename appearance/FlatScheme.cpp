// The colour scheme of a TFlatStyle: derived from its colour settings or the system colours and the colour depth.
#include "appearance/FlatColors.h"
#include "appearance/FlatStyle.h"
#include "toolkit/system/WinGuards.h"

void TFlatStyle::BuildColorScheme(TCanvas& canvas) {
    TColorScheme& s = scheme_;
    schemeDirty_ = false;
    s.HighColor = GetDeviceCaps(canvas.Handle(), BITSPIXEL) > 15;
    s.IdleLightenPercent = 16;
    s.HotLightenPercent = 40;
    s.SchemeMenuColor = color_;
    s.SchemeIconBackColor = iconBackColor_;
    if (s.HighColor) {
        if (useDimColor_) {
            s.SchemeSelectColor = LightenColor(selectColor_, 68);
            s.SchemeCheckBackColor = LightenColor(selectColor_, 80);
            s.SchemeCheckBackSelectColor = LightenColor(selectColor_, 50);
        } else {
            s.SchemeSelectColor = s.SchemeCheckBackColor = s.SchemeCheckBackSelectColor = selectColor_;
        }
        s.SchemeFrameColor = DarkenColor(clBtnFace, 90);
        s.SchemeShadowColor = DarkenColor(clBtnFace, 76);
    } else {
        s.SchemeSelectColor = selectColor_;
        s.SchemeCheckBackColor = clWhite;
        s.SchemeCheckBackSelectColor = clSilver;
        s.SchemeFrameColor = s.SchemeShadowColor = clBtnShadow;
    }
    s.SchemeSelectBorderColor = selectBorderColor_;
    s.SchemeSelectFontColor = selectFontColor_;
    s.SchemeMenuBarColor = menuBarColor_;
    s.SchemeDisabledColor = disabledColor_;
    s.SchemeCheckedColor = checkedColor_;
    s.SchemeSeparatorColor = separatorColor_;
    if (!useSystemColors_) return;
    s.SchemeSelectFontColor = font_.Color();
    bool high = s.HighColor;
    s.SchemeMenuColor = high ? LightenColor(clBtnFace, 86) : clWhite;
    s.SchemeIconBackColor = high ? LightenColor(clBtnFace, 16) : clBtnFace;
    s.SchemeSelectColor = high ? LightenColor(clHighlight, 68) : clWhite;
    s.SchemeSelectBorderColor = clHighlight;
    s.SchemeMenuBarColor = clBtnFace;
    s.SchemeDisabledColor = high ? LightenColor(clBtnShadow, 10) : clBtnShadow;
    s.SchemeSeparatorColor = high ? LightenColor(clBtnShadow, 25) : clBtnShadow;
    s.SchemeCheckedColor = clHighlight;
    s.SchemeCheckBackColor = high ? LightenColor(clHighlight, 80) : clWhite;
    s.SchemeCheckBackSelectColor = high ? LightenColor(clHighlight, 50) : clWhite;
}

void TFlatStyle::BuildScreenColorScheme() {
    TMemoryDC screen(CreateCompatibleDC(nullptr));
    TCanvas canvas;
    canvas.SetHandle(screen.Get());
    BuildColorScheme(canvas);
    canvas.SetHandle(nullptr);
}
