// TAltKeyFix: inert off themed Windows 6+, tracks every form at idle passes, repaints once per keyboard-cue change,
// and leaves no tracker or link behind when forms or the component go.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "appearance/AltKeyFix.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/Harness.h"
#include "toolkit/controls/BitBtn.h"
#include "toolkit/controls/CheckBox.h"
#include "toolkit/controls/GroupBox.h"
#include "toolkit/controls/Label.h"

namespace {

// Notes, in order, which controls paint.
struct TPaintLog {
    std::string order;
    struct TLink {
        TPaintLog* log;
        char name;
        TWindowProcHook hook;
        TLink(TPaintLog* l, char n) : log(l), name(n) {}
        void Proc(TMessage& m) {
            if (m.Msg == WM_PAINT) log->order += name;
            if (m.Msg == WM_USER + 9) {
                m.Result = 1234;
                return;
            }
            hook.CallSaved(m);
        }
    };
    std::vector<std::unique_ptr<TLink>> links;
    void Watch(TControl& control, char name) {
        links.push_back(std::make_unique<TLink>(this, name));
        links.back()->hook.Hook(control, MethodOf<&TLink::Proc>(links.back().get()));
    }
};

struct AltKeyFixTest : ::testing::Test {
    void SetUp() override {
        harness::TestApplication();
        form = std::make_unique<TForm>(nullptr);
        group = new TGroupBox(form.get());
        group->SetParent(form.get());
        group->SetBounds(0, 0, 150, 100);
        check = new TCheckBox(group);
        check->SetParent(group);
        check->SetTop(20);
        bitBtn = new TBitBtn(form.get());
        bitBtn->SetParent(form.get());
        bitBtn->SetLeft(160);
        auto* label = new TLabel(form.get());  // no window: painted with its parent
        label->SetParent(form.get());
        form->Show();
        harness::ProcessMessages();
        log.Watch(*form, 'f');
        log.Watch(*group, 'g');
        log.Watch(*check, 'c');
        log.Watch(*bitBtn, 'b');
    }
    void TearDown() override { form.reset(); }
    void Idle() { Application->Idle(); }
    std::string RepaintAfterCueChange(TForm& which) {
        SendMessageA(which.Handle(), WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL), 0);
        harness::ProcessMessages();
        log.order.clear();
        Idle();
        return log.order;
    }
    TFakePlatform platform;
    TScopedPlatformInfo scope{platform};
    TPaintLog log;
    std::unique_ptr<TForm> form;
    TGroupBox* group = nullptr;
    TCheckBox* check = nullptr;
    TBitBtn* bitBtn = nullptr;
};

TEST_F(AltKeyFixTest, StaysInertBelowVersionSixWithoutThemesWhenTheVersionCallFailsOrOnAFormBeingDesigned) {
    struct {
        DWORD major;
        bool themes;
        bool versionWorks;
    } cases[] = {{5, true, true}, {6, false, true}, {10, true, false}};
    for (const auto& c : cases) {
        platform.major = c.major;
        platform.themes = c.themes;
        platform.versionWorks = c.versionWorks;
        TWndMethod before = form->WindowProc;
        auto fix = std::make_unique<TAltKeyFix>(form.get());
        EXPECT_TRUE(fix->Inert()) << c.major;
        Idle();
        EXPECT_TRUE(fix->Trackers().empty());
        EXPECT_TRUE(form->WindowProc == before);
        fix.reset();
    }
    platform.major = 10;
    platform.themes = true;
    platform.versionWorks = true;
    TAltKeyFix active(nullptr);
    EXPECT_FALSE(active.Inert());
    form->SetDesigning(true);
    TAltKeyFix designed(form.get());
    EXPECT_TRUE(designed.Inert());
    form->SetDesigning(false);
}

TEST_F(AltKeyFixTest, FirstIdlePassTracksEveryFormWithoutRepaintingAndACueChangeRepaintsOnceParentsFirst) {
    TAltKeyFix fix(form.get());
    SendMessageA(form->Handle(), WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL), 0);  // before tracking
    log.order.clear();
    Idle();
    ASSERT_EQ(fix.Trackers().size(), 1u);
    EXPECT_EQ(log.order, "") << "tracking starts without a repaint";
    EXPECT_EQ(RepaintAfterCueChange(*form), "fgcb");
    log.order.clear();
    Idle();
    EXPECT_EQ(log.order, "") << "one repaint per change";

    SendMessageA(form->Handle(), WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
    EXPECT_EQ(RepaintAfterCueChange(*form), "fgcb") << "two changes before one idle pass: one repaint";
    SendMessageA(form->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("other"));
    log.order.clear();
    Idle();
    EXPECT_EQ(log.order, "");
    EXPECT_EQ(SendMessageA(form->Handle(), WM_USER + 9, 0, 0), 1234) << "the previous procedure's result passes";
}

TEST_F(AltKeyFixTest, ButtonsOnlyModeRepaintsPlainButtonsAndNotBitmapButtons) {
    TAltKeyFix fix(form.get());
    fix.RepaintAll = false;
    Idle();
    EXPECT_EQ(RepaintAfterCueChange(*form), "c");
}

TEST_F(AltKeyFixTest, DialogCreatedLaterIsTrackedAndFormsThatGoLeaveNoTracker) {
    TAltKeyFix fix(form.get());
    Idle();
    auto dialog = std::make_unique<TForm>(nullptr);
    dialog->Show();
    harness::ProcessMessages();
    Idle();
    ASSERT_EQ(fix.Trackers().size(), 2u);
    EXPECT_EQ(fix.Trackers()[1]->TrackedForm(), dialog.get());
    log.Watch(*dialog, 'd');
    EXPECT_EQ(RepaintAfterCueChange(*dialog), "d");
    dialog.reset();
    Idle();
    ASSERT_EQ(fix.Trackers().size(), 1u);
    EXPECT_EQ(fix.Trackers()[0]->TrackedForm(), form.get());
}

TEST_F(AltKeyFixTest, ComponentGoingBeforeItsFormsGivesThemTheirProceduresBack) {
    auto dialog = std::make_unique<TForm>(nullptr);
    TWndMethod dialogOwn = dialog->WindowProc;
    auto fix = std::make_unique<TAltKeyFix>(form.get());
    Idle();
    fix.reset();
    EXPECT_TRUE(dialog->WindowProc == dialogOwn);
    EXPECT_EQ(SendMessageA(form->Handle(), WM_USER + 9, 0, 0), 1234);
    SendMessageA(form->Handle(), WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL), 0);
    Idle();
    // And a component on the form that goes with it: trackers unhook while the form's controls still exist.
    new TAltKeyFix(form.get());
    Idle();
    form.reset();
    Idle();
}

}  // namespace
