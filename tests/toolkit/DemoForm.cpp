// Demo form with the controls of the program's dialogs, for screenshots and layout tests.
#include "tests/toolkit/DemoForm.h"

#include "toolkit/forms/PlaceControl.h"

namespace {

TLabel* PlaceLabel(TForm* owner, TWinControl* parent, int left, int top, const char* caption) {
    TLabel* label = PlaceControl<TLabel>(owner, parent, left, top, 0, 0);
    label->SetCaption(caption);
    return label;
}

}  // namespace

TDemoForm::TDemoForm(TComponent* owner) : TForm(owner) {
    SetCaption("Toolkit demo");
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    SetPosition(poScreenCenter);
    SetClientWidth(381);
    SetClientHeight(330);
    SetKeyPreview(true);

    Label1 = PlaceLabel(this, this, 10, 13, "Encryption mode:");
    ComboBox1 = PlaceControl<TComboBox>(this, this, 122, 10, 249, 0);
    ComboBox1->SetStyle(csDropDownList);
    for (const char* item : {"Standard - QVL", "Self-decrypting package - EXE", "Steganography - Hide in the carrier"})
        ComboBox1->Items().Add(item);
    ComboBox1->SetItemIndex(1);

    GroupBox1 = PlaceControl<TGroupBox>(this, this, 10, 42, 361, 97);
    GroupBox1->SetCaption("Password");
    Label2 = PlaceLabel(this, GroupBox1, 16, 19, "Enter password:");
    Edit1 = PlaceControl<TEdit>(this, GroupBox1, 112, 16, 233, 0);
    Edit1->SetPasswordChar('*');
    Edit1->SetText("secret");
    Label3 = PlaceLabel(this, GroupBox1, 16, 47, "Verify password:");
    Edit2 = PlaceControl<TEdit>(this, GroupBox1, 112, 44, 233, 0);
    Edit2->SetPasswordChar('*');
    CheckBox1 = PlaceControl<TCheckBox>(this, GroupBox1, 112, 72, 129, 0);
    CheckBox1->SetCaption("Show password");
    CheckBox1->OnClick = MethodOf<&TDemoForm::CheckBox1Click>(this);

    Label4 = PlaceLabel(this, this, 10, 154, "Destination file:");
    Edit3 = PlaceControl<TEdit>(this, this, 10, 170, 329, 0);
    Edit3->SetText("C:\\Data\\Photos.qvl");
    BitBtn1 = PlaceControl<TBitBtn>(this, this, 347, 169, 23, 23);
    BitBtn1->SetCaption("...");
    Label5 = PlaceLabel(this, this, 10, 202, "2/5: report.doc");
    Label5->SetAutoSize(false);
    Label5->SetWidth(361);
    ProgressBar1 = PlaceControl<TProgressBar>(this, this, 10, 219, 361, 13);
    ProgressBar1->SetPosition(40);
    ListBox1 = PlaceControl<TListBox>(this, this, 10, 240, 200, 80);
    for (const char* item : {"report.doc", "photo.jpg", "notes.txt"}) ListBox1->Items().Add(item);
    Button1 = PlaceControl<TButton>(this, this, 216, 297, 75, 23);
    Button1->SetCaption("Encrypt");
    Button1->SetDefault(true);
    Button2 = PlaceControl<TButton>(this, this, 296, 297, 75, 23);
    Button2->SetCaption("Close");
    Button2->OnClick = MethodOf<&TDemoForm::Button2Click>(this);

    GroupBox1->SetTabOrder(0);
    Edit3->SetTabOrder(1);
    BitBtn1->SetTabOrder(2);
    Button1->SetTabOrder(3);
    Button2->SetTabOrder(4);
    FinishLayout();
}

void TDemoForm::CheckBox1Click(TComponent*) {
    Edit1->SetPasswordChar(CheckBox1->Checked() ? '\0' : '*');
    Edit2->SetPasswordChar(Edit1->PasswordChar());
}

void TDemoForm::Button2Click(TComponent*) { Close(); }
