// The toolkit's control notifications: each is sent once when its cause happens.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

#include "tests/support/Harness.h"
#include "toolkit/forms/PlaceControl.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/GroupBox.h"

namespace {

struct Counter {
    TWndMethod saved;
    std::map<UINT, int> counts;
    std::map<UINT, WPARAM> lastWParam;
    void Proc(TMessage& m) {
        ++counts[m.Msg];
        lastWParam[m.Msg] = m.WParam;
        saved(m);
    }
};

struct NotificationTest : ::testing::Test {
    void SetUp() override {
        harness::TestApplication();
        form = std::make_unique<TForm>(nullptr);
        box = PlaceControl<TGroupBox>(form.get(), form.get(), 8, 8, 200, 100);
        watched = PlaceControl<TEdit>(form.get(), box, 10, 20, 100, 21);
        other = PlaceControl<TEdit>(form.get(), form.get(), 8, 120, 100, 21);
        form->Show();
        harness::ProcessMessages();
        counter.saved = watched->WindowProc;
        watched->WindowProc = MethodOf<&Counter::Proc>(&counter);
    }
    void TearDown() override { watched->WindowProc = counter.saved; }

    std::unique_ptr<TForm> form;
    TGroupBox* box = nullptr;
    TEdit* watched = nullptr;
    TEdit* other = nullptr;
    Counter counter;
};

TEST_F(NotificationTest, EachCauseSendsItsNotificationOnce) {
    const struct {
        const char* cause;
        std::function<void(NotificationTest&)> act;
        UINT notification;
    } cases[] = {
        {"focus arrives", [](NotificationTest& t) { t.watched->SetFocus(); }, CM_FOCUSCHANGED},
        {"focus leaves", [](NotificationTest& t) { t.other->SetFocus(); }, CM_EXIT},
        {"parent colour", [](NotificationTest& t) { t.box->SetColor(clRed); }, CM_PARENTCOLORCHANGED},
        {"disabled", [](NotificationTest& t) { t.watched->SetEnabled(false); }, CM_ENABLEDCHANGED},
        {"own 3-D look", [](NotificationTest& t) { t.watched->SetCtl3D(false); }, CM_CTL3DCHANGED},
        {"parent 3-D look", [](NotificationTest& t) { t.box->SetCtl3D(false); }, CM_PARENTCTL3DCHANGED},
        {"text", [](NotificationTest& t) { t.watched->SetText("new text"); }, CM_TEXTCHANGED},
        {"invalidate", [](NotificationTest& t) { t.watched->Invalidate(); }, CM_INVALIDATE},
        {"mouse enters",
         [](NotificationTest& t) {
             SendMessageA(t.watched->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
             SendMessageA(t.watched->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(6, 5));
         },
         CM_MOUSEENTER},
        {"mouse leaves",
         [](NotificationTest& t) {
             SendMessageA(t.watched->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
             SendMessageA(t.other->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
         },
         CM_MOUSELEAVE},
    };
    other->SetFocus();
    for (const auto& c : cases) {
        counter.counts.clear();
        c.act(*this);
        harness::ProcessMessages();
        EXPECT_EQ(counter.counts[c.notification], 1) << c.cause;
    }
}

TEST_F(NotificationTest, EnabledChangeTellsTheNewState) {
    watched->SetEnabled(false);
    EXPECT_EQ(counter.lastWParam[CM_ENABLEDCHANGED], 0u);
    watched->SetEnabled(true);
    EXPECT_EQ(counter.lastWParam[CM_ENABLEDCHANGED], 1u);
}

TEST_F(NotificationTest, FocusChangeReachesEveryControlOfTheForm) {
    Counter boxCounter;
    boxCounter.saved = box->WindowProc;
    box->WindowProc = MethodOf<&Counter::Proc>(&boxCounter);
    other->SetFocus();
    watched->SetFocus();
    box->WindowProc = boxCounter.saved;
    EXPECT_EQ(boxCounter.counts[CM_FOCUSCHANGED], 2);
    EXPECT_EQ(form->ActiveControl(), watched);
}

TEST_F(NotificationTest, ChildWindowDestructionAndCreationAreReflectedToTheChild) {
    counter.counts.clear();
    watched->RecreateWnd();
    EXPECT_EQ(counter.counts[CN_PARENTNOTIFY], 2);  // the old window goes, the new one comes
}

}  // namespace
