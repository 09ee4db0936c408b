// Colour values: plain RGB or a reference to a system colour (high byte 0xFF, low byte the COLOR_ index).
#pragma once

#include <windows.h>

#include <cstdint>

using TColor = std::int32_t;

constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000u);
constexpr TColor SystemColorRef(int index) { return clSystemColor | index; }
constexpr bool IsSystemColor(TColor color) { return (static_cast<std::uint32_t>(color) & 0xFF000000u) == 0xFF000000u; }
constexpr TColor RGBColor(int r, int g, int b) { return r | (g << 8) | (b << 16); }

constexpr TColor clBlack = RGBColor(0, 0, 0);
constexpr TColor clMaroon = RGBColor(128, 0, 0);
constexpr TColor clGreen = RGBColor(0, 128, 0);
constexpr TColor clNavy = RGBColor(0, 0, 128);
constexpr TColor clGray = RGBColor(128, 128, 128);
constexpr TColor clSilver = RGBColor(192, 192, 192);
constexpr TColor clRed = RGBColor(255, 0, 0);
constexpr TColor clLime = RGBColor(0, 255, 0);
constexpr TColor clBlue = RGBColor(0, 0, 255);
constexpr TColor clYellow = RGBColor(255, 255, 0);
constexpr TColor clWhite = RGBColor(255, 255, 255);
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor clScrollBar = SystemColorRef(COLOR_SCROLLBAR);
constexpr TColor clBackground = SystemColorRef(COLOR_BACKGROUND);
constexpr TColor clActiveCaption = SystemColorRef(COLOR_ACTIVECAPTION);
constexpr TColor clInactiveCaption = SystemColorRef(COLOR_INACTIVECAPTION);
constexpr TColor clMenu = SystemColorRef(COLOR_MENU);
constexpr TColor clWindow = SystemColorRef(COLOR_WINDOW);
constexpr TColor clWindowFrame = SystemColorRef(COLOR_WINDOWFRAME);
constexpr TColor clMenuText = SystemColorRef(COLOR_MENUTEXT);
constexpr TColor clWindowText = SystemColorRef(COLOR_WINDOWTEXT);
constexpr TColor clCaptionText = SystemColorRef(COLOR_CAPTIONTEXT);
constexpr TColor clHighlight = SystemColorRef(COLOR_HIGHLIGHT);
constexpr TColor clHighlightText = SystemColorRef(COLOR_HIGHLIGHTTEXT);
constexpr TColor clBtnFace = SystemColorRef(COLOR_BTNFACE);
constexpr TColor clBtnShadow = SystemColorRef(COLOR_BTNSHADOW);
constexpr TColor clGrayText = SystemColorRef(COLOR_GRAYTEXT);
constexpr TColor clBtnText = SystemColorRef(COLOR_BTNTEXT);
constexpr TColor clInactiveCaptionText = SystemColorRef(COLOR_INACTIVECAPTIONTEXT);
constexpr TColor clBtnHighlight = SystemColorRef(COLOR_BTNHIGHLIGHT);
constexpr TColor cl3DDkShadow = SystemColorRef(COLOR_3DDKSHADOW);
constexpr TColor cl3DLight = SystemColorRef(COLOR_3DLIGHT);
constexpr TColor clInfoText = SystemColorRef(COLOR_INFOTEXT);
constexpr TColor clInfoBk = SystemColorRef(COLOR_INFOBK);

// The RGB value of a colour; a system colour reference is replaced by that system colour's current value.
inline COLORREF ColorToRGB(TColor color) {
    if (IsSystemColor(color)) return GetSysColor(color & 0xFF);
    return static_cast<COLORREF>(color) & 0x00FFFFFFu;
}
