// The About window: product name, version, web site and support address, the last two as links.
#include "app/Unit3.h"

#include "app/ProductLinks.h"
#include "app/Unit1.h"

TForm3* Form3 = nullptr;

namespace {

constexpr int kFrameLeft = 8;
constexpr int kFrameTop = 8;

}  // namespace

TForm3::TForm3(TComponent* owner) : TForm(owner) {
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetCaption("About Quiverlock");
    Font().SetName("MS Sans Serif");
    SetKeyPreview(true);
    SetClientWidth(327);
    SetClientHeight(279);
    CreateControls();
    OnKeyDown = MethodOf<&TForm3::FormKeyDown>(this);
    FinishLayout();
}

TLabel* TForm3::AddLabel(const std::string& caption, int left, int top, int height) {
    auto* label = new TLabel(this);
    label->SetParent(TabControl1);
    label->SetLeft(left - kFrameLeft);
    label->SetTop(top - kFrameTop);
    label->Font().SetHeight(height);
    label->SetCaption(caption);
    return label;
}

void TForm3::CreateControls() {
    Button1 = new TButton(this);
    Button1->SetCaption("OK");
    Button1->SetBounds(130, 248, 75, 23);
    Button1->OnClick = MethodOf<&TForm3::Button1Click>(this);
    Button1->SetParent(this);

    TabControl1 = new TTabControl(this);
    TabControl1->SetBounds(kFrameLeft, kFrameTop, 313, 233);
    TabControl1->SetParent(this);
    Button1->SetTabOrder(0);

    Image1 = new TImage(this);
    Image1->SetBounds(16 - kFrameLeft, 16 - kFrameTop, 60, 55);
    Image1->LoadFromResourceName(GetModuleHandleA(nullptr), "IMAGE1");  // tests run without the picture
    Image1->SetTransparent(true);
    Image1->SetParent(TabControl1);

    Label1 = AddLabel("Quiverlock", 96, 22, -19);
    Label2 = AddLabel(std::string("Version ") + ProgramVersion, 96, 46, -13);
    for (TLabel* title : {Label1, Label2}) {
        title->Font().SetName("Arial");
        title->Font().SetStyle(fsBold | fsItalic);
        title->Font().SetColor(clNavy);
    }
    Label3 = AddLabel("Web site:", 16, 80, -13);
    Label4 = AddLabel(std::string("http://") + ProductWebHost, 96, 80, -13);
    Label5 = AddLabel("Support:", 16, 104, -13);
    Label6 = AddLabel(SupportMailAddress, 96, 104, -13);
    for (TLabel* link : {Label4, Label6}) {
        link->Font().SetColor(clActiveCaption);
        link->SetCursor(crHandPoint);
    }
    Label4->OnClick = MethodOf<&TForm3::Label4Click>(this);
    Label4->OnMouseMove = MethodOf<&TForm3::Label4MouseMove>(this);
    Label4->OnMouseLeave = MethodOf<&TForm3::Label4MouseLeave>(this);
    Label6->OnClick = MethodOf<&TForm3::Label6Click>(this);
    Label6->OnMouseMove = MethodOf<&TForm3::Label6MouseMove>(this);
    Label6->OnMouseLeave = MethodOf<&TForm3::Label6MouseLeave>(this);
}

// Called when the web-site label is clicked: the main window's Home Page.
void TForm3::Label4Click(TComponent*) { Form1->HomePage1->Click(); }

// Called when the mail label is clicked: the main window's Technical Support.
void TForm3::Label6Click(TComponent*) { Form1->TechnicalSupport1->Click(); }

// Called when the mouse moves over the web-site label.
void TForm3::Label4MouseMove(TComponent*, TShiftState, int, int) { Label4->Font().SetStyle(fsUnderline); }

// Called when the mouse leaves the web-site label.
void TForm3::Label4MouseLeave(TComponent*) { Label4->Font().SetStyle(0); }

// Called when the mouse moves over the mail label.
void TForm3::Label6MouseMove(TComponent*, TShiftState, int, int) { Label6->Font().SetStyle(fsUnderline); }

// Called when the mouse leaves the mail label.
void TForm3::Label6MouseLeave(TComponent*) { Label6->Font().SetStyle(0); }

// Called when OK is pressed.
void TForm3::Button1Click(TComponent*) { Close(); }

// Called for every key before the focused control: Esc closes the window.
void TForm3::FormKeyDown(TComponent*, std::uint16_t& key, TShiftState) {
    if (key == VK_ESCAPE) Close();
}
