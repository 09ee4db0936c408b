// The thin wrappers over further standard controls and containers: state kept across windows, events, drawing.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <memory>

#include "tests/support/Harness.h"
#include "toolkit/forms/PlaceControl.h"
#include "tests/support/WindowPixels.h"
#include "toolkit/controls/ControlBar.h"
#include "toolkit/controls/HotKey.h"
#include "toolkit/controls/Memo.h"
#include "toolkit/controls/PageControl.h"
#include "toolkit/controls/PageScroller.h"
#include "toolkit/controls/Panel.h"
#include "toolkit/controls/RadioButton.h"
#include "toolkit/controls/RichEdit.h"
#include "toolkit/controls/ScrollBox.h"
#include "toolkit/controls/ToolBar.h"
#include "toolkit/controls/UpDown.h"
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

}  // namespace
