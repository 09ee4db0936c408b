// The program block of QVL.exe: the application, its four windows and the message loop.
#include <windows.h>

#include <stdlib.h>

#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "app/Unit5.h"
#include "app/shared/MessageTexts.h"
#include "toolkit/forms/Application.h"
#include "toolkit/system/ProgramGuard.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return RunGuarded(kProductCaption, [] {
        TApplication application;
        application.Initialize();
        application.SetTitle(kProductCaption);
        application.CreateForm(Form1);
        // The first argument, when there is one, is a container to decrypt.
        if (__argc > 1 && __argv != nullptr && __argv[1] != nullptr) Form1->SetStartFile(__argv[1]);
        application.CreateForm(Form2);
        application.CreateForm(Form3);
        application.CreateForm(Form5);
        application.Run();
    });
}
