// Helpers for tests that drive real windows: the test application, clicks, keys, typing and scripted modal loops.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "toolkit/system/Application.h"
#include "toolkit/forms/Form.h"

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

// One step of a scripted modal loop: an action, and the condition that must hold before it runs (none: the
// next timer tick).
struct TStep {
    template <class Action, class = std::enable_if_t<std::is_invocable_r_v<void, Action>>>
    TStep(Action action) : Run(std::move(action)) {}
    TStep(std::function<bool()> ready, std::function<void()> action) : Ready(std::move(ready)), Run(std::move(action)) {}

    std::function<bool()> Ready;
    std::function<void()> Run;
};

// A step that waits, one timer tick after another, until `ready` holds (a run's progress, a window's state).
inline TStep When(std::function<bool()> ready, std::function<void()> action) { return TStep(std::move(ready), std::move(action)); }

// Sends WM_DRAWITEM for an owner-drawn menu item (its address as item data) the way the system asks for one.
LRESULT SendMenuDrawItem(HWND owner, const void* item, HDC dc, RECT rect, UINT state);

// Runs ShowModal; each step runs inside the modal loop, at most one per timer tick, in order. A form still open
// some time after the last step, or a step still waiting for its condition then, is closed with mrAbort and the
// test fails.
TModalResult ShowModalWith(TForm& form, std::vector<TStep> steps);

}  // namespace harness
