// Starts the demo form as the main form of a program, for looking at it.
#include <windows.h>

#include "tests/toolkit/DemoForm.h"
#include "toolkit/forms/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    TApplication application;
    application.Initialize();
    application.SetTitle("Toolkit demo");
    TDemoForm* form = nullptr;
    application.CreateForm(form);
    application.Run();
    return 0;
}
