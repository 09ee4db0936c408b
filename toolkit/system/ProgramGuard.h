// The program block's guard: an exception that reaches WinMain is shown, not left to end the program silently.
#pragma once

#include <functional>

// Runs the program; 0 when it returns. An exception that leaves it, of any type, is shown in an error box
// (through the system services, with the caption, owned by no window) once everything the program built
// is gone, and the result is 1.
int RunGuarded(const char* caption, const std::function<void()>& program);
