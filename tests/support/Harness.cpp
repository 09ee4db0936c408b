// Helpers for tests that drive real windows: the test application, clicks, keys, typing and scripted modal loops.
#include "tests/support/Harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace harness {

LRESULT SendMenuDrawItem(HWND owner, const void* item, HDC dc, RECT rect, UINT state) {
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemData = reinterpret_cast<ULONG_PTR>(item);
    draw.hDC = dc;
    draw.rcItem = rect;
    draw.itemState = state;
    return SendMessageA(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
}

TApplication& TestApplication() {
    static TApplication application;
    application.Initialize();
    return application;
}

void ProcessMessages() { TestApplication().ProcessMessages(); }

bool ProcessUntil(const std::function<bool()>& condition, int timeoutMs) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (static_cast<int>(GetTickCount() - start) > timeoutMs) return false;
        ProcessMessages();
        Sleep(5);
    }
    return true;
}

void ClickButton(TWinControl& button) {
    SendMessageA(button.Handle(), BM_CLICK, 0, 0);
    ProcessMessages();
}

void ClickControl(TControl& control) {
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    HWND target = windowed != nullptr ? windowed->Handle() : control.Parent()->Handle();
    POINT p{control.Width() / 2, control.Height() / 2};
    if (windowed == nullptr) p = POINT{control.Left() + p.x, control.Top() + p.y};
    SendMessageA(target, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
    SendMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    SendMessageA(target, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    ProcessMessages();
}

void TypeText(TWinControl& control, const std::string& text) {
    control.SetFocus();
    for (char c : text) PostMessageA(control.Handle(), WM_CHAR, static_cast<unsigned char>(c), 1);
    ProcessMessages();
}

void PressKey(WORD virtualKey) {
    HWND focus = GetFocus();
    ASSERT_NE(focus, nullptr) << "no window has the focus";
    UINT scan = MapVirtualKeyA(virtualKey, 0);
    PostMessageA(focus, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
    PostMessageA(focus, WM_KEYUP, virtualKey, 1 | (scan << 16) | 0xC0000000u);
    ProcessMessages();
}

void PressKey(WORD virtualKey, TShiftState shift) {
    BYTE saved[256] = {};
    GetKeyboardState(saved);
    BYTE held[256];
    std::copy(std::begin(saved), std::end(saved), std::begin(held));
    const struct {
        TShiftState flag;
        int key;
    } modifiers[] = {{ssShift, VK_SHIFT}, {ssCtrl, VK_CONTROL}, {ssAlt, VK_MENU}};
    for (const auto& m : modifiers)
        if (shift & m.flag) held[m.key] |= 0x80;
    SetKeyboardState(held);
    PressKey(virtualKey);
    SetKeyboardState(saved);
}

TModalResult ShowModalWith(TForm& form, std::vector<TStep> steps) {
    TModalScript script(form, std::move(steps));
    TModalResult result = form.ShowModal();
    EXPECT_TRUE(script.Done()) << "the modal loop ended before all steps ran";
    return result;
}

}  // namespace harness
