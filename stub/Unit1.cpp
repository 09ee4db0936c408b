// The package window: its controls, their layout, the forwarding commands and its showing.
#include "stub/Unit1.h"

#include <shellapi.h>

#include <algorithm>

#include "app/payload/FileSystem.h"
#include "app/payload/LocaleSizeText.h"
#include "app/payload/TempDir.h"
#include "stub/StubTexts.h"
#include "stub/Unit2.h"
#include "toolkit/forms/Application.h"

namespace Stub {

std::string TempDir;
TForm1* Form1 = nullptr;

namespace {

constexpr int kCoolBarHeight = 44;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 40;
constexpr int kProgressHeight = 17;
constexpr int kStatusBarHeight = 19;

}  // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner), packagePath_(ProgramPath()) {
    SetName("Form1");
    SetCaption(kWindowCaption);
    SetBounds(0, 0, 422, 359);
    // Room for the four buttons side by side and a few rows of the list.
    SetMinimumSize(340, 220);
    SetPosition(poScreenCenter);
    SetKeyPreview(true);
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
    if (icon != nullptr) SetIcon(icon);
    CreateControls();
    OnCreate = MethodOf<&TForm1::FormCreate>(this);
    OnShow = MethodOf<&TForm1::FormShow>(this);
    OnClose = MethodOf<&TForm1::FormClose>(this);
    FinishLayout();
}

TForm1::~TForm1() {
    reader_.reset();  // scrubs the cipher before it goes
    package_.reset();
}

void TForm1::CreateControls() {
    ImageList1 = new TImageList(this, 16, 16);
    ImageList1->AddFromResource(GetModuleHandleA(nullptr), "IMAGELIST1", RGB(255, 0, 255));
    QC_blowfish1 = new TQC_blowfish(this);
    SaveDialog1 = new TSaveDialog(this);
    SaveDialog1->Filter = kSaveFilter;
    CreatePopupMenu();
    CreateCoolBar();
    AltKeyFix1 = new TAltKeyFix(this);
    AltKeyFix1->SetName("AltKeyFix1");

    ListView1 = new TListView(this);
    ListView1->SetMultiSelect(true);
    ListView1->SetRowSelect(true);
    ListView1->SetStateImages(ImageList1);
    ListView1->AddColumn("Name", 280);
    ListView1->AddColumn("Size", 100);
    ListView1->SetPopupMenu(PopupMenu1);
    ListView1->OnDblClick = MethodOf<&TForm1::ListView1DblClick>(this);
    ListView1->SetParent(this);

    ProgressBar1 = new TProgressBar(this);
    ProgressBar1->SetParent(this);
    StatusBar1 = new TStatusBar(this);
    StatusBar1->SetParent(this);
    StatusBar1->AddPanel("", 50);
    LayoutControls();
}

void TForm1::CreateCoolBar() {
    CoolBar1 = new TCoolBar(this);
    CoolBar1->SetBandBorders(false);
    CoolBar1->SetParent(this);
    struct TButtonSpec {
        TSpeedButton** Field;
        const char* Caption;
        int Glyph;
        TNotifyEvent Click;
    };
    const TButtonSpec buttons[] = {
        {&SpeedButton1, "Launch", kLaunchGlyph, MethodOf<&TForm1::SpeedButton1Click>(this)},
        {&SpeedButton2, "Save As...", kSaveGlyph, MethodOf<&TForm1::SpeedButton2Click>(this)},
        {&SpeedButton3, "Delete", kDeleteGlyph, MethodOf<&TForm1::SpeedButton3Click>(this)},
        {&SpeedButton5, "Exit", kExitGlyph, MethodOf<&TForm1::SpeedButton5Click>(this)},
    };
    int left = 2;
    for (const TButtonSpec& spec : buttons) {
        auto* button = new TSpeedButton(this);
        button->SetParent(CoolBar1);
        button->SetBounds(left, 2, kButtonWidth, kButtonHeight);
        button->SetCaption(spec.Caption);
        button->SetGlyph(ImageList1, spec.Glyph);
        button->OnClick = spec.Click;
        *spec.Field = button;
        left += kButtonWidth;
    }
}

void TForm1::CreatePopupMenu() {
    PopupMenu1 = new TPopupMenu(this);
    PopupMenu1->SetImages(ImageList1);
    struct TItemSpec {
        TMenuItem** Field;
        const char* Caption;
        TShortCut Keys;
        int Glyph;
        TNotifyEvent Click;
    };
    const TItemSpec items[] = {
        {&N1, "Launch File(s)", VK_RETURN, kLaunchGlyph, MethodOf<&TForm1::N1Click>(this)},
        {&N3, "Save As...", scCtrl | 'S', kSaveGlyph, MethodOf<&TForm1::N3Click>(this)},
        {&Information1, "Delete File(s)", VK_DELETE, kDeleteGlyph, MethodOf<&TForm1::Information1Click>(this)},
        {&SelectAll1, "Select All", scCtrl | 'A', kSelectAllGlyph, MethodOf<&TForm1::SelectAll1Click>(this)},
        {&N2, "-", scNone, -1, {}},
        {&N4, "Exit", VK_ESCAPE, kExitGlyph, MethodOf<&TForm1::N4Click>(this)},
    };
    for (const TItemSpec& spec : items) {
        auto* item = new TMenuItem(this);
        item->SetCaption(spec.Caption);
        item->SetShortCut(spec.Keys);
        item->SetImageIndex(spec.Glyph);
        item->OnClick = spec.Click;
        *spec.Field = item;
        PopupMenu1->Items().Add(item);
    }
}

// Cool bar on top; below it the list, then the progress bar and the status bar along the bottom.
void TForm1::LayoutControls() {
    const RECT client = ClientRect();
    const int width = client.right;
    const int bottom = static_cast<int>(client.bottom);
    const int listHeight = std::max(0, bottom - kCoolBarHeight - kProgressHeight - kStatusBarHeight);
    CoolBar1->SetBounds(0, 0, width, kCoolBarHeight);
    ListView1->SetBounds(0, kCoolBarHeight, width, listHeight);
    ProgressBar1->SetBounds(0, kCoolBarHeight + listHeight, width, kProgressHeight);
    StatusBar1->SetBounds(0, bottom - kStatusBarHeight, width, kStatusBarHeight);
}

void TForm1::FormCreate(TComponent*) { DragAcceptFiles(Handle(), TRUE); }

void TForm1::FormShow(TComponent*) {
    TempDir = GetTempDir();
    if (PackageOpen() || ended_) return;
    Form2->ShowModal();
}

void TForm1::EndProgram() {
    ended_ = true;
    if (Form2 != nullptr && Form2->IsModal()) Form2->SetModalResult(mrCancel);
    Hide();
    Close();
}

void TForm1::EnableControls(bool enabled) {
    SpeedButton1->SetEnabled(enabled);
    SpeedButton2->SetEnabled(enabled);
    SpeedButton3->SetEnabled(enabled);
    SpeedButton5->SetEnabled(enabled);
    ListView1->SetEnabled(enabled);
}

void TForm1::UpdateTotals() {
    std::vector<std::string> sizes;
    for (int i = 0; i < ListView1->Count(); ++i) {
        const TListRow& row = ListView1->Row(i);
        sizes.push_back(row.SubItems.empty() ? std::string() : row.SubItems[0]);
    }
    StatusBar1->SetPanelText(0, UpdateTotalsText(sizes, TTotalsVariant::tvStub));
}

void TForm1::RequestClose() {
    if (!busy_) {
        Close();
        return;
    }
    stopRequested_ = true;
    closeRequested_ = true;
}

void TForm1::SpeedButton5Click(TComponent*) { RequestClose(); }

void TForm1::ListView1DblClick(TComponent*) { SpeedButton1->Click(); }
void TForm1::N1Click(TComponent*) { SpeedButton1->Click(); }
void TForm1::N3Click(TComponent*) { SpeedButton2->Click(); }
void TForm1::Information1Click(TComponent*) { SpeedButton3->Click(); }
void TForm1::SelectAll1Click(TComponent*) { ListView1->SelectAll(); }
void TForm1::N4Click(TComponent*) { SpeedButton5->Click(); }

void TForm1::ProcessMessages() {
    if (Application != nullptr) Application->ProcessMessages();
}

void TForm1::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_DROPFILES:
        WMDropFiles(message);
        return;
    case WM_CLOSE:
        RequestClose();
        message.Result = 0;
        return;
    case WM_SIZE:
        TForm::WndProc(message);
        if (StatusBar1 != nullptr) LayoutControls();
        return;
    default:
        TForm::WndProc(message);
    }
}

// Shortcuts of the list's popup menu.
void TForm1::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (DispatchShortCut(nullptr, key, shift)) {
        key = 0;
        return;
    }
    TForm::KeyDown(key, shift);
}

}  // namespace Stub
