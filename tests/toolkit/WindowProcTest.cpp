// Replaceable window procedures: a replacement sees every message, survives window re-creation, and can be undone.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "tests/support/Harness.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/Edit.h"

namespace {

// Stands in for a painter that takes over a control's window procedure.
struct Interceptor {
    TWndMethod saved;
    std::vector<UINT> seen;
    bool swallowSetText = false;
    void Proc(TMessage& m) {
        seen.push_back(m.Msg);
        if (swallowSetText && m.Msg == WM_SETTEXT) {
            m.Result = TRUE;
            return;
        }
        saved(m);
    }
    bool Saw(UINT message) const { return std::find(seen.begin(), seen.end(), message) != seen.end(); }
};

struct WindowProcTest : ::testing::Test {
    void SetUp() override {
        harness::TestApplication();
        form = std::make_unique<TForm>(nullptr);
        edit = new TEdit(form.get());
        edit->SetParent(form.get());
        button = new TButton(form.get());
        button->SetParent(form.get());
        button->SetTop(40);
        form->HandleNeeded();
    }
    void Intercept(TControl& control) {
        hook.saved = control.WindowProc;
        control.WindowProc = MethodOf<&Interceptor::Proc>(&hook);
    }
    Interceptor hook;  // outlives the form, whose controls may still call it while going
    std::unique_ptr<TForm> form;
    TEdit* edit = nullptr;
    TButton* button = nullptr;
};

TEST_F(WindowProcTest, ReplacementSeesSentPostedAndPerformedMessages) {
    Intercept(*edit);
    SendMessageA(edit->Handle(), WM_USER + 1, 0, 0);
    PostMessageA(edit->Handle(), WM_USER + 2, 0, 0);
    harness::ProcessMessages();
    edit->Perform(WM_USER + 3);
    for (UINT m : {WM_USER + 1, WM_USER + 2, WM_USER + 3}) EXPECT_TRUE(hook.Saw(m)) << m;
}

TEST_F(WindowProcTest, SwallowedMessageHasNoEffectUntilTheSavedProcedureIsRestored) {
    Intercept(*edit);
    hook.swallowSetText = true;
    edit->SetText("blocked");
    EXPECT_EQ(edit->Text(), "");
    edit->WindowProc = hook.saved;
    hook.seen.clear();
    edit->SetText("passes");
    EXPECT_EQ(edit->Text(), "passes");
    EXPECT_TRUE(hook.seen.empty());
}

TEST_F(WindowProcTest, ReflectedClickReachesTheButtonsReplacementAndItsHandler) {
    struct Clicks {
        int count = 0;
        void Click(TComponent*) { ++count; }
    } clicks;
    button->OnClick = MethodOf<&Clicks::Click>(&clicks);
    Intercept(*button);
    harness::ClickButton(*button);
    EXPECT_TRUE(hook.Saw(CN_COMMAND));
    EXPECT_EQ(clicks.count, 1);
}

TEST_F(WindowProcTest, ReplacementSurvivesRecreationAndSeesTheWindowGo) {
    edit->SetText("kept");
    Intercept(*edit);
    HWND before = edit->Handle();
    edit->SetCtl3D(false);  // the border changes: a new window
    EXPECT_NE(edit->Handle(), before);
    EXPECT_EQ(edit->Text(), "kept");
    auto getModify = std::find(hook.seen.begin(), hook.seen.end(), static_cast<UINT>(EM_GETMODIFY));
    auto destroy = std::find(hook.seen.begin(), hook.seen.end(), static_cast<UINT>(WM_DESTROY));
    EXPECT_TRUE(getModify < destroy && destroy != hook.seen.end());
    hook.seen.clear();
    SendMessageA(edit->Handle(), WM_USER + 7, 0, 0);
    EXPECT_TRUE(hook.Saw(WM_USER + 7));
}

}  // namespace
