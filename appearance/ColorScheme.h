// The derived colours that every flat painter draws with.
#pragma once

#include "toolkit/graphics/Color.h"

struct TColorScheme {
    bool HighColor = true;  // the device had more than 15 bits per pixel at the last build
    TColor SchemeMenuColor = clWhite;
    TColor SchemeIconBackColor = clBtnFace;
    TColor SchemeSelectColor = clHighlight;
    TColor SchemeSelectBorderColor = clHighlight;
    TColor SchemeSelectFontColor = clMenuText;
    TColor SchemeCheckBackColor = clWhite;
    TColor SchemeCheckBackSelectColor = clSilver;
    TColor SchemeCheckedColor = clHighlight;
    TColor SchemeMenuBarColor = clBtnFace;
    TColor SchemeDisabledColor = clBtnShadow;
    TColor SchemeSeparatorColor = clBtnShadow;
    TColor SchemeFrameColor = clBtnShadow;
    TColor SchemeShadowColor = clBtnShadow;
    int IdleLightenPercent = 16;
    int HotLightenPercent = 40;
};
