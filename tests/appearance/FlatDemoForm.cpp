// A form with one control of every painted kind inside every kind of container, for the flat style.
#include "tests/appearance/FlatDemoForm.h"

#include <string>

#include "tests/appearance/NamedKinds.h"
#include "toolkit/controls/Button.h"
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
#include "toolkit/core/Method.h"

namespace {

// Each page holds two columns of three boxes, each box three columns of seven rows of kinds: the styled and the
// plain form side by side fit a 1024 x 768 screen.
constexpr int kCellWidth = 78;
constexpr int kCellHeight = 24;
constexpr int kColumns = 3;
constexpr int kKinds = 20;
constexpr int kGap = 6;
constexpr int kBoxColumns = 2;
constexpr int kBoxRows = 3;
constexpr int kBoxesPerPage = kBoxColumns * kBoxRows;
constexpr int kBoxWidth = kColumns * kCellWidth + 8;
constexpr int kBoxHeight = 26 + (kKinds + kColumns - 1) / kColumns * kCellHeight + 6;
// The first row's boxes are taller: a cool bar's rows of bands are taller than the cells.
constexpr int kTallBoxHeight = kBoxHeight + 16;
constexpr int kPageHeight = kBoxRows * (kBoxHeight + kGap) + kGap + kTallBoxHeight - kBoxHeight;

// The place and size of box `index` on its page.
RECT BoxBounds(int index) {
    const int place = index % kBoxesPerPage;
    const int row = place / kBoxColumns;
    const int top = kGap + row * (kBoxHeight + kGap) + (row > 0 ? kTallBoxHeight - kBoxHeight : 0);
    const int left = kGap + place % kBoxColumns * (kBoxWidth + kGap);
    return RECT{left, top, left + kBoxWidth, top + (row > 0 ? kBoxHeight : kTallBoxHeight)};
}

template <class T>
T* Make(TForm& form, TWinControl* parent, POINT origin, int kind, const char* caption = nullptr) {
    auto* control = new T(&form);
    control->SetBounds(origin.x + 4 + kind % kColumns * kCellWidth, origin.y + kind / kColumns * kCellHeight,
                       kCellWidth - 4, kCellHeight - 4);
    if (caption != nullptr) control->SetCaption(caption);
    control->SetParent(parent);
    return control;
}

}  // namespace

TFlatDemoForm::TFlatDemoForm(TComponent* owner, bool styled) : TForm(owner) {
    SetCaption(styled ? "Flat style" : "Own look");
    SetPosition(poDesigned);
    // Where the kinds start inside each container: below a caption or the tabs.
    std::vector<int> firstRows;
    auto place = [this, &firstRows](TWinControl* box, const char* caption, int firstRow) {
        const RECT at = BoxBounds(static_cast<int>(firstRows.size()));
        box->SetBounds(at.left, at.top, at.right - at.left, at.bottom - at.top);
        box->SetCaption(caption);
        box->SetParent(this);
        pageOf_.emplace_back(box, static_cast<int>(firstRows.size()) / kBoxesPerPage);
        Containers.push_back(box);
        firstRows.push_back(firstRow);
    };
    place(new TPanel(this), "", 4);
    place(new TGroupBox(this), "Group box", 16);
    place(new TScrollBox(this), "", 4);
    auto* pages = new TPageControl(this);
    place(pages, "", 4);
    Containers.pop_back();
    auto* sheet = new TTabSheet(this);
    sheet->SetCaption("Tab sheet");
    sheet->SetParent(pages);
    Containers.push_back(sheet);
    place(new TControlBar(this), "", 4);
    place(new TToolBar(this), "", 4);
    place(new TCoolBar(this), "", 4);
    place(new TPageScroller(this), "", 4);
    place(new TTabControl(this), "", 26);
    place(new TdxTabSheet(this), "", 4);
    place(new TDBCtrlPanel(this), "", 4);
    Containers.push_back(this);  // the form's own controls take the last box's place
    firstRows.push_back(4);

    for (size_t i = 0; i < Containers.size(); ++i) {
        TWinControl* parent = Containers[i];
        POINT origin{0, firstRows[i]};
        if (parent == this) {
            const RECT box = BoxBounds(static_cast<int>(i));
            origin = POINT{box.left, box.top + firstRows[i]};
        }
        auto add = [&](TControl* control) {
            Styled.push_back(control);
            if (control->Parent() == this) pageOf_.emplace_back(control, static_cast<int>(i) / kBoxesPerPage);
            return control;
        };
        add(Make<TComboBox>(*this, parent, origin, 0));
        add(Make<TEdit>(*this, parent, origin, 1, "Edit"));
        add(Make<TMemo>(*this, parent, origin, 2, "Memo"));
        add(Make<TRichEdit>(*this, parent, origin, 3, "Rich edit"));
        auto* check = Make<TCheckBox>(*this, parent, origin, 4, "Check");
        check->SetChecked(true);
        add(check);
        auto* radio = Make<TRadioButton>(*this, parent, origin, 5, "Radio");
        radio->SetChecked(true);
        add(radio);
        add(Make<TButton>(*this, parent, origin, 6, "Button"));
        add(Make<TBitBtn>(*this, parent, origin, 7, "Bit button"));
        add(Make<TUpDown>(*this, parent, origin, 8))->SetWidth(17);
        auto* panel = Make<TPanel>(*this, parent, origin, 9, "Panel");
        panel->SetBevelInner(bvLowered);
        panel->SetBorderWidth(1);
        add(panel);
        add(Make<TGroupBox>(*this, parent, origin, 10, "Group"));
        auto* list = Make<TListBox>(*this, parent, origin, 11);
        list->Items().Add("List box");
        add(list);
        add(Make<TListView>(*this, parent, origin, 12));
        auto* progress = Make<TProgressBar>(*this, parent, origin, 13);
        progress->SetPosition(60);
        add(progress);
        add(Make<THotKey>(*this, parent, origin, 14));
        // A cool bar's bands hold windows and fill its rows: its speed button sits on a band of its own.
        TPanel* band = nullptr;
        if (parent->Is<TCoolBar>()) {
            band = Make<TPanel>(*this, parent, origin, 15);
            band->SetBevelOuter(bvNone);
        }
        auto* speed = Make<TSpeedButton>(*this, band ? static_cast<TWinControl*>(band) : parent, origin, 15, "Speed");
        if (band != nullptr) speed->SetBounds(0, 0, band->Width() - 8, band->Height());  // the band narrows it
        speed->SetFlat(false);
        add(speed);
        add(Make<TMaskEdit>(*this, parent, origin, 16, "Mask edit"));
        add(Make<TDBEdit>(*this, parent, origin, 17, "DB edit"));
        auto* lookup = Make<TDBLookupComboBox>(*this, parent, origin, 18);
        lookup->Items().Add("Lookup");
        lookup->SetItemIndex(0);
        add(lookup);
        auto* navigator = Make<TDBNavigator>(*this, parent, origin, 19);
        add(navigator);
        for (TNavButton* button : navigator->Buttons) add(button);
    }
    pages_ = (static_cast<int>(Containers.size()) + kBoxesPerPage - 1) / kBoxesPerPage;
    auto* next = new TButton(this);
    next->SetBounds(kGap, kPageHeight, 120, 24);
    next->SetCaption("Next page");
    next->OnClick = MethodOf<&TFlatDemoForm::NextPageClick>(this);
    next->SetParent(this);
    SetClientWidth(kBoxColumns * (kBoxWidth + kGap) + kGap);
    SetClientHeight(kPageHeight + 24 + kGap);
    ShowPage(0);
    if (styled) {
        Style = new TFlatStyle(this);
        Style->SetXPControls(kAllXPControls);
        Style->SetXPContainers(kAllXPContainers);
    }
    FinishLayout();
    if (Style != nullptr) Style->SetActive(true);
}

void TFlatDemoForm::ShowPage(int page) {
    page_ = page;
    for (const auto& [control, on] : pageOf_) control->SetVisible(on == page);
}

void TFlatDemoForm::NextPageClick(TComponent*) { ShowPage((page_ + 1) % pages_); }
