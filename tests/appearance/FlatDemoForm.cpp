// A form with one control of every painted kind inside every kind of container, for the flat style.
#include "tests/appearance/FlatDemoForm.h"

#include <string>

#include "toolkit/controls/BitBtn.h"
#include "toolkit/controls/CheckBox.h"
#include "toolkit/controls/ComboBox.h"
#include "toolkit/controls/ControlBar.h"
#include "toolkit/controls/CoolBar.h"
#include "toolkit/controls/GroupBox.h"
#include "toolkit/controls/HotKey.h"
#include "toolkit/controls/ListBox.h"
#include "toolkit/controls/ListView.h"
#include "toolkit/controls/Memo.h"
#include "toolkit/controls/PageControl.h"
#include "toolkit/controls/PageScroller.h"
#include "toolkit/controls/Panel.h"
#include "toolkit/controls/ProgressBar.h"
#include "toolkit/controls/RadioButton.h"
#include "toolkit/controls/RichEdit.h"
#include "toolkit/controls/ScrollBox.h"
#include "toolkit/controls/TabControl.h"
#include "toolkit/controls/SpeedButton.h"
#include "toolkit/controls/ToolBar.h"
#include "toolkit/controls/UpDown.h"

namespace {

constexpr int kCellWidth = 104;
constexpr int kCellHeight = 30;
constexpr int kColumns = 4;
constexpr int kKinds = 16;
constexpr int kBoxWidth = kColumns * kCellWidth + 24;
constexpr int kBoxHeight = (kKinds + kColumns - 1) / kColumns * kCellHeight + 28;

template <class T>
T* Make(TForm& form, TWinControl* parent, int kind, const char* caption = nullptr) {
    auto* control = new T(&form);
    const int left = 16 + kind % kColumns * kCellWidth;
    const int top = 20 + kind / kColumns * kCellHeight;
    control->SetBounds(left, top, kCellWidth - 12, 22);
    if (caption != nullptr) control->SetCaption(caption);
    control->SetParent(parent);
    return control;
}

}  // namespace

TFlatDemoForm::TFlatDemoForm(TComponent* owner, bool styled) : TForm(owner) {
    SetCaption(styled ? "Flat style" : "Own look");
    SetPosition(poDesigned);
    auto place = [this](TWinControl* box, const char* caption, int index) {
        box->SetBounds(8 + index % 3 * (kBoxWidth + 8), 8 + index / 3 * (kBoxHeight + 8), kBoxWidth, kBoxHeight);
        box->SetCaption(caption);
        box->SetParent(this);
        Containers.push_back(box);
    };
    place(new TPanel(this), "", 0);
    place(new TGroupBox(this), "Group box", 1);
    place(new TScrollBox(this), "", 2);
    auto* pages = new TPageControl(this);
    place(pages, "", 3);
    Containers.pop_back();
    auto* sheet = new TTabSheet(this);
    sheet->SetCaption("Tab sheet");
    sheet->SetParent(pages);
    Containers.push_back(sheet);
    place(new TControlBar(this), "", 4);
    place(new TToolBar(this), "", 5);
    place(new TCoolBar(this), "", 6);
    place(new TPageScroller(this), "", 7);
    place(new TTabControl(this), "", 8);
    Containers.push_back(this);

    for (size_t i = 0; i < Containers.size(); ++i) {
        TWinControl* parent = Containers[i];
        // The form's own controls go below the boxes.
        const int dy = parent == this ? 3 * (kBoxHeight + 8) : 0;
        auto add = [&](TControl* control) {
            control->SetTop(control->Top() + dy);
            Styled.push_back(control);
        };
        add(Make<TComboBox>(*this, parent, 0));
        add(Make<TEdit>(*this, parent, 1, "Edit"));
        add(Make<TMemo>(*this, parent, 2, "Memo"));
        add(Make<TRichEdit>(*this, parent, 3, "Rich edit"));
        auto* check = Make<TCheckBox>(*this, parent, 4, "Check box");
        check->SetChecked(true);
        add(check);
        auto* radio = Make<TRadioButton>(*this, parent, 5, "Radio");
        radio->SetChecked(true);
        add(radio);
        add(Make<TButton>(*this, parent, 6, "Button"));
        add(Make<TBitBtn>(*this, parent, 7, "Bit button"));
        auto* spin = Make<TUpDown>(*this, parent, 8);
        spin->SetWidth(17);
        add(spin);
        auto* panel = Make<TPanel>(*this, parent, 9, "Panel");
        panel->SetBevelInner(bvLowered);
        panel->SetBorderWidth(1);
        add(panel);
        add(Make<TGroupBox>(*this, parent, 10, "Group"));
        auto* list = Make<TListBox>(*this, parent, 11);
        list->Items().Add("List box");
        add(list);
        add(Make<TListView>(*this, parent, 12));
        auto* progress = Make<TProgressBar>(*this, parent, 13);
        progress->SetPosition(60);
        add(progress);
        add(Make<THotKey>(*this, parent, 14));
        auto* speed = Make<TSpeedButton>(*this, parent, 15, "Speed");
        speed->SetFlat(false);
        add(speed);
    }
    SetClientWidth(3 * (kBoxWidth + 8) + 8);
    SetClientHeight(3 * (kBoxHeight + 8) + kBoxHeight + 8);
    if (styled) {
        Style = new TFlatStyle(this);
        Style->SetXPControls(kAllXPControls);
        Style->SetXPContainers(kAllXPContainers);
    }
    FinishLayout();
    if (Style != nullptr) Style->SetActive(true);
}
