// The flat style over every painted kind in every container: switched on and off, handed over between two
// styles, and styles and controls destroyed in either order.
#include <functional>
#include <memory>
#include <vector>

#include "appearance/ControlSubClass.h"
#include "appearance/FlatStyleManager.h"
#include "tests/appearance/AppearanceTestSupport.h"
#include "tests/appearance/FlatDemoForm.h"
#include "tests/support/ProgramWindows.h"
#include "tests/support/WindowPixels.h"
#include "toolkit/controls/CheckBox.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/RadioButton.h"
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

// Shows both forms page by page and calls check(i) for each windowed control i of theirs on the page shown.
void ForEachShown(TFlatDemoForm& styled, TFlatDemoForm& twin, const std::function<void(size_t)>& check) {
    for (int page = 0; page < styled.Pages(); ++page) {
        for (TFlatDemoForm* form : {&styled, &twin}) {
            form->ShowPage(page);
            harness::PaintNow(*form);
        }
        for (size_t i = 0; i < styled.Styled.size(); ++i) {
            auto* control = dynamic_cast<TWinControl*>(styled.Styled[i]);
            if (control != nullptr && IsWindowVisible(control->Handle())) check(i);
        }
    }
}

// Where a control lies in its parent's client area: the window itself for a windowed control.
RECT PlaceInParent(TControl& control) {
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    if (windowed == nullptr) return control.BoundsRect();
    RECT r{};
    GetWindowRect(windowed->Handle(), &r);
    MapWindowPoints(nullptr, control.Parent()->Handle(), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Every shown child of `parent`, and theirs, lies whole in its parent's client area and over no shown sibling.
void ExpectLaidOutApart(TWinControl& parent, int& shown) {
    RECT inside = parent.ClientRect();
    std::vector<std::pair<TControl*, RECT>> children;
    for (int i = 0; i < parent.ControlCount(); ++i) {
        TControl* child = parent.Controls(i);
        auto* windowed = dynamic_cast<TWinControl*>(child);
        if (!child->Visible() || (windowed && !IsWindowVisible(windowed->Handle()))) continue;
        ++shown;
        const RECT r = PlaceInParent(*child);
        SCOPED_TRACE(std::string(child->ClassName()) + " in " + parent.ClassName());
        EXPECT_TRUE(r.left >= inside.left && r.top >= inside.top && r.right <= inside.right && r.bottom <= inside.bottom)
            << r.left << "," << r.top << "," << r.right << "," << r.bottom << " not inside " << inside.right << "x"
            << inside.bottom;
        for (const auto& [other, o] : children) {
            RECT common{};
            EXPECT_FALSE(IntersectRect(&common, &r, &o))
                << "over " << other->ClassName() << " at " << o.left << "," << o.top << "," << o.right << "," << o.bottom;
        }
        children.emplace_back(child, r);
        if (windowed) ExpectLaidOutApart(*windowed, shown);
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

bool Shown(TControl& control) {
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    if (windowed != nullptr) return IsWindowVisible(windowed->Handle()) != FALSE;
    return control.Visible() && IsWindowVisible(control.Parent()->Handle());
}

TEST_F(FlatDemoTest, EachControlShowsWholeOnOnePageApartFromTheOthersWithTheTwinBesideOn1024x768) {
    auto styled = std::make_unique<TFlatDemoForm>(nullptr, true);
    auto twin = std::make_unique<TFlatDemoForm>(nullptr, false);
    EXPECT_LE(styled->Width() + twin->Width(), 1024);
    EXPECT_LE(styled->Height(), 768 - 40) << "room for a task bar";
    styled->Show();
    std::vector<int> pages(styled->Styled.size());
    for (int page = 0; page < styled->Pages(); ++page) {
        SCOPED_TRACE(page);
        styled->ShowPage(page);
        harness::PaintNow(*styled);
        int shown = 0;
        ExpectLaidOutApart(*styled, shown);
        EXPECT_GT(shown, 0);
        for (size_t i = 0; i < pages.size(); ++i) pages[i] += Shown(*styled->Styled[i]);
    }
    for (size_t i = 0; i < pages.size(); ++i) EXPECT_EQ(pages[i], 1) << styled->Styled[i]->ClassName() << " " << i;

    // Captions beside a box or a dot are not cut.
    for (TControl* control : styled->Styled) {
        auto* button = dynamic_cast<TWinControl*>(control);
        if (button == nullptr || !(control->Is<TCheckBox>() || control->Is<TRadioButton>())) continue;
        TWindowDC dc(button->Handle());
        TSelectObject font(dc.Get(), reinterpret_cast<HFONT>(SendMessageA(button->Handle(), WM_GETFONT, 0, 0)));
        SIZE text{};
        const std::string caption = button->Caption();
        GetTextExtentPoint32A(dc.Get(), caption.c_str(), static_cast<int>(caption.size()), &text);
        EXPECT_LE(GetSystemMetrics(SM_CXMENUCHECK) + 4 + text.cx, button->Width()) << caption;
    }
}

TEST(FlatDemoProgramTest, ClosingTheStyledFormEndsTheProgram) {
    TStartedProgram demo(std::string("\"") + QVL_FLAT_DEMO + "\"");
    ASSERT_TRUE(demo.Started());
    HWND styled = nullptr;
    const DWORD start = GetTickCount();
    while (styled == nullptr && demo.Running(20) && GetTickCount() - start < 60000)
        for (const auto& [window, caption] : VisibleWindowsOf(demo.Id()))
            if (caption == "Flat style") styled = window;
    ASSERT_NE(styled, nullptr);
    PostMessageA(styled, WM_CLOSE, 0, 0);
    EXPECT_FALSE(demo.Running(30000));
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
