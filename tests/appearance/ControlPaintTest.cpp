// Flat control painters read back from the controls' own windows after the real window procedures drew them.
#include <algorithm>
#include <array>
#include <memory>

#include "appearance/ControlSubClass.h"
#include "appearance/FlatColors.h"
#include "tests/appearance/AppearanceTestSupport.h"
#include "tests/appearance/NamedKinds.h"
#include "tests/support/WindowPixels.h"
#include "toolkit/controls/BitBtn.h"
#include "toolkit/controls/CheckBox.h"
#include "toolkit/controls/ComboBox.h"
#include "toolkit/controls/ControlBar.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/HotKey.h"
#include "toolkit/controls/ListBox.h"
#include "toolkit/controls/ListView.h"
#include "toolkit/controls/ShellTreeView.h"
#include "toolkit/controls/ProgressBar.h"
#include "toolkit/controls/RadioButton.h"
#include "toolkit/controls/RichEdit.h"
#include "toolkit/controls/SpeedButton.h"
#include "toolkit/controls/ToolBar.h"
#include "toolkit/graphics/ImageList.h"
#include "toolkit/forms/Screen.h"
#include "toolkit/system/WinGuards.h"

namespace {

COLORREF Rgb(TColor colour) { return ColorToRGB(colour); }

using harness::ClientPixel;
using harness::WindowPixel;

struct ControlPaintTest : ::testing::Test {
    void SetUp() override {
        harness::TestApplication();
        form = std::make_unique<TLayoutForm>(nullptr, [this](TForm& f) {
            f.SetBounds(50, 50, 520, 360);
            f.SetColor(clBtnFace);
            auto place = [&f](auto* control, int left, int top, int width, int height, const char* caption) {
                control->SetBounds(left, top, width, height);
                if (caption != nullptr) control->SetCaption(caption);
                control->SetParent(&f);
                return control;
            };
            edit = place(new TEdit(&f), 10, 10, 120, 22, "one");
            other = place(new TEdit(&f), 10, 40, 120, 22, "two");
            button = place(new TButton(&f), 150, 10, 90, 26, "Press");
            disabledButton = place(new TButton(&f), 150, 40, 90, 26, "Off");
            disabledButton->SetEnabled(false);
            check = place(new TCheckBox(&f), 260, 10, 100, 22, "Check");
            check->SetChecked(true);
            disabledCheck = place(new TCheckBox(&f), 260, 40, 100, 22, "Grey");
            disabledCheck->SetChecked(true);
            disabledCheck->SetEnabled(false);
            radio = place(new TRadioButton(&f), 370, 10, 100, 22, "Dot");
            radio->SetChecked(true);
            combo = place(new TComboBox(&f), 10, 80, 120, 22, nullptr);
            progress = place(new TProgressBar(&f), 150, 80, 120, 18, nullptr);
            hotKey = place(new THotKey(&f), 290, 80, 120, 22, nullptr);
            bitBtn = place(new TBitBtn(&f), 10, 120, 90, 26, "Glyph");
            lookup = place(new TDBLookupComboBox(&f), 10, 190, 120, 22, nullptr);
            lookup->SetStyle(csDropDownList);  // the focus stays on the control itself
            rich = place(new TRichEdit(&f), 150, 190, 100, 40, "Rich");
            singleList = place(new TListBox(&f), 270, 190, 100, 40, nullptr);
            noneList = place(new TListBox(&f), 390, 190, 100, 40, nullptr);
            noneList->SetBorderStyle(bsNone);
            style = new TFlatStyle(&f);
        });
        form->Show();
        style->SetActive(true);
        harness::PaintNow(*form);
    }
    std::unique_ptr<TForm> form;
    TEdit *edit = nullptr, *other = nullptr;
    TButton *button = nullptr, *disabledButton = nullptr;
    TCheckBox *check = nullptr, *disabledCheck = nullptr;
    TRadioButton* radio = nullptr;
    TComboBox* combo = nullptr;
    TProgressBar* progress = nullptr;
    THotKey* hotKey = nullptr;
    TBitBtn* bitBtn = nullptr;
    TDBLookupComboBox* lookup = nullptr;
    TRichEdit* rich = nullptr;
    TListBox *singleList = nullptr, *noneList = nullptr;
    TFlatStyle* style = nullptr;
    const TColorScheme& S() { return style->Scheme(); }
};

TEST_F(ControlPaintTest, EditFrameTakesTheFocusColourWhenFocusedOrHoveredAndTheBorderColourOtherwise) {
    edit->SetFocus();
    harness::ProcessUntil([&] { return edit->Focused(); });
    harness::PaintNow(*form);
    const COLORREF focus = Rgb(LightenColor(S().SchemeSelectBorderColor, 60));
    const COLORREF idle = Rgb(DarkenColor(form->Brush().Color(), 60));
    EXPECT_FALSE(edit->Ctl3D()) << "the first paint takes the 3-D border off";
    EXPECT_TRUE(TControlSubClass::IsSubclassed(*edit)) << "the subclass survives the rebuilt window";
    EXPECT_EQ(ClientPixel(*edit, 0, 0), focus);
    EXPECT_EQ(ClientPixel(*edit, edit->ClientWidth() - 1, 5), focus);
    EXPECT_EQ(ClientPixel(*other, 0, 0), idle);
    EXPECT_EQ(ClientPixel(*other, 5, other->ClientHeight() - 1), idle);

    other->Perform(CM_MOUSEENTER);
    EXPECT_EQ(ClientPixel(*other, 0, 0), focus) << "hover";
    other->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(ClientPixel(*other, 0, 0), idle);
}

TEST_F(ControlPaintTest, ButtonLightsOnMouseEnterDarkensBackOnLeaveAndADisabledOneNeitherLightsNorHasEdgeLines) {
    const int midY = button->ClientHeight() / 2;
    const COLORREF idleFace = Rgb(S().SchemeIconBackColor);
    const COLORREF hotFace = Rgb(LightenColor(clBtnFace, S().HotLightenPercent));
    EXPECT_EQ(ClientPixel(*button, 3, midY), idleFace);
    EXPECT_EQ(ClientPixel(*button, button->ClientWidth() - 1, midY), Rgb(DarkenColor(clBtnShadow, 50)));
    button->Perform(CM_MOUSEENTER);
    EXPECT_EQ(ClientPixel(*button, 3, midY), hotFace);
    EXPECT_EQ(ClientPixel(*button, button->ClientWidth() - 1, midY),
              Rgb(DarkenColor(LightenColor(S().SchemeSelectBorderColor, 60), 50)));
    button->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(ClientPixel(*button, 3, midY), idleFace);

    disabledButton->Perform(CM_MOUSEENTER);
    EXPECT_EQ(ClientPixel(*disabledButton, 3, midY), idleFace) << "a disabled control ignores the mouse";
    EXPECT_EQ(ClientPixel(*disabledButton, disabledButton->ClientWidth() - 1, midY), Rgb(LightenColor(clBtnShadow, 30)))
        << "no edge lines on a disabled button";

    // Space held paints the pressed lines once; key-up paints the raised ones again.
    button->Perform(WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(ClientPixel(*button, 0, midY), Rgb(DarkenColor(clBtnShadow, 50)));
    button->Perform(WM_KEYUP, VK_SPACE);
    EXPECT_EQ(ClientPixel(*button, button->ClientWidth() - 1, midY), Rgb(DarkenColor(clBtnShadow, 50)));
}

int CountInClient(TWinControl& control, COLORREF colour) {
    int n = 0;
    TWindowDC dc(control.Handle());
    for (int y = 0; y < control.ClientHeight(); ++y)
        for (int x = 0; x < control.ClientWidth(); ++x) n += GetPixel(dc.Get(), x, y) == colour ? 1 : 0;
    return n;
}

TEST_F(ControlPaintTest, CheckedBoxShowsItsTickRadioItsDotAndDisabledOnesTheDisabledColour) {
    EXPECT_GT(CountInClient(*check, Rgb(clHighlight)), 6) << "the tick";
    EXPECT_GT(CountInClient(*disabledCheck, Rgb(S().SchemeDisabledColor)), 6) << "the disabled tick";
    EXPECT_EQ(CountInClient(*disabledCheck, Rgb(clHighlight)), 0);
    const int w = GetSystemMetrics(SM_CXHTHUMB);
    const int top = 4 + (radio->ClientHeight() - 8 - w) / 2;
    const int centre = top + (w - 1) / 2;
    EXPECT_EQ(ClientPixel(*radio, (w - 1) / 2, centre), Rgb(clHighlight)) << "the dot";
    radio->SetChecked(false);
    radio->Perform(BM_GETCHECK);  // repaints as the button asks its state
    EXPECT_EQ(ClientPixel(*radio, (w - 1) / 2, centre), Rgb(clWindow));
    EXPECT_EQ(CountInClient(*radio, Rgb(clHighlight)), 0);
}

TEST_F(ControlPaintTest, ComboDropButtonIsAsWideAsTheThumbMetricAndLightsWhenHot) {
    const int w = GetSystemMetrics(SM_CXHTHUMB);
    const int cw = combo->ClientWidth();
    combo->Perform(CM_MOUSEENTER);
    const COLORREF border = Rgb(S().SchemeSelectBorderColor);
    const COLORREF buttonColour = Rgb(S().SchemeSelectColor);
    EXPECT_EQ(ClientPixel(*combo, cw - w + 2, 4), border) << "the line at the button's inner side";
    EXPECT_EQ(ClientPixel(*combo, cw - w + 3, 4), buttonColour);
    EXPECT_EQ(ClientPixel(*combo, cw - 2, 4), buttonColour);
    EXPECT_EQ(ClientPixel(*combo, cw - w + 1, 4), Rgb(combo->Color())) << "the strip in the control's colour";
    EXPECT_EQ(ClientPixel(*combo, cw - 8, 11), Rgb(clBlack)) << "the arrow";
    combo->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(ClientPixel(*combo, cw - w + 2, 4), Rgb(combo->Color())) << "the line in the idle border colour";
    EXPECT_EQ(ClientPixel(*combo, cw - w + 3, 4), Rgb(clBtnFace));
    EXPECT_EQ(ClientPixel(*combo, cw - 3, 4), Rgb(clBtnFace));
    EXPECT_EQ(ClientPixel(*combo, cw - 2, 4), Rgb(combo->Color())) << "an idle button is one pixel narrower";

    // The focus of a drop-down combo sits on its edit; leaving that edit leaves the combo.
    combo->SetFocus();
    ASSERT_TRUE(harness::ProcessUntil([&] { return combo->Focused(); }));
    EXPECT_NE(GetFocus(), combo->Handle());
    harness::PaintNow(*combo);
    EXPECT_NE(ClientPixel(*combo, cw - 3, 4), Rgb(clBtnFace)) << "lit while it has the focus";
    other->SetFocus();
    ASSERT_TRUE(harness::ProcessUntil([&] { return other->Focused(); }));
    EXPECT_FALSE(combo->Focused());
    EXPECT_EQ(ClientPixel(*combo, cw - 3, 4), Rgb(clBtnFace)) << "idle once the focus left";
    EXPECT_EQ(ClientPixel(*combo, cw - w + 2, 4), Rgb(combo->Color()));
}

TEST_F(ControlPaintTest, ProgressBarAndHotKeyAreOutlinedIdleOrLit) {
    const COLORREF idle = Rgb(DarkenColor(form->Brush().Color(), 60));
    EXPECT_EQ(WindowPixel(*progress, 0, 0), idle);
    EXPECT_EQ(WindowPixel(*progress, progress->Width() - 1, progress->Height() - 1), idle);
    progress->Perform(CM_MOUSEENTER);
    EXPECT_EQ(WindowPixel(*progress, 0, 0), Rgb(S().SchemeSelectBorderColor));
    EXPECT_EQ(WindowPixel(*hotKey, 0, 0), idle);
    EXPECT_EQ(WindowPixel(*hotKey, 1, 1), Rgb(clWindow)) << "the inner ring";
    hotKey->Perform(CM_MOUSEENTER);
    EXPECT_EQ(WindowPixel(*hotKey, hotKey->Width() - 1, 3), Rgb(LightenColor(S().SchemeSelectBorderColor, 60)));
}

TEST_F(ControlPaintTest, BitButtonWithoutGlyphOrWithMoreGlyphsThanItsBitmapHoldsPaintsTheFaceOnly) {
    const COLORREF face = Rgb(S().SchemeIconBackColor);
    struct {
        int width, numGlyphs;
    } cases[] = {{0, 1}, {3, 4}, {16, 40}};
    for (const auto& c : cases) {
        if (c.width > 0) {
            bitBtn->Glyph().SetSize(c.width, 16);
            bitBtn->Glyph().Canvas().Brush().SetColor(clRed);
            bitBtn->Glyph().Canvas().FillRect(RECT{0, 0, c.width, 8});
        }
        bitBtn->SetNumGlyphs(c.numGlyphs);
        harness::PaintNow(*bitBtn);
        EXPECT_EQ(CountInClient(*bitBtn, Rgb(clRed)), 0) << c.width << " / " << c.numGlyphs;
        EXPECT_EQ(ClientPixel(*bitBtn, 3, bitBtn->ClientHeight() / 2), face);
    }
    // Two glyphs of 8 pixels: the first is drawn, not the whole strip.
    bitBtn->Glyph().SetSize(16, 16);
    TCanvas& g = bitBtn->Glyph().Canvas();
    g.Brush().SetColor(clWhite);
    g.FillRect(RECT{0, 0, 16, 16});
    g.Brush().SetColor(clRed);
    g.FillRect(RECT{0, 0, 8, 8});
    g.Brush().SetColor(clLime);
    g.FillRect(RECT{8, 0, 16, 8});
    bitBtn->SetNumGlyphs(2);
    bitBtn->Perform(CM_MOUSEENTER);  // hot: the glyph is not dimmed
    EXPECT_GT(CountInClient(*bitBtn, Rgb(clRed)), 0);
    EXPECT_EQ(CountInClient(*bitBtn, Rgb(clLime)), 0);
}

TEST_F(ControlPaintTest, PaintersDrawNothingOutsideTheControlsWindows) {
    // Paint a ring of a colour no painter uses around each control, then let every control paint and hover.
    const COLORREF unused = RGB(3, 141, 59);
    harness::PaintNow(*form);
    TWindowDC dc(form->Handle());
    auto ring = [](const TWinControl& control) {
        RECT r = control.BoundsRect();
        return std::array<RECT, 2>{RECT{r.left - 2, r.top - 2, r.right + 2, r.top},
                                   RECT{r.left - 2, r.bottom, r.right + 2, r.bottom + 2}};
    };
    for (TWinControl* c : std::initializer_list<TWinControl*>{button, check, radio, combo, progress, hotKey, edit})
        for (const RECT& r : ring(*c)) {
            TBrushHandle brush(CreateSolidBrush(unused));
            FillRect(dc.Get(), &r, brush.Get());
        }
    auto outsideUnchanged = [&](TWinControl& control) {
        for (const RECT& r : ring(control))
            for (int x = r.left; x < r.right; ++x)
                for (int y = r.top; y < r.bottom; ++y)
                    if (GetPixel(dc.Get(), x, y) != unused) return false;
        return true;
    };
    for (TWinControl* c : std::initializer_list<TWinControl*>{button, check, radio, combo, progress, hotKey, edit}) {
        c->Perform(CM_MOUSEENTER);
        c->Perform(WM_LBUTTONDOWN);
        c->Perform(WM_LBUTTONUP);
        c->Perform(CM_MOUSELEAVE);
        EXPECT_TRUE(outsideUnchanged(*c)) << c->ClassName();
    }
}

TEST_F(ControlPaintTest, SpaceRepeatsPaintNothingAndADoubleClickPressesAgain) {
    // An edit draws nothing itself for a key going down, so what shows is the painter's doing alone.
    auto scribble = [&] {
        TWindowDC dc(other->Handle());
        SetPixel(dc.Get(), 0, 0, RGB(255, 0, 0));
    };
    other->Perform(WM_KEYDOWN, VK_SPACE);
    scribble();
    other->Perform(WM_KEYDOWN, VK_SPACE, 1 << 30);  // auto-repeat
    EXPECT_EQ(ClientPixel(*other, 0, 0), RGB(255, 0, 0)) << "a repeat paints nothing";
    other->Perform(WM_KEYUP, VK_SPACE);
    EXPECT_EQ(ClientPixel(*other, 0, 0), Rgb(DarkenColor(form->Brush().Color(), 60)));
    scribble();
    other->Perform(WM_KEYDOWN, VK_SPACE);
    EXPECT_NE(ClientPixel(*other, 0, 0), RGB(255, 0, 0)) << "a new press paints again";
    other->Perform(WM_KEYUP, VK_SPACE);

    TControlSubClass* object = SubClassOf(*style, check);
    ASSERT_NE(object, nullptr);
    check->Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(object->LeftButtonDown) << "the double click is a second press";
    check->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(object->LeftButtonDown);
}

TEST_F(ControlPaintTest, AnInactiveOwnerGivesTheControlBackAndTheControlStillAnswersTheMessage) {
    TFlatStyle idle(nullptr);  // never active
    const int before = idle.ComponentCount();
    auto* object = new TControlSubClass(&idle);
    TControl& control = *other;
    style->SetActive(false);
    harness::ProcessMessages();
    ASSERT_TRUE(object->Attach(control, &idle));
    EXPECT_FALSE((new TControlSubClass(&idle))->Attach(control, &idle)) << "one subclass per control";
    EXPECT_EQ(control.Perform(WM_GETTEXTLENGTH), 3) << "the control's own answer, not 1";
    EXPECT_FALSE(TControlSubClass::IsSubclassed(control));
    EXPECT_EQ(idle.ComponentCount(), before + 1) << "the object that was in front freed itself";
}

TEST_F(ControlPaintTest, SpeedButtonIsDrawnByThePainterAndAFlatOneChecksWhereTheMouseReallyIs) {
    auto* speed = new TSpeedButton(form.get());
    speed->SetBounds(300, 120, 40, 24);
    speed->SetFlat(false);
    speed->SetTransparent(false);
    speed->SetParent(form.get());
    style->SetActive(false);
    style->SetActive(true);
    if (!PointerAwayFromEdges(100))
        GTEST_SKIP() << "the pointer rests at the screen's edge, where the button cannot be put around it";
    if (!CentreAtPointer(*form, *speed, 0, 60)) GTEST_SKIP() << "the pointer does not come to rest";
    auto at = [&](int x, int y) { return ClientPixel(*form, speed->Left() + x, speed->Top() + y); };
    const COLORREF edgeLine = Rgb(DarkenColor(clBtnShadow, 50));
    EXPECT_EQ(at(0, 0), Rgb(LightenColor(clBtnShadow, 30))) << "a raised button's frame";
    EXPECT_EQ(at(3, 3), Rgb(S().SchemeIconBackColor));
    EXPECT_EQ(at(39, 5), edgeLine) << "raised lines";
    speed->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(at(0, 5), edgeLine) << "pressed lines";
    speed->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));

    speed->SetFlat(true);
    harness::PaintNow(*form);
    EXPECT_EQ(at(0, 0), Rgb(form->Brush().Color())) << "a flat idle button shows no frame";
    speed->Perform(CM_MOUSEENTER);  // the mouse is elsewhere
    EXPECT_EQ(at(1, 1), Rgb(form->Brush().Color()));
    EXPECT_FALSE(SubClassOf(*style, speed)->MouseInControl) << "no mouse-leave notice needed";
    if (!CentreAtPointer(*form, *speed)) GTEST_SKIP() << "the pointer does not come to rest";
    speed->Perform(CM_MOUSEENTER);
    EXPECT_EQ(at(3, 3), Rgb(S().SchemeSelectColor)) << "hot";
    EXPECT_EQ(at(0, 0), Rgb(S().SchemeSelectBorderColor));
}

TEST_F(ControlPaintTest, LookupComboIsDrawnOverItsWholeWindowInEachStateAndItsNonClientPaintIsSkipped) {
    const int w = GetSystemMetrics(SM_CXHTHUMB);
    const int cw = lookup->ClientWidth();
    const COLORREF sb = Rgb(S().SchemeSelectBorderColor);
    const COLORREF idleOuter = Rgb(DarkenColor(form->Brush().Color(), 60));
    const COLORREF idleBorder = Rgb(LightenColor(S().SchemeSelectBorderColor, 60));
    struct {
        const char* state;
        UINT message;  // what brings the state about
        bool raised;
        COLORREF outer, border, button, arrow;
    } cases[] = {
        {"idle", CM_TEXTCHANGED, false, idleOuter, idleBorder, Rgb(clBtnFace), Rgb(clBlack)},
        {"hot", CM_MOUSEENTER, true, sb, sb, Rgb(S().SchemeSelectColor), Rgb(clBlack)},
        {"focused", WM_SETFOCUS, true, idleOuter, idleBorder, Rgb(S().SchemeCheckBackColor), Rgb(clBlack)},
        {"dropped", CB_SHOWDROPDOWN, true, 0, sb, Rgb(S().SchemeCheckBackSelectColor), Rgb(clWhite)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        if (c.message == WM_SETFOCUS) {
            lookup->SetFocus();
            harness::ProcessUntil([&] { return lookup->Focused(); });
            lookup->Perform(CM_MOUSELEAVE);  // focus alone, without the hot look it brings
        } else if (c.message == CB_SHOWDROPDOWN) {
            SendMessageA(lookup->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
            lookup->Perform(CM_TEXTCHANGED);
        } else {
            lookup->Perform(c.message);
        }
        const int left = cw - w - 3 - (c.raised ? 1 : 0);  // the button's left edge
        if (c.message != CB_SHOWDROPDOWN) {
            EXPECT_EQ(WindowPixel(*lookup, 0, 6), c.outer) << "outer frame";
            EXPECT_EQ(WindowPixel(*lookup, lookup->Width() - 1, 6), c.outer) << "outer frame's right edge";
            EXPECT_EQ(WindowPixel(*lookup, cw - 4, lookup->Height() - 1), c.outer) << "its bottom under the button";
        }
        EXPECT_EQ(WindowPixel(*lookup, 1, 6), Rgb(lookup->Color())) << "inner frame";
        EXPECT_EQ(WindowPixel(*lookup, cw - 3, 4), c.border) << "the button's frame";
        EXPECT_EQ(WindowPixel(*lookup, left + 5, 4), c.border) << "the line at its inner side";
        EXPECT_EQ(WindowPixel(*lookup, left + 2, 4), Rgb(lookup->Color())) << "the strip";
        EXPECT_EQ(WindowPixel(*lookup, cw - 4, 4), c.button);
        EXPECT_EQ(WindowPixel(*lookup, cw - 9, 8), c.arrow) << "the arrow's first row, five wide";
        EXPECT_EQ(WindowPixel(*lookup, cw - 5, 8), c.arrow);
        EXPECT_EQ(WindowPixel(*lookup, cw - 4, 8), c.button);
        EXPECT_EQ(WindowPixel(*lookup, cw - 7, 10), c.arrow) << "its tip";
        if (c.message == CB_SHOWDROPDOWN) SendMessageA(lookup->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
    }
    EXPECT_FALSE(lookup->Ctl3D());
    const int own = lookup->OwnNcPaints;
    EXPECT_EQ(lookup->Perform(WM_NCPAINT, 1), 1);
    EXPECT_EQ(lookup->OwnNcPaints, own) << "its own procedure does not paint the frame";

    style->SetActive(false);
    lookup->Perform(WM_NULL);
    EXPECT_TRUE(lookup->Ctl3D()) << "the 3-D look comes back";
    lookup->Perform(WM_NCPAINT, 1);
    EXPECT_EQ(lookup->OwnNcPaints, own + 1);
}

TEST_F(ControlPaintTest, RichEditTradesItsBorderForAFrameOnItsParentAndAMarginOfAtLeastTwo) {
    EXPECT_EQ(rich->BorderStyle(), bsNone);
    EXPECT_EQ(rich->BorderWidth(), 2);
    EXPECT_EQ(WindowPixel(*rich, 1, 20), Rgb(rich->Color())) << "the margin";
    auto frame = [&] { return ClientPixel(*form, rich->Left() - 1, rich->Top() + 20); };
    const COLORREF idle = Rgb(DarkenColor(form->Brush().Color(), 60));
    EXPECT_EQ(frame(), idle);
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);  // the form alone
    harness::ProcessMessages();
    EXPECT_EQ(frame(), idle) << "the parent painting alone draws the frame again";
    rich->Perform(CM_MOUSEENTER);
    EXPECT_EQ(frame(), Rgb(LightenColor(S().SchemeSelectBorderColor, 60)));
    rich->Perform(CM_MOUSELEAVE);
    for (int width : {1, 3}) {
        rich->SetBorderWidth(width);
        rich->Perform(CM_TEXTCHANGED);
        EXPECT_EQ(rich->BorderWidth(), std::max(width, 2));
    }
    style->SetActive(false);
    rich->Perform(WM_NULL);
    EXPECT_EQ(rich->BorderStyle(), bsSingle);
    EXPECT_EQ(rich->BorderWidth(), 0) << "the margin it had before";
}

TEST_F(ControlPaintTest, ListOutlineFollowsTheBorderStyleItHadAndDeactivationGivesStyleAndCtl3DBack) {
    const TColor parent = form->Brush().Color();
    struct {
        TListBox* list;
        TBorderStyle style;
        COLORREF idle, hot;
    } cases[] = {
        {singleList, bsSingle, Rgb(DarkenColor(parent, 60)), Rgb(LightenColor(S().SchemeSelectBorderColor, 60))},
        {noneList, bsNone, Rgb(parent), Rgb(LightenColor(S().SchemeSelectBorderColor, 80))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.style == bsSingle ? "single" : "none");
        EXPECT_FALSE(c.list->Ctl3D());
        EXPECT_EQ(WindowPixel(*c.list, 0, 20), c.idle);
        c.list->Perform(CM_MOUSEENTER);
        EXPECT_EQ(WindowPixel(*c.list, 0, 20), c.hot);
        c.list->Perform(CM_MOUSELEAVE);
        SubClassOf(*style, c.list)->Recreating = true;  // a rebuild that the painter survives
        c.list->SetBorderStyle(c.style == bsSingle ? bsNone : bsSingle);
    }
    style->SetActive(false);
    for (const auto& c : cases) {
        c.list->Perform(WM_NULL);
        EXPECT_EQ(c.list->BorderStyle(), c.style);
        EXPECT_TRUE(c.list->Ctl3D());
    }
}

TEST_F(ControlPaintTest, ListViewAndTreeViewWithoutCtl3DShowTheFlatOutlineAndNoSunkenEdgeUnderIt) {
    TListView* view = nullptr;
    TShellTreeView* tree = nullptr;
    auto lists = std::make_unique<TLayoutForm>(nullptr, [&](TForm& f) {
        f.SetBounds(60, 60, 300, 200);
        view = new TListView(&f);
        view->SetBounds(10, 10, 120, 100);
        view->SetParent(&f);
        tree = new TShellTreeView(&f);
        tree->SetBounds(150, 10, 120, 100);
        tree->SetParent(&f);
        (new TFlatStyle(&f))->SetActive(true);
    });
    lists->Show();
    SetFocus(nullptr);  // the idle look
    harness::ProcessMessages();
    harness::PaintNow(*lists);
    for (TWinControl* list : {static_cast<TWinControl*>(view), static_cast<TWinControl*>(tree)}) {
        SCOPED_TRACE(list->ClassName());
        EXPECT_FALSE(list->Ctl3D());
        EXPECT_EQ(GetWindowLongA(list->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
        EXPECT_EQ(WindowPixel(*list, 0, 60), Rgb(DarkenColor(lists->Brush().Color(), 60))) << "the flat outline";
        EXPECT_EQ(WindowPixel(*list, 1, 60), Rgb(list->Color())) << "no 3-D edge inside it";
    }
}

}  // namespace
