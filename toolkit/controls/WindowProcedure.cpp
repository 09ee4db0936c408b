// The one window procedure of all toolkit windows and its map of windows to controls: a message goes to its
// control's WindowProc, an exception from it to the application; the window's last message detaches the control.
#include <unordered_map>

#include "toolkit/controls/ApplicationLink.h"
#include "toolkit/controls/WinControl.h"

namespace {

// The control of each attached window. Kept here rather than in a window property: Wine asks its server
// for every property read, and this lookup runs for every message of every window.
std::unordered_map<HWND, TWinControl*>& AttachedControls() {
    static std::unordered_map<HWND, TWinControl*> controls;
    return controls;
}

}  // namespace

TWinControl* TWinControl::FindControl(HWND window) {
    if (window == nullptr) return nullptr;
    const auto found = AttachedControls().find(window);
    return found != AttachedControls().end() ? found->second : nullptr;
}

void TWinControl::MapWindow(HWND window, TWinControl* control) { AttachedControls()[window] = control; }

void TWinControl::UnmapWindow(HWND window) { AttachedControls().erase(window); }

LRESULT CALLBACK TWinControl::StdWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TWinControl* control = FindControl(window);
    if (control == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    TMessage m{message, wParam, lParam, 0};
    try {
        if (control->WindowProc) {
            control->WindowProc(m);
        } else {
            control->WndProc(m);
        }
    } catch (...) {
        if (ApplicationLink != nullptr) ApplicationLink->HandleException();
    }
    // The window is gone after this message, whoever handled it.
    if (message == WM_NCDESTROY && FindControl(window) == control) control->Detach();
    return m.Result;
}
