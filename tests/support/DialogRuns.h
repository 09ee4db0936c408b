// One run of each dialog driven through its controls, for tests that need a run and not the fixture around it.
#pragma once

#include <functional>
#include <string>

#include "app/Unit2.h"
#include "app/Unit5.h"
#include "tests/support/Harness.h"

// Shows the dialog, fills it and clicks the button; `check` runs once the click has returned. Returns
// whether the click closed the dialog (a dialog left open is closed afterwards).
inline bool FillAndClick(TForm& form, const std::function<void()>& fill, TWinControl& button,
                         const std::function<void()>& check) {
    bool closedByRun = false;
    harness::ShowModalWith(form, {[&] {
                               fill();
                               harness::ClickButton(button);
                               closedByRun = form.ModalResult() != mrNone;
                               if (check) check();
                               if (!closedByRun) form.Close();
                           }});
    return closedByRun;
}

inline bool RunEncrypt(TForm2& form, TEncryptMode mode, const std::string& password, const std::string& destination,
                       const std::function<void()>& check = {}) {
    const auto fill = [&] {
        form.ComboBox1->SetItemIndex(mode);
        form.ComboBox1Change(form.ComboBox1);
        form.Edit1->SetText(password);
        form.Edit2->SetText(password);
        form.Edit3->SetText(destination);
    };
    return FillAndClick(form, fill, *form.Button1, check);
}

// Opens the dialog for the container as the main window does (the path set before showing).
inline bool RunDecrypt(TForm5& form, const std::string& container, const std::string& folder,
                       const std::string& password, const std::function<void()>& check = {}) {
    form.Edit1->SetText(container);
    const auto fill = [&] {
        form.Edit2->SetText(folder);
        form.Edit3->SetText(password);
    };
    return FillAndClick(form, fill, *form.Button2, check);
}
