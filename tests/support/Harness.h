// Helpers for tests that drive real windows: the test application, clicks, keys, typing and scripted modal loops.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/ModalScript.h"
#include "toolkit/forms/Form.h"
#include "toolkit/forms/Application.h"

namespace harness {

// The application of the test run, initialised on first use.
TApplication& TestApplication();

void ProcessMessages();
// Handles messages until the condition holds or the time is up; returns the condition.
bool ProcessUntil(const std::function<bool()>& condition, int timeoutMs = 2000);

// Clicks a windowed button the way the mouse does (BM_CLICK); a disabled button ignores it.
void ClickButton(TWinControl& button);
// Presses and releases the left button over the middle of a control (a graphic one through its parent).
void ClickControl(TControl& control);
// Gives the control the focus and types the text into it character by character.
void TypeText(TWinControl& control, const std::string& text);
// Sends a key press and release to the focused window through the message loop.
void PressKey(WORD virtualKey);
// The same with Shift, Ctrl or Alt held while the key is handled (as the keyboard state reports them).
void PressKey(WORD virtualKey, TShiftState shift);

// Sends WM_DRAWITEM for an owner-drawn menu item (its address as item data) the way the system asks for one.
LRESULT SendMenuDrawItem(HWND owner, const void* item, HDC dc, RECT rect, UINT state);

// Counts the notifications handed to it (OnClick, OnChange): MethodOf<&TClickCount::Click>(&count).
struct TClickCount {
    int count = 0;
    void Click(TComponent*) { ++count; }
};

// Runs ShowModal with the steps scripted inside its loop (TModalScript).
TModalResult ShowModalWith(TForm& form, std::vector<TStep> steps);

}  // namespace harness
