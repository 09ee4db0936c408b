// Shows the flat demo form styled and, beside it, unstyled, for looking at both.
#include <windows.h>

#include "tests/appearance/FlatDemoForm.h"
#include "toolkit/forms/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    TApplication application;
    application.Initialize();
    application.SetTitle("Flat style demo");
    auto* styled = new TFlatDemoForm(&application, true);
    auto* plain = new TFlatDemoForm(&application, false);
    styled->SetLeft(0);
    styled->SetTop(0);
    plain->SetLeft(styled->Width());
    plain->SetTop(0);
    styled->Show();
    plain->Show();
    application.Run();
    return 0;
}
