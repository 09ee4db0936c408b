// The main window: its controls, their layout and its life from creation to closing.
#include "app/Unit1.h"

#include <shellapi.h>

#include <algorithm>

#include "app/payload/FileSystem.h"
#include "app/payload/TempDir.h"
#include "app/shared/MessageTexts.h"
#include "toolkit/system/Application.h"

const char* const ProgramVersion = kProgramVersion;
std::string TempDir;
std::string CarrierFile;
TForm1* Form1 = nullptr;

namespace {

constexpr int kCoolBarHeight = 41;
constexpr int kStatusBarHeight = 18;

}  // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner) {
    SetCaption(kProductCaption);
    SetBounds(269, 179, 628, 458);
    SetMinimumSize(250, 150);
    Font().SetName("MS Sans Serif");
    Font().SetHeight(-11);
    SetKeyPreview(true);
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
    if (icon != nullptr) SetIcon(icon);
    CreateControls();
    OnCreate = MethodOf<&TForm1::FormCreate>(this);
    OnShow = MethodOf<&TForm1::FormShow>(this);
    OnClose = MethodOf<&TForm1::FormClose>(this);
    MainWindowFiles = this;
    FinishLayout();
}

TForm1::~TForm1() {
    if (MainWindowFiles == this) MainWindowFiles = nullptr;
}

void TForm1::CreateControls() {
    ImageList1 = new TImageList(this, 16, 16);
    // The pictures are decoration: without them (a program built without its resources, as the tests are) every
    // command still works, so the count loaded decides nothing.
    ImageList1->AddFromResource(GetModuleHandleA(nullptr), "IMAGELIST1", RGB(255, 0, 255));

    CreatePopupMenus();
    CreateMainMenu();

    CoolBar1 = new TCoolBar(this);
    CoolBar1->SetBandBorders(false);
    CoolBar1->SetParent(this);
    CreateToolBar();

    ShellTreeView1 = new TShellTreeView(this);
    ShellTreeView1->SetParent(this);
    ShellTreeView1->SetWidth(185);
    ShellTreeView1->SetPopupMenu(PopupMenu1);
    ShellTreeView1->OnDblClick = MethodOf<&TForm1::ShellTreeView1DblClick>(this);

    Splitter1 = new TSplitter(this);
    Splitter1->SetParent(this);
    Splitter1->SetControl(ShellTreeView1);
    Splitter1->OnMoved = MethodOf<&TForm1::Splitter1Moved>(this);

    ListView1 = new TListView(this);
    ListView1->SetMultiSelect(true);
    ListView1->SetRowSelect(true);
    ListView1->SetFlatScrollBars(true);
    ListView1->SetSmallImages(ImageList1);
    ListView1->AddColumn("Name", 150);
    ListView1->AddColumn("Size", 70);
    ListView1->AddColumn("Path", 200);
    ListView1->SetPopupMenu(PopupMenu2);
    ListView1->OnColumnClick = MethodOf<&TForm1::ListView1ColumnClick>(this);
    ListView1->OnDblClick = MethodOf<&TForm1::ListView1DblClick>(this);
    ListView1->OnDragOver = MethodOf<&TForm1::ListView1DragOver>(this);
    ListView1->OnDragDrop = MethodOf<&TForm1::ListView1DragDrop>(this);
    ListView1->SetParent(this);

    StatusBar1 = new TStatusBar(this);
    StatusBar1->SetParent(this);
    StatusBar1->AddPanel("For Help, press F1", 150);
    StatusBar1->AddPanel("", 50);
    LayoutPanes();

    CreateAppearance();
}

void TForm1::CreateToolBar() {
    ToolBar1 = new TToolBar(this);
    ToolBar1->SetParent(CoolBar1);
    ToolBar1->SetImages(ImageList1);
    ToolBar1->SetButtonSize(62, 36);
    ToolBar1->SetBounds(0, 0, 500, 36);
    struct TButtonSpec {
        TToolButton** Field;
        const char* Caption;
        int Image;
        const char* Hint;
        TNotifyEvent Click;
    };
    const TButtonSpec buttons[] = {
        {&ToolButton1, "   Refresh   ", 0, "Update the panel of source files/folders",
         MethodOf<&TForm1::ToolButton1Click>(this)},
        {nullptr, nullptr, -1, nullptr, {}},
        {&ToolButton2, "Add", 1, "Add selected files/folders to the list  for encryption",
         MethodOf<&TForm1::ToolButton2Click>(this)},
        {&ToolButton3, "Remove", 2, "Delete files from the list for encryption", MethodOf<&TForm1::ToolButton3Click>(this)},
        {nullptr, nullptr, -1, nullptr, {}},
        {&ToolButton4, "Encrypt", 3, "Encrypt files", MethodOf<&TForm1::ToolButton4Click>(this)},
        {&ToolButton6, "Decrypt", 4, "Decrypt selected file from source panel", MethodOf<&TForm1::ToolButton6Click>(this)},
        {nullptr, nullptr, -1, nullptr, {}},
        {&ToolButton8, "Help", 5, "Help", MethodOf<&TForm1::ToolButton8Click>(this)},
    };
    for (const TButtonSpec& spec : buttons) {
        auto* button = new TToolButton(this);
        if (spec.Field == nullptr) {
            button->SetStyle(tbsSeparator);
        } else {
            button->SetCaption(spec.Caption);
            button->SetImageIndex(spec.Image);
            button->SetHint(spec.Hint);
            button->OnClick = spec.Click;
            *spec.Field = button;
        }
        ToolBar1->AddButton(button);
    }
}

// Cool bar on top, status bar at the bottom, tree, splitter and list side by side between them.
void TForm1::LayoutPanes() {
    RECT client = ClientRect();
    int width = client.right;
    int paneTop = kCoolBarHeight;
    int paneHeight = std::max(0, static_cast<int>(client.bottom) - kCoolBarHeight - kStatusBarHeight);
    CoolBar1->SetBounds(0, 0, width, kCoolBarHeight);
    StatusBar1->SetBounds(0, paneTop + paneHeight, width, kStatusBarHeight);
    int treeWidth = ShellTreeView1->Width();
    ShellTreeView1->SetBounds(0, paneTop, treeWidth, paneHeight);
    Splitter1->SetBounds(treeWidth, paneTop, 3, paneHeight);
    int listLeft = treeWidth + 3;
    ListView1->SetBounds(listLeft, paneTop, std::max(0, width - listLeft), paneHeight);
}

// Called when the splitter changed the tree's width.
void TForm1::Splitter1Moved(TComponent*) { LayoutPanes(); }

// Called once, when the window has been built.
void TForm1::FormCreate(TComponent*) {
    FirstShow = true;
    TempDir = GetTempDir();
    UpdateTotals();
    FlatStyle1->SetActive(true);
    DragAcceptFiles(Handle(), TRUE);
}

// Called on every showing; the first one restores the settings and handles the start file.
void TForm1::FormShow(TComponent*) {
    if (!FirstShow) return;
    FirstShow = false;
    ReadSettings();
    SetCaption(kWindowCaption);
    if (startFile_.empty()) return;
    OpenDecryptDialog(startFile_);
    Close();
}

// Called when the window closes, which ends the program.
void TForm1::FormClose(TComponent*, TCloseAction&) {
    closing_ = true;
    WriteSettings();
    DragAcceptFiles(Handle(), FALSE);
    EraseExtractedPackage();
}

void TForm1::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_DROPFILES:
        WMDropFiles(message);
        return;
    case WM_SIZE:
        TForm::WndProc(message);
        if (StatusBar1 != nullptr) LayoutPanes();
        return;
    default:
        TForm::WndProc(message);
    }
}

// Shortcuts go to the focused control's popup menu first, then to the main menu.
void TForm1::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (DispatchShortCut(MainMenu1, key, shift)) {
        key = 0;
        return;
    }
    TForm::KeyDown(key, shift);
}
