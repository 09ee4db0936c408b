// The program block's guard: an exception that reaches WinMain is shown, not left to end the program silently.
#include "toolkit/system/ProgramGuard.h"

#include <string>

#include "toolkit/core/Exception.h"
#include "toolkit/system/SystemServices.h"

int RunGuarded(const char* caption, const std::function<void()>& program) {
    std::string text;
    try {
        program();
        return 0;
    } catch (...) {
        try {
            text = CurrentExceptionText();
        } catch (...) {
            // no memory left for the text: the box shows none
        }
    }
    SystemServices().ShowMessageBox(nullptr, text, caption, MB_OK | MB_ICONERROR);
    return 1;
}
