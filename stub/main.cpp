// The program block of QVL.dat: the application, the package window and the password prompt, the message loop.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "stub/StubTexts.h"
#include "stub/Unit1.h"
#include "stub/Unit2.h"
#include "toolkit/system/Application.h"
#include "toolkit/system/ProgramGuard.h"
#include "toolkit/system/SystemServices.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return RunGuarded("Quiverlock", [] {
        // Started by the swap batch of a Delete that could not replace this package: only say so.
        if (strstr(GetCommandLineA(), Stub::kSwapFailedSwitch) != nullptr) {
            SystemServices().ShowMessageBox(nullptr, Stub::kSwapFailed, kProductCaption, MB_OK | MB_ICONERROR);
            return;
        }
        TApplication application;
        application.Initialize();
        application.SetTitle("Quiverlock");
        application.CreateForm(Stub::Form1);
        application.CreateForm(Stub::Form2);
        application.Run();
    });
}

// The guard above and the window procedures stop every exception; one that still escapes (thrown from a
// destructor during unwinding) ends the program without the text of the standard handler, which would pull
// the symbol demangler into every package.
namespace __gnu_cxx {
void __verbose_terminate_handler() { abort(); }
}  // namespace __gnu_cxx
