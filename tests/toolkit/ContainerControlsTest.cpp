// The thin wrappers over further standard controls and containers: state kept across windows, events, drawing;
// the frame, picture and own-font label of the About window.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <memory>

#include "tests/support/Harness.h"
#include "toolkit/forms/PlaceControl.h"
#include "tests/support/WindowPixels.h"
#include "toolkit/controls/ControlBar.h"
#include "toolkit/controls/HotKey.h"
#include "toolkit/controls/Image.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/Memo.h"
#include "toolkit/controls/PageControl.h"
#include "toolkit/controls/PageScroller.h"
#include "toolkit/controls/Panel.h"
#include "toolkit/controls/RadioButton.h"
#include "toolkit/controls/RichEdit.h"
#include "toolkit/controls/ScrollBox.h"
#include "toolkit/controls/TabControl.h"
#include "toolkit/controls/ToolBar.h"
#include "toolkit/controls/UpDown.h"
#include "toolkit/forms/Form.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/system/WinGuards.h"

namespace {

using harness::ClientPixel;

std::string WindowClass(TWinControl& control) {
    char name[64] = {};
    GetClassNameA(control.Handle(), name, sizeof name);
    return name;
}

struct ContainerControlsTest : ::testing::Test {
    void SetUp() override {
        harness::TestApplication();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(40, 40, 500, 400);
    }
    std::unique_ptr<TForm> form;
};

struct TRecorder {
    int clicks = 0;
    int bands = 0;
    int buttonDraws = 0;
    TCustomDrawState lastState = 0;
    bool drawItself = false;
    void Click(TComponent*) { ++clicks; }
    void Band(TComponent*, TControl*, TCanvas& canvas, RECT& rect, TBandPaintOptions& options) {
        ++bands;
        canvas.Brush().SetColor(clRed);
        canvas.FillRect(rect);
        options &= ~bpoGrabber;
    }
    void Button(TToolBar* bar, TToolButton* button, TCustomDrawState state, bool& defaultDraw) {
        ++buttonDraws;
        lastState = state;
        if (drawItself) return;
        bar->Canvas().Brush().SetColor(clLime);
        bar->Canvas().FillRect(button->BoundsRect());
        defaultDraw = false;
    }
};

TEST_F(ContainerControlsTest, RadioButtonsOfOneParentExcludeEachOtherAndAClickChecksOne) {
    auto* a = PlaceControl<TRadioButton>(form.get(), form.get(), 10, 10, 100, 20);
    auto* b = PlaceControl<TRadioButton>(form.get(), form.get(), 10, 40, 100, 20);
    TRecorder recorder;
    b->OnClick = MethodOf<&TRecorder::Click>(&recorder);
    a->SetChecked(true);
    b->SetChecked(true);
    EXPECT_FALSE(a->Checked());
    EXPECT_EQ(recorder.clicks, 1);
    form->Show();
    EXPECT_EQ(SendMessageA(b->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED) << "state moves into the window";
    harness::ClickButton(*a);
    EXPECT_TRUE(a->Checked());
    EXPECT_FALSE(b->Checked());
    EXPECT_EQ(SendMessageA(b->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(ContainerControlsTest, EditKindsUpDownAndHotKeyKeepTheirValuesAcrossANewWindow) {
    auto* memo = PlaceControl<TMemo>(form.get(), form.get(), 10, 10, 150, 60);
    auto* rich = PlaceControl<TRichEdit>(form.get(), form.get(), 170, 10, 150, 60);
    auto* spin = PlaceControl<TUpDown>(form.get(), form.get(), 330, 10, 17, 24);
    auto* key = PlaceControl<THotKey>(form.get(), form.get(), 10, 80, 120, 20);
    spin->SetRange(0, 10);
    spin->SetPosition(25);
    EXPECT_EQ(spin->Position(), 10) << "clamped to the range";
    spin->SetPosition(4);
    key->SetHotKey(MAKEWORD('K', HOTKEYF_CONTROL));
    form->Show();
    EXPECT_NE(GetWindowLongA(memo->Handle(), GWL_STYLE) & ES_MULTILINE, 0);
    EXPECT_EQ(WindowClass(*rich), RICHEDIT_CLASSA);
    memo->SetText("one\r\ntwo");
    EXPECT_EQ(SendMessageA(memo->Handle(), EM_GETLINECOUNT, 0, 0), 2);
    SendMessageA(spin->Handle(), UDM_SETPOS32, 0, 7);
    SendMessageA(key->Handle(), HKM_SETHOTKEY, MAKEWORD('Q', HOTKEYF_ALT), 0);
    for (TWinControl* control : std::initializer_list<TWinControl*>{memo, spin, key}) control->RecreateWnd();
    EXPECT_EQ(memo->Text(), "one\r\ntwo");
    EXPECT_EQ(spin->Position(), 7);
    EXPECT_EQ(key->HotKey(), MAKEWORD('Q', HOTKEYF_ALT));
}

TEST_F(ContainerControlsTest, PanelDrawsItsBevelsAndPageControlShowsOnlyTheActiveSheet) {
    auto* panel = PlaceControl<TPanel>(form.get(), form.get(), 10, 10, 100, 40);
    panel->SetBevelOuter(bvRaised);
    panel->SetBevelInner(bvLowered);
    panel->SetBorderWidth(2);
    auto* flat = PlaceControl<TPanel>(form.get(), form.get(), 120, 10, 100, 40);
    flat->SetBevelOuter(bvNone);
    auto* pages = PlaceControl<TPageControl>(form.get(), form.get(), 10, 60, 300, 150);
    auto* first = new TTabSheet(form.get());
    first->SetCaption("First");
    first->SetParent(pages);
    auto* second = new TTabSheet(form.get());
    second->SetCaption("Second");
    second->SetParent(pages);
    auto* inner = PlaceControl<TScrollBox>(form.get(), second, 5, 5, 100, 60);
    form->Show();
    harness::PaintNow(*form);
    EXPECT_EQ(ClientPixel(*panel, 0, 0), ColorToRGB(clBtnHighlight)) << "raised outer bevel";
    EXPECT_EQ(ClientPixel(*panel, 99, 39), ColorToRGB(clBtnShadow));
    EXPECT_EQ(ClientPixel(*panel, 3, 3), ColorToRGB(clBtnShadow)) << "lowered inner bevel inside the border width";
    EXPECT_EQ(ClientPixel(*panel, 2, 2), ColorToRGB(clBtnFace));
    EXPECT_EQ(ClientPixel(*flat, 0, 0), ColorToRGB(clBtnFace));

    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(SendMessageA(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_TRUE(IsWindowVisible(first->Handle()));
    EXPECT_FALSE(IsWindowVisible(second->Handle()));
    RECT area{};
    GetClientRect(pages->Handle(), &area);
    SendMessageA(pages->Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    EXPECT_EQ(first->Left(), area.left);
    EXPECT_EQ(first->Width(), area.right - area.left);
    pages->SetActivePageIndex(1);
    EXPECT_FALSE(IsWindowVisible(first->Handle()));
    EXPECT_TRUE(IsWindowVisible(inner->Handle())) << "the sheet's controls come with it";
    pages->SetActivePageIndex(5);
    EXPECT_EQ(pages->ActivePageIndex(), 1);
}

TEST_F(ContainerControlsTest, PageScrollerScrollsAnOnlyChildWiderThanItself) {
    auto* pager = PlaceControl<TPageScroller>(form.get(), form.get(), 10, 10, 100, 30);
    auto* wide = PlaceControl<TPanel>(form.get(), pager, 0, 0, 300, 30);
    auto* narrowPager = PlaceControl<TPageScroller>(form.get(), form.get(), 10, 50, 100, 30);
    PlaceControl<TPanel>(form.get(), narrowPager, 0, 0, 50, 30);
    form->Show();
    harness::ProcessMessages();
    EXPECT_EQ(GetParent(wide->Handle()), pager->Handle());
    EXPECT_NE(SendMessageA(pager->Handle(), PGM_GETBUTTONSTATE, 0, PGB_BOTTOMORRIGHT), PGF_INVISIBLE);
    EXPECT_EQ(SendMessageA(narrowPager->Handle(), PGM_GETBUTTONSTATE, 0, PGB_BOTTOMORRIGHT), PGF_INVISIBLE);
}

TEST_F(ContainerControlsTest, ControlBarBandEventPaintsBeforeTheGrabberAndFrameItLeavesOn) {
    auto* bar = PlaceControl<TControlBar>(form.get(), form.get(), 10, 10, 200, 60);
    auto* child = PlaceControl<TPanel>(form.get(), bar, 20, 10, 60, 20);
    TRecorder recorder;
    form->Show();
    harness::PaintNow(*bar);
    const RECT band = TControlBar::BandRect(*child);
    EXPECT_EQ(ClientPixel(*bar, band.left, band.top), ColorToRGB(clBtnHighlight)) << "frame";
    EXPECT_EQ(ClientPixel(*bar, band.left + 3, band.top + 5), ColorToRGB(clBtnHighlight)) << "grabber";
    bar->OnBandPaint = MethodOf<&TRecorder::Band>(&recorder);
    harness::PaintNow(*bar);
    EXPECT_GE(recorder.bands, 1);
    EXPECT_EQ(ClientPixel(*bar, band.left, band.top), ColorToRGB(clBtnHighlight)) << "the frame stays";
    EXPECT_EQ(ClientPixel(*bar, band.left + 3, band.top + 5), ColorToRGB(clRed)) << "the grabber was taken off";
}

TEST_F(ContainerControlsTest, ToolBarAsksEachButtonsDrawingWithItsStateAndDrawsOnlyWhatTheEventLeavesToIt) {
    auto* bar = PlaceControl<TToolBar>(form.get(), form.get(), 0, 0, 300, 40);
    auto* check = new TToolButton(form.get());
    check->SetStyle(tbsCheck);
    check->SetDown(true);
    bar->AddButton(check);
    auto* off = new TToolButton(form.get());
    off->SetEnabled(false);
    bar->AddButton(off);
    TRecorder recorder;
    bar->OnCustomDrawButton = MethodOf<&TRecorder::Button>(&recorder);
    form->Show();
    harness::PaintNow(*bar);
    EXPECT_GE(recorder.buttonDraws, 2);
    RECT b = check->BoundsRect();
    EXPECT_EQ(ClientPixel(*bar, b.left + 3, b.top + 3), ColorToRGB(clLime)) << "the bar drew nothing over it";
    EXPECT_EQ(check->Index(), 0);
    EXPECT_EQ(off->Index(), 1);

    recorder.drawItself = true;
    recorder.buttonDraws = 0;
    off->SetEnabled(true);
    harness::PaintNow(*bar);
    EXPECT_NE(ClientPixel(*bar, b.left + 3, b.top + 3), ColorToRGB(clLime)) << "default drawing";
    check->SetDown(false);
    EXPECT_EQ(SendMessageA(bar->Handle(), TB_ISBUTTONCHECKED, check->Command(), 0), 0);
    off->SetEnabled(false);
    harness::PaintNow(*bar);
    EXPECT_NE(recorder.lastState & cdsDisabled, 0u) << "the last button is drawn disabled";
    bar->SetFlat(false);  // rebuilt with its buttons
    EXPECT_EQ(GetWindowLongA(bar->Handle(), GWL_STYLE) & TBSTYLE_FLAT, 0);
    EXPECT_EQ(SendMessageA(bar->Handle(), TB_BUTTONCOUNT, 0, 0), 2);
}

TEST(Image, TransparentPictureShowsTheBackgroundWhereItsKeyColourIsAndAMissingOneNothing) {
    harness::TestApplication();
    TForm form(nullptr);
    auto* image = PlaceControl<TImage>(&form, &form, 10, 20, 6, 6);
    const TColor key = RGBColor(255, 0, 255);
    image->Picture().SetSize(6, 6);
    image->Picture().Canvas().Brush().SetColor(key);
    image->Picture().Canvas().FillRect(RECT{0, 0, 6, 6});
    image->Picture().Canvas().SetPixel(3, 3, clNavy);
    TBitmap background;
    background.SetSize(40, 40);
    const auto paintParent = [&] {
        background.Canvas().Brush().SetColor(clLime);
        background.Canvas().FillRect(RECT{0, 0, 40, 40});
        form.PaintControls(background.Canvas().Handle());
    };
    const auto at = [&](int x, int y) { return background.Canvas().Pixel(x, y); };

    image->SetTransparent(true);
    paintParent();
    EXPECT_EQ(at(13, 23), clNavy);
    EXPECT_EQ(at(10, 20), clLime);
    image->SetTransparent(false);
    paintParent();
    EXPECT_EQ(at(10, 20), key);
    EXPECT_EQ(at(9, 19), clLime) << "painted outside its place";

    EXPECT_FALSE(image->LoadFromResourceName(GetModuleHandleA(nullptr), "NO_SUCH_PICTURE"));
    paintParent();
    EXPECT_EQ(at(13, 23), clLime) << "a picture that failed to load left the old one";
}

// The most pixels of the colour in one row of the painted label.
int WidestRowOf(TLabel& label, TColor color) {
    TBitmap picture;
    picture.SetSize(label.Width(), label.Height());
    label.PaintTo(picture.Canvas().Handle());
    int widest = 0;
    for (int y = 0; y < label.Height(); ++y) {
        int count = 0;
        for (int x = 0; x < label.Width(); ++x) count += picture.Canvas().Pixel(x, y) == color;
        widest = std::max(widest, count);
    }
    return widest;
}

TEST(Label, OwnFontSizesTheLabelAndPaintsItsTextInItsColourAndStyle) {
    harness::TestApplication();
    TForm form(nullptr);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetCaption("Quiverlock");
    const SIZE plain{label->Width(), label->Height()};
    label->Font().SetName("Arial");
    label->Font().SetHeight(-19);
    EXPECT_GT(label->Height(), plain.cy);
    const int arialWidth = label->Width();
    EXPECT_GT(arialWidth, plain.cx);
    label->Font().SetStyle(fsBold | fsItalic);
    EXPECT_GT(label->Width(), arialWidth) << "bold text is wider";

    label->Font().SetStyle(0);
    label->Font().SetColor(clNavy);
    const int text = WidestRowOf(*label, clNavy);
    EXPECT_GT(text, 0) << "the text is not in the font's colour";
    EXPECT_LT(text, label->Width() * 3 / 4);
    label->Font().SetStyle(fsUnderline);
    EXPECT_GT(WidestRowOf(*label, clNavy), label->Width() * 3 / 4) << "no solid underline";
    EXPECT_EQ(label->Width(), arialWidth) << "underlining keeps the size";
}

struct Moves {
    int count = 0;
    void Move(TComponent*, TShiftState, int, int) { ++count; }
};

TEST(TabControl, FramePaintsItsEdgesAndItsLabelsAndTakesTheMouseForThem) {
    harness::TestApplication();
    TForm form(nullptr);
    auto* frame = PlaceControl<TTabControl>(&form, &form, 8, 8, 200, 150);
    auto* label = new TLabel(&form);
    label->SetParent(frame);
    label->SetBounds(20, 30, 0, 0);
    label->SetCaption("WWWWWW");
    label->Font().SetColor(clRed);
    form.Show();

    TBitmap picture;
    picture.SetSize(frame->Width(), frame->Height());
    SendMessageA(frame->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(picture.Canvas().Handle()), 0);
    int red = 0;
    for (int y = label->Top(); y < label->Top() + label->Height(); ++y)
        for (int x = label->Left(); x < label->Left() + label->Width(); ++x) red += picture.Canvas().Pixel(x, y) == clRed;
    EXPECT_GT(red, 10) << "the label's text is missing";
    // No tab row: the top edge lies at the top, as the left edge lies at the left.
    const TColor middle = picture.Canvas().Pixel(100, 75);
    EXPECT_NE(picture.Canvas().Pixel(0, 75), middle);
    EXPECT_NE(picture.Canvas().Pixel(100, 0), middle);

    const POINT inside = frame->ClientToScreen(POINT{label->Left() + 2, label->Top() + 2});
    EXPECT_EQ(SendMessageA(frame->Handle(), WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)), HTCLIENT)
        << "a frame that lets the mouse through leaves its labels deaf";
    Moves moves;
    label->OnMouseMove = MethodOf<&Moves::Move>(&moves);
    SendMessageA(frame->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(label->Left() + 2, label->Top() + 2));
    EXPECT_EQ(moves.count, 1);
    Application->SetMouseControl(nullptr);
}

}  // namespace
