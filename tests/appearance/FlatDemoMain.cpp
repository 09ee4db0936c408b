// Shows the flat demo form styled and, beside it, unstyled, for looking at both; closing the styled one ends it.
#include <windows.h>

#include "tests/appearance/FlatDemoForm.h"
#include "toolkit/forms/Application.h"

namespace {

struct TStyledDemoForm : TFlatDemoForm {
    explicit TStyledDemoForm(TComponent* owner) : TFlatDemoForm(owner, true) {}
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    TApplication application;
    application.Initialize();
    application.SetTitle("Flat style demo");
    TStyledDemoForm* styled = nullptr;
    application.CreateForm(styled);
    auto* plain = new TFlatDemoForm(&application, false);
    styled->SetLeft(0);
    styled->SetTop(0);
    plain->SetLeft(styled->Width());
    plain->SetTop(0);
    plain->Show();
    application.Run();
    return 0;
}
