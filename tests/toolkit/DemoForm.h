// Demo form with the controls of the program's dialogs, for screenshots and layout tests.
#pragma once

#include "toolkit/BitBtn.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/GroupBox.h"
#include "toolkit/Label.h"
#include "toolkit/ListBox.h"
#include "toolkit/ProgressBar.h"

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
