// The password prompt of a package: one masked field, OK and Cancel.
#pragma once

#include <cstdint>

#include "toolkit/controls/Button.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/Label.h"
#include "toolkit/forms/Form.h"

namespace Stub {

class TForm2 : public TForm {
public:
    explicit TForm2(TComponent* owner);
    const char* ClassName() const override { return "TForm2"; }

    TLabel* Label1 = nullptr;
    // Keeps the typed password after the prompt has closed; Delete keys the new package from it.
    TEdit* Edit1 = nullptr;
    TButton* Button1 = nullptr;  // OK
    TButton* Button2 = nullptr;  // Cancel

    // Called for every key before the focused control sees it: Enter is OK, Esc is Cancel.
    void FormKeyDown(TComponent* sender, std::uint16_t& key, TShiftState shift);
    // Called when OK is clicked: opens the package with the typed password.
    void Button1Click(TComponent* sender);
    // Called when Cancel is clicked: ends the program.
    void Button2Click(TComponent* sender);
};

// The password prompt.
extern TForm2* Form2;

}  // namespace Stub
