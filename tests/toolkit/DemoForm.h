// Demo form with the controls of the program's dialogs, for screenshots and layout tests.
#pragma once

#include "toolkit/controls/BitBtn.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/CheckBox.h"
#include "toolkit/controls/ComboBox.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/forms/Form.h"
#include "toolkit/controls/GroupBox.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/ListBox.h"
#include "toolkit/controls/ProgressBar.h"

class TDemoForm : public TForm {
public:
    explicit TDemoForm(TComponent* owner);

    TLabel* Label1;
    TComboBox* ComboBox1;
    TGroupBox* GroupBox1;
    TLabel* Label2;
    TEdit* Edit1;
    TLabel* Label3;
    TEdit* Edit2;
    TCheckBox* CheckBox1;
    TLabel* Label4;
    TEdit* Edit3;
    TBitBtn* BitBtn1;
    TLabel* Label5;
    TProgressBar* ProgressBar1;
    TListBox* ListBox1;
    TButton* Button1;
    TButton* Button2;

private:
    // Called when the "Show password" box changes.
    void CheckBox1Click(TComponent* sender);
    // Called when the Close button is pressed.
    void Button2Click(TComponent* sender);
};
