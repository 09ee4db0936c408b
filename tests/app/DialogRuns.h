// One run of each dialog driven through its controls, for tests that need a run and not the fixture around it.
#pragma once

#include <functional>
#include <string>

#include "app/Unit2.h"
#include "app/Unit5.h"
#include "tests/toolkit/Harness.h"

// Shows the Encrypt dialog, fills it and clicks Encrypt; `check` runs once the click has returned.
// Returns whether the run closed the dialog (a dialog left open is closed afterwards).
inline bool RunEncrypt(TForm2& form, TEncryptMode mode, const std::string& password, const std::string& destination,
                       const std::function<void()>& check = {}) {
    bool closedByRun = false;
    harness::ShowModalWith(form, {[&] {
                               form.ComboBox1->SetItemIndex(mode);
                               form.ComboBox1Change(form.ComboBox1);
                               form.Edit1->SetText(password);
                               form.Edit2->SetText(password);
                               form.Edit3->SetText(destination);
                               harness::ClickButton(*form.Button1);
                               closedByRun = form.ModalResult() != mrNone;
                               if (check) check();
                               if (!closedByRun) form.Close();
                           }});
    return closedByRun;
}

// Opens the Decrypt dialog for the container as the main window does, fills folder and password and
// clicks Decrypt; `check` runs once the click has returned. Returns whether the run closed the dialog.
inline bool RunDecrypt(TForm5& form, const std::string& container, const std::string& folder,
                       const std::string& password, const std::function<void()>& check = {}) {
    form.Edit1->SetText(container);
    bool closedByRun = false;
    harness::ShowModalWith(form, {[&] {
                               form.Edit2->SetText(folder);
                               form.Edit3->SetText(password);
                               harness::ClickButton(*form.Button2);
                               closedByRun = form.ModalResult() != mrNone;
                               if (check) check();
                               if (!closedByRun) form.Close();
                           }});
    return closedByRun;
}
