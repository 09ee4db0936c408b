// The flat style over every painted kind in every container: switched on and off, handed over between two
// styles, and styles and controls destroyed in either order.
#include <memory>
#include <vector>

#include "appearance/ControlSubClass.h"
#include "appearance/FlatStyleManager.h"
#include "tests/appearance/AppearanceTestSupport.h"
#include "tests/appearance/FlatDemoForm.h"
#include "tests/toolkit/WindowPixels.h"
#include "toolkit/controls/Edit.h"
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

TEST_F(FlatDemoTest, SwitchingTheStyleOffGivesEveryControlItsOwnLookProcedureAndBorderBack) {
    auto styled = std::make_unique<TFlatDemoForm>(nullptr, true);
    auto twin = std::make_unique<TFlatDemoForm>(nullptr, false);
    ASSERT_EQ(styled->Styled.size(), twin->Styled.size());
    for (TControl* control : styled->Styled) EXPECT_TRUE(TControlSubClass::IsSubclassed(*control)) << control->ClassName();
    styled->Show();
    twin->Show();
    harness::PaintNow(*styled);
    harness::PaintNow(*twin);
    int differing = 0;
    for (size_t i = 0; i < styled->Styled.size(); ++i) {
        auto* own = dynamic_cast<TWinControl*>(styled->Styled[i]);
        if (own != nullptr) differing += WindowBits(*own) != WindowBits(static_cast<TWinControl&>(*twin->Styled[i]));
    }
    EXPECT_GT(differing, static_cast<int>(styled->Styled.size()) / 2) << "styled controls look flat";

    styled->Style->SetActive(false);
    SetFocus(nullptr);  // neither form shows a focused control
    harness::ProcessMessages();
    harness::PaintNow(*styled);
    harness::PaintNow(*twin);
    for (size_t i = 0; i < styled->Styled.size(); ++i) {
        TControl* control = styled->Styled[i];
        TControl* other = twin->Styled[i];
        SCOPED_TRACE(std::string(control->ClassName()) + " in " + control->Parent()->ClassName());
        EXPECT_FALSE(TControlSubClass::IsSubclassed(*control));
        EXPECT_EQ(control->WindowProc.Code(), other->WindowProc.Code()) << "its own window procedure";
        EXPECT_EQ(control->WindowProc.Data(), control);
        if (auto* edit = dynamic_cast<TEdit*>(control)) {
            EXPECT_TRUE(edit->Ctl3D());
            EXPECT_EQ(edit->BorderStyle(), static_cast<TEdit*>(other)->BorderStyle());
        }
        if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
            EXPECT_TRUE(windowed->Ctl3D());
            EXPECT_TRUE(WindowBits(*windowed) == WindowBits(static_cast<TWinControl&>(*other))) << "own look";
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
