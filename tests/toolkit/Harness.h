// Helpers for tests that drive real windows: the test application, clicks, keys, typing and scripted modal loops.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
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

// Runs ShowModal; each step runs inside the modal loop, one per timer tick, in order. A form still open
// some time after the last step is closed with mrAbort and the test fails.
TModalResult ShowModalWith(TForm& form, std::vector<std::function<void()>> steps);

}  // namespace harness
