// The screen: the live forms, the active form, the menu font and the work area.
#include "toolkit/forms/Screen.h"

#include <algorithm>

TScreen* Screen = nullptr;

TScreen::TScreen() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        menuFont_.AssignLogFont(metrics.lfMenuFont);
    menuFont_.SetColor(clMenuText);
}

RECT TScreen::WorkArea() const {
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

POINT TScreen::CursorPos() const {
    POINT p{};
    GetCursorPos(&p);
    return p;
}

void TScreen::AddForm(TForm* form) { forms_.push_back(form); }

void TScreen::RemoveForm(TForm* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    if (activeForm_ == form) activeForm_ = nullptr;
}
