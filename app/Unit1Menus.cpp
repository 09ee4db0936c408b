// The main window's menu bar, the popup menus of the folder tree and the file list, and their flat look.
#include "app/Unit1.h"

namespace {

// One item of a menu table: its field, caption ("-" for a separator), shortcut and click handler;
// level 1 items go into the last level 0 item above them.
struct TItemSpec {
    TMenuItem** Field;
    const char* Caption;
    TShortCut Keys;
    TNotifyEvent Click;
    int Level;
};

void BuildItems(TComponent* owner, TMenuItem& root, std::initializer_list<TItemSpec> specs) {
    TMenuItem* parent = &root;
    TMenuItem* lastTop = nullptr;
    for (const TItemSpec& spec : specs) {
        auto* item = new TMenuItem(owner);
        item->SetCaption(spec.Caption);
        item->SetShortCut(spec.Keys);
        item->OnClick = spec.Click;
        if (spec.Field != nullptr) *spec.Field = item;
        parent = spec.Level == 0 ? &root : lastTop;
        parent->Add(item);
        if (spec.Level == 0) lastTop = item;
    }
}

}  // namespace

void TForm1::CreateMainMenu() {
    MainMenu1 = new TMainMenu(this);
    TMenuItem& bar = MainMenu1->Items();
    File1 = new TMenuItem(this);
    File1->SetCaption("File");
    bar.Add(File1);
    BuildItems(this, *File1,
               {{&Encrypt1, "Encrypt", VK_F6, MethodOf<&TForm1::Encrypt1Click>(this), 0},
                {&Delete1, "Decrypt", VK_F7, MethodOf<&TForm1::Delete1Click>(this), 0},
                {&Erase2, "Erase", VK_DELETE, MethodOf<&TForm1::Erase2Click>(this), 0},
                {nullptr, "-", scNone, {}, 0},
                {&Carrier1, "Carrier", scNone, {}, 0},
                {&Unhidefiles1, "Unhide files", scCtrl | 'O', MethodOf<&TForm1::Unhidefiles1Click>(this), 1},
                {&Clear1, "Clear", scCtrl | VK_DELETE, MethodOf<&TForm1::Clear1Click>(this), 1},
                {nullptr, "-", scNone, {}, 0},
                {&Exit1, "Exit", scAlt | VK_F4, MethodOf<&TForm1::Exit1Click>(this), 0}});
    View1 = new TMenuItem(this);
    View1->SetCaption("Edit");
    bar.Add(View1);
    BuildItems(this, *View1,
               {{&LargeIcons1, "Remove", VK_DELETE, MethodOf<&TForm1::LargeIcons1Click>(this), 0},
                {&SmallIcons1, "Select All", scCtrl | 'A', MethodOf<&TForm1::SmallIcons1Click>(this), 0}});
    Help1 = new TMenuItem(this);
    Help1->SetCaption("Help");
    bar.Add(Help1);
    BuildItems(this, *Help1,
               {{&Help2, "Help Topics", VK_F1, MethodOf<&TForm1::Help2Click>(this), 0},
                {nullptr, "-", scNone, {}, 0},
                {&HomePage1, "Home Page", scNone, MethodOf<&TForm1::HomePage1Click>(this), 0},
                {&TechnicalSupport1, "Technical Support", scNone, MethodOf<&TForm1::TechnicalSupport1Click>(this), 0},
                {nullptr, "-", scNone, {}, 0},
                {&About1, "About...", scNone, MethodOf<&TForm1::About1Click>(this), 0}});
    Clear1->SetEnabled(false);
    MainMenu1->AttachTo(this);
}

void TForm1::CreatePopupMenus() {
    PopupMenu1 = new TPopupMenu(this);
    BuildItems(this, PopupMenu1->Items(),
               {{&Add1, "Add", scNone, MethodOf<&TForm1::Add1Click>(this), 0},
                {&Decrypt1, "Decrypt", VK_F7, MethodOf<&TForm1::Decrypt1Click>(this), 0},
                {&Erase1, "Erase", VK_DELETE, MethodOf<&TForm1::Erase1Click>(this), 0},
                {nullptr, "-", scNone, {}, 0},
                {&Carrier2, "Carrier", scNone, {}, 0},
                {&Unhidefiles2, "Unhide files", scCtrl | 'O', MethodOf<&TForm1::Unhidefiles2Click>(this), 1},
                {&Clear2, "Clear", scCtrl | VK_DELETE, MethodOf<&TForm1::Clear2Click>(this), 1},
                {nullptr, "-", scNone, {}, 0},
                {&Refresh1, "Refresh", VK_F5, MethodOf<&TForm1::Refresh1Click>(this), 0}});
    Clear2->SetEnabled(false);

    PopupMenu2 = new TPopupMenu(this);
    BuildItems(this, PopupMenu2->Items(),
               {{&Open1, "Open", VK_RETURN, MethodOf<&TForm1::Open1Click>(this), 0},
                {&Removeitem1, "Remove", VK_DELETE, MethodOf<&TForm1::Removeitem1Click>(this), 0},
                {&SelectAll1, "Select All", scCtrl | 'A', MethodOf<&TForm1::SelectAll1Click>(this), 0}});
}

// The flat menu style (made active when the window is created) and the Alt-key repaint fix.
void TForm1::CreateAppearance() {
    FlatStyle1 = new TFlatStyle(this);
    FlatStyle1->SetName("FlatStyle1");
    FlatStyle1->SetDimLevel(30);
    FlatStyle1->SetGrayLevel(10);
    FlatStyle1->Font().SetName("Tahoma");
    FlatStyle1->Font().SetHeight(-11);
    FlatStyle1->Font().SetColor(clMenuText);
    FlatStyle1->SetColor(clBtnFace);
    FlatStyle1->SetDrawMenuBar(false);
    FlatStyle1->SetIconBackColor(clBtnFace);
    FlatStyle1->SetMenuBarColor(clBtnFace);
    FlatStyle1->SetSelectColor(clHighlight);
    FlatStyle1->SetSelectBorderColor(clHighlight);
    FlatStyle1->SetSelectFontColor(clMenuText);
    FlatStyle1->SetDisabledColor(clInactiveCaption);
    FlatStyle1->SetSeparatorColor(clBtnFace);
    FlatStyle1->SetCheckedColor(clHighlight);
    FlatStyle1->SetIconWidth(24);
    FlatStyle1->SetDrawSelect(true);
    FlatStyle1->SetUseSystemColors(true);
    FlatStyle1->SetUseDimColor(false);
    FlatStyle1->SetOverrideOwnerDraw(false);
    FlatStyle1->SetGradient(false);
    FlatStyle1->SetFlatMenu(false);
    FlatStyle1->SetAutoDetect(true);
    FlatStyle1->SetXPContainers(0);
    FlatStyle1->SetXPControls(XPBit(xcMainMenu) | XPBit(xcPopupMenu));

    AltKeyFix1 = new TAltKeyFix(this);
    AltKeyFix1->SetName("AltKeyFix1");
}
