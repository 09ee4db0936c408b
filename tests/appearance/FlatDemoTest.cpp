// The flat style over every painted kind in every container: switched on and off, handed over between two
// styles, and styles and controls destroyed in either order.
#include <functional>
#include <memory>
#include <vector>

#include "appearance/ControlSubClass.h"
#include "appearance/FlatStyleManager.h"
#include "tests/appearance/AppearanceTestSupport.h"
#include "tests/appearance/FlatDemoForm.h"
#include "tests/support/WindowPixels.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/ListView.h"
#include "toolkit/system/WinGuards.h"

namespace {

using harness::WindowBits;

int LiveSubClasses(TFlatStyle& style) {
    int n = 0;
    for (int i = 0; i < style.ComponentCount(); ++i)
        if (auto* object = dynamic_cast<TControlSubClass*>(style.Components(i)); object && object->Control()) ++n;
    return n;
}

struct FlatDemoTest : ::testing::Test {
    void SetUp() override { harness::TestApplication(); }
    void TearDown() override { EXPECT_EQ(FlatStyleManager, nullptr); }
};

// Paints both forms at one place and calls check(i) for each windowed control i of theirs once it lies wholly
// on the screen; the forms move up half a screen at a time, so a screen smaller than the forms shows every one.
void ForEachShown(TFlatDemoForm& styled, TFlatDemoForm& twin, const std::function<void(size_t)>& check) {
    const int screen = GetSystemMetrics(SM_CYSCREEN);
    std::vector<bool> seen(styled.Styled.size());
    for (int top = 0;; top -= screen / 2) {
        for (TForm* form : {static_cast<TForm*>(&styled), static_cast<TForm*>(&twin)}) {
            form->SetBounds(0, top, form->Width(), form->Height());
            harness::PaintNow(*form);
        }
        for (size_t i = 0; i < styled.Styled.size(); ++i) {
            auto* control = dynamic_cast<TWinControl*>(styled.Styled[i]);
            RECT r{};
            if (seen[i] || control == nullptr || !GetWindowRect(control->Handle(), &r)) continue;
            if (r.top < 0 || r.bottom > screen) continue;
            seen[i] = true;
            check(i);
        }
        if (top + styled.Height() <= screen) break;
    }
}

TEST_F(FlatDemoTest, SwitchingTheStyleOffGivesEveryControlItsOwnLookProcedureAndBorderBack) {
    auto styled = std::make_unique<TFlatDemoForm>(nullptr, true);
    auto twin = std::make_unique<TFlatDemoForm>(nullptr, false);
    ASSERT_EQ(styled->Styled.size(), twin->Styled.size());
    for (TControl* control : styled->Styled) EXPECT_TRUE(TControlSubClass::IsSubclassed(*control)) << control->ClassName();
    styled->Show();
    twin->Show();
    auto bits = [&](TFlatDemoForm& form, size_t i) { return WindowBits(static_cast<TWinControl&>(*form.Styled[i])); };
    int windowed = 0;
    int differing = 0;
    ForEachShown(*styled, *twin, [&](size_t i) {
        ++windowed;
        differing += bits(*styled, i) != bits(*twin, i);
    });
    EXPECT_GT(differing, windowed / 2) << "styled controls look flat";

    styled->Style->SetActive(false);
    SetFocus(nullptr);  // neither form shows a focused control
    harness::ProcessMessages();
    ForEachShown(*styled, *twin, [&](size_t i) {
        TControl* control = styled->Styled[i];
        SCOPED_TRACE(std::string(control->ClassName()) + " in " + control->Parent()->ClassName());
        EXPECT_TRUE(static_cast<TWinControl*>(control)->Ctl3D());
        // Wine's themed list view draws the sunken edge it gets back in another state colour than a fresh one.
        if (!control->Is<TListView>()) {
            EXPECT_TRUE(bits(*styled, i) == bits(*twin, i)) << "own look";
        }
    });
    for (size_t i = 0; i < styled->Styled.size(); ++i) {
        TControl* control = styled->Styled[i];
        TControl* other = twin->Styled[i];
        SCOPED_TRACE(std::string(control->ClassName()) + " in " + control->Parent()->ClassName());
        control->Perform(WM_NULL);  // the next message of a control that a small screen never showed
        EXPECT_FALSE(TControlSubClass::IsSubclassed(*control));
        EXPECT_EQ(control->WindowProc.Code(), other->WindowProc.Code()) << "its own window procedure";
        EXPECT_EQ(control->WindowProc.Data(), control);
        if (auto* edit = dynamic_cast<TEdit*>(control)) {
            EXPECT_EQ(edit->BorderStyle(), static_cast<TEdit*>(other)->BorderStyle());
        }
    }
    EXPECT_EQ(LiveSubClasses(*styled->Style), 0);

    styled->Style->SetActive(true);  // the walk subclasses them again
    for (TControl* control : styled->Styled) EXPECT_TRUE(TControlSubClass::IsSubclassed(*control));
}

// A form that holds nothing but an active style of its own, registered active.
std::unique_ptr<TForm> StyleForm(TFlatStyle*& style) {
    return std::make_unique<TLayoutForm>(nullptr, [&](TForm& f) {
        style = new TFlatStyle(&f);
        style->SetActive(true);
    });
}

TEST_F(FlatDemoTest, HandOverMovesThePaintersOfAnAdoptedFormAndEitherDestructionOrderLeavesNothingBehind) {
    for (bool controlsFirst : {false, true}) {
        SCOPED_TRACE(controlsFirst ? "controls go first" : "styles go first");
        auto demo = std::make_unique<TFlatDemoForm>(nullptr, false);
        TFlatStyle *leader = nullptr, *successor = nullptr;
        auto leaderForm = StyleForm(leader);
        auto successorForm = StyleForm(successor);
        ASSERT_EQ(FlatStyleManager->ActiveFlatStyle(), leader);
        SendMessageA(Application->Handle(), WM_NULL, 0, 0);  // the manager adopts the demo form
        for (TControl* control : demo->Styled) ASSERT_NE(SubClassOf(*leader, control), nullptr);
        demo->Show();
        harness::PaintNow(*demo);

        leaderForm.reset();  // hand-over: the painters move to the successor
        ASSERT_EQ(FlatStyleManager->ActiveFlatStyle(), successor);
        for (TControl* control : demo->Styled) {
            EXPECT_NE(SubClassOf(*successor, control), nullptr) << control->ClassName();
            EXPECT_TRUE(TControlSubClass::IsSubclassed(*control));
        }
        harness::PaintNow(*demo);  // the moved painters work

        if (controlsFirst) {
            demo.reset();
            EXPECT_EQ(LiveSubClasses(*successor), 0) << "no painter holds a control that went";
            successorForm.reset();
        } else {
            successorForm.reset();
            for (TControl* control : demo->Styled) {
                EXPECT_FALSE(TControlSubClass::IsSubclassed(*control)) << control->ClassName();
                EXPECT_EQ(control->WindowProc.Data(), control);
            }
            harness::PaintNow(*demo);
            demo->Styled[1]->SetText("still works");
            EXPECT_EQ(demo->Styled[1]->Text(), "still works");
            demo.reset();
        }
    }
}

TEST_F(FlatDemoTest, ControlDestroyedWhileSubclassedOrRebuiltKeepsNoOrItsPainter) {
    auto demo = std::make_unique<TFlatDemoForm>(nullptr, true);
    demo->Show();
    harness::PaintNow(*demo);
    TFlatStyle& style = *demo->Style;
    auto* edit = dynamic_cast<TEdit*>(demo->Styled[1]);
    ASSERT_NE(edit, nullptr);
    edit->SetCtl3D(true);  // rebuilt: the painter stays with it
    edit->SetBorderStyle(bsSingle);
    HWND before = edit->Handle();
    edit->SetCtl3D(!edit->Ctl3D());
    EXPECT_NE(edit->Handle(), before);
    EXPECT_TRUE(TControlSubClass::IsSubclassed(*edit));

    const int live = LiveSubClasses(style);
    for (TControl* control : {demo->Styled[0], demo->Styled[4], demo->Styled[13]}) delete control;
    EXPECT_EQ(LiveSubClasses(style), live - 3);
    harness::PaintNow(*demo);
    demo.reset();
}

}  // namespace
