// The dialog controls: state kept with and without a window, events raised by the right causes.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "tests/toolkit/DemoForm.h"
#include "tests/support/Harness.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/core/Exception.h"

namespace {

struct ControlsTest : ::testing::Test {
    void SetUp() override {
        harness::TestApplication();
        form = std::make_unique<TDemoForm>(nullptr);
    }
    harness::TClickCount clicks;
    std::unique_ptr<TDemoForm> form;
};

// Messages find their control by window: a window that was destroyed, recreated or never ours must not
// lead to a control (a stale one would be used after it is gone).
TEST_F(ControlsTest, WindowLookupFollowsCreationRecreationAndDestruction) {
    TEdit& edit = *form->Edit1;
    const HWND first = edit.Handle();
    EXPECT_EQ(TWinControl::FindControl(first), &edit);
    EXPECT_EQ(TWinControl::FindControl(form->Handle()), form.get());

    edit.RecreateWnd();
    const HWND second = edit.Handle();
    ASSERT_NE(second, first);
    EXPECT_EQ(TWinControl::FindControl(first), nullptr);
    EXPECT_EQ(TWinControl::FindControl(second), &edit);

    DestroyWindow(second);  // from outside the toolkit
    EXPECT_FALSE(edit.HandleAllocated());
    EXPECT_EQ(TWinControl::FindControl(second), nullptr);

    const HWND foreign = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, form->Handle(), nullptr,
                                         GetModuleHandleA(nullptr), nullptr);
    EXPECT_EQ(TWinControl::FindControl(foreign), nullptr);
    DestroyWindow(foreign);

    const HWND third = form->Edit2->Handle();
    delete form->Edit2;
    EXPECT_EQ(TWinControl::FindControl(third), nullptr);
}

TEST_F(ControlsTest, CheckBoxRaisesOnClickForEveryChangeByCodeOrUserButNotForNoChange) {
    TCheckBox& box = *form->CheckBox1;
    box.OnClick = MethodOf<&harness::TClickCount::Click>(&clicks);
    box.SetChecked(true);
    box.SetChecked(true);
    EXPECT_EQ(clicks.count, 1);
    form->Show();
    harness::ClickButton(box);
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(clicks.count, 2);
    EXPECT_EQ(SendMessageA(box.Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(ControlsTest, GrayedCheckBoxShowsIndeterminateAndAClickChecksIt) {
    TCheckBox& box = *form->CheckBox1;
    box.SetState(cbGrayed);
    EXPECT_FALSE(box.Checked());
    box.SetAlignment(taLeftJustify);
    form->Show();
    EXPECT_EQ(SendMessageA(box.Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    EXPECT_NE(GetWindowLongA(box.Handle(), GWL_STYLE) & BS_LEFTTEXT, 0) << "the caption left of the box";
    box.SetAlignment(taRightJustify);
    EXPECT_EQ(GetWindowLongA(box.Handle(), GWL_STYLE) & BS_LEFTTEXT, 0);
    const TCheckBoxState after[] = {cbChecked, cbUnchecked, cbChecked};
    for (TCheckBoxState expected : after) {
        harness::ClickButton(box);
        EXPECT_EQ(box.State(), expected);
        EXPECT_EQ(SendMessageA(box.Handle(), BM_GETCHECK, 0, 0), expected == cbChecked ? BST_CHECKED : BST_UNCHECKED);
    }
}

TEST_F(ControlsTest, PasswordCharacterMasksAndUnmasksTheWindow) {
    TEdit& edit = *form->Edit1;
    EXPECT_EQ(SendMessageA(edit.Handle(), EM_GETPASSWORDCHAR, 0, 0), '*');
    form->CheckBox1->SetChecked(true);  // the demo's handler shows the text
    EXPECT_EQ(SendMessageA(edit.Handle(), EM_GETPASSWORDCHAR, 0, 0), 0);
    EXPECT_EQ(SendMessageA(form->Edit2->Handle(), EM_GETPASSWORDCHAR, 0, 0), 0);
    EXPECT_EQ(edit.Text(), "secret");
}

TEST_F(ControlsTest, TypedTextAndOnChangeReachTheEdit) {
    form->Show();
    form->Edit2->OnChange = MethodOf<&harness::TClickCount::Click>(&clicks);
    harness::TypeText(*form->Edit2, "pw1");
    EXPECT_EQ(form->Edit2->Text(), "pw1");
    EXPECT_EQ(clicks.count, 3);
}

TEST_F(ControlsTest, ListItemsAndSelectionLiveWithoutAWindowAndMoveIntoIt) {
    TListBox& list = *form->ListBox1;
    EXPECT_FALSE(list.HandleAllocated());
    list.SetItemIndex(2);
    list.Items().Insert(0, "first.txt");
    EXPECT_EQ(list.ItemIndex(), 3);
    list.SetItemIndex(7);
    EXPECT_EQ(list.ItemIndex(), -1);
    list.SetItemIndex(1);
    list.HandleNeeded();
    EXPECT_EQ(SendMessageA(list.Handle(), LB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(list.ItemIndex(), 1);
    list.Items().Delete(0);
    EXPECT_EQ(SendMessageA(list.Handle(), LB_GETCOUNT, 0, 0), 3);
    list.Items().Clear();
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_THROW(list.Items().Strings(0), Exception);
    EXPECT_THROW(list.Items().Insert(5, "x"), Exception);
}

TEST_F(ControlsTest, ComboOnChangeFollowsTheUserNotTheCode) {
    TComboBox& combo = *form->ComboBox1;
    combo.OnChange = MethodOf<&harness::TClickCount::Click>(&clicks);
    combo.SetItemIndex(2);
    EXPECT_EQ(clicks.count, 0);
    EXPECT_EQ(combo.Text(), "Steganography - Hide in the carrier");
    SendMessageA(combo.Handle(), CB_SETCURSEL, 0, 0);
    SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo.Handle()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo.Handle()));
    EXPECT_EQ(clicks.count, 1);
    EXPECT_EQ(combo.ItemIndex(), 0);
    EXPECT_FALSE(combo.DroppedDown());
}

TEST_F(ControlsTest, ProgressPositionStaysInsideTheRange) {
    TProgressBar& bar = *form->ProgressBar1;
    const struct { int set, expected; } cases[] = {{50, 50}, {150, 100}, {-3, 0}};
    for (const auto& c : cases) {
        bar.SetPosition(c.set);
        EXPECT_EQ(bar.Position(), c.expected);
        EXPECT_EQ(SendMessageA(bar.Handle(), PBM_GETPOS, 0, 0), c.expected);
    }
}

TEST_F(ControlsTest, AutoSizedLabelFollowsItsCaptionAndFixedOneKeepsItsWidth) {
    TLabel& label = *form->Label1;
    int shortWidth = label.Width();
    label.SetCaption("Encryption mode: a much longer caption");
    EXPECT_GT(label.Width(), shortWidth);
    EXPECT_GT(label.Height(), 0);
    form->Label5->SetCaption("1/1: x");
    EXPECT_EQ(form->Label5->Width(), 361);
}

// Whether two bitmaps of the same size hold the same pixels.
bool SamePixels(TBitmap& a, TBitmap& b) {
    for (int x = 0; x < a.Width(); ++x)
        for (int y = 0; y < a.Height(); ++y)
            if (a.Canvas().Pixel(x, y) != b.Canvas().Pixel(x, y)) return false;
    return true;
}

TEST_F(ControlsTest, AutoSizedLabelPaintsItsWholeCaptionInTheFontItWasSizedWith) {
    for (int height : {-11, -13, -15}) {
        form->Font().SetHeight(height);  // after the captions were set: the labels follow through the group box
        for (TLabel* label : {form->Label2, form->Label3, form->Label4}) {
            EXPECT_EQ(label->Font().Height(), height);
            TBitmap painted, expected;
            for (TBitmap* b : {&painted, &expected}) {
                b->SetSize(label->Width() + 20, label->Height() + 4);
                b->Canvas().Font().Assign(label->Font());
                b->Canvas().Brush().SetStyle(bsClear);
            }
            EXPECT_EQ(label->Width(), expected.Canvas().TextWidth(label->Caption())) << label->Caption();
            EXPECT_EQ(label->Height(), expected.Canvas().TextHeight(label->Caption()));
            label->Perform(WM_PAINT, reinterpret_cast<WPARAM>(painted.Canvas().Handle()));
            expected.Canvas().TextOut(0, 0, label->Caption());
            EXPECT_TRUE(SamePixels(painted, expected)) << label->Caption() << " at " << height;
        }
    }
}

TEST_F(ControlsTest, LabelTakesOneLinePerLineBreak) {
    TLabel& label = *form->Label1;
    label.SetCaption("one");
    const int line = label.Height();
    const struct { const char* caption; int lines; } cases[] = {
        {"one\ntwo", 2}, {"one\r\ntwo", 2}, {"one\rtwo\nthree", 3}, {"", 1}};
    for (const auto& c : cases) {
        label.SetCaption(c.caption);
        EXPECT_EQ(label.Height(), line * c.lines) << c.caption;
    }
    EXPECT_EQ(label.Width(), 0);
}

TEST_F(ControlsTest, ChildrenFollowTheParentsFontAndColourUntilGivenTheirOwn) {
    form->Font().SetHeight(-15);
    EXPECT_EQ(form->Edit1->Font().Height(), -15);  // through the group box
    form->Edit3->Font().SetName("Arial");
    form->Font().SetHeight(-11);
    EXPECT_EQ(form->Edit3->Font().Height(), -15);
    EXPECT_EQ(form->Edit1->Font().Height(), -11);
    form->GroupBox1->SetColor(clYellow);
    EXPECT_EQ(form->CheckBox1->Color(), clYellow);
    EXPECT_EQ(form->Edit1->Color(), clWindow);
}

TEST_F(ControlsTest, DemoFormShowsEveryControlWithoutError) {
    form->Show();
    harness::ProcessMessages();
    for (int i = 0; i < form->ControlCount(); ++i) {
        if (auto* windowed = dynamic_cast<TWinControl*>(form->Controls(i))) {
            EXPECT_TRUE(IsWindowVisible(windowed->Handle()));
        }
    }
    EXPECT_EQ(form->ClientWidth(), 381);
}

}  // namespace
