// Replaceable window procedures: a replacement sees every message, survives window re-creation, and can be undone;
// in chains of them every link sees messages while hooked, and leaving from any place in any order leaves no link
// pointing at a procedure that is gone.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/Harness.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/WindowProcHook.h"
#include "toolkit/menus/Menus.h"

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
    harness::TClickCount clicks;
    button->OnClick = MethodOf<&harness::TClickCount::Click>(&clicks);
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

// A link that records, into a shared trace, the order in which messages pass it.
struct TTracingLink {
    TTracingLink(char n, std::string* t) : name(n), trace(t) {}
    char name;
    std::string* trace;
    TWindowProcHook hook;
    void Proc(TMessage& m) {
        if (m.Msg == WM_USER + 50) *trace += name;
        hook.CallSaved(m);
    }
};

struct WindowProcHookTest : WindowProcTest {
    void SetUp() override {
        WindowProcTest::SetUp();
        own = edit->WindowProc;
    }
    std::string Pass() {
        trace.clear();
        SendMessageA(edit->Handle(), WM_USER + 50, 0, 0);
        edit->Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("reaches the edit"));
        return trace;
    }
    std::string trace;
    TWndMethod own;
};

TEST_F(WindowProcHookTest, LinksLeavingInEveryOrderKeepTheRestOfTheChainWhole) {
    // Every order of unhooking three links: after each step the remaining ones still run, latest first,
    // and the control's own procedure still gets the message.
    std::array<int, 3> order{0, 1, 2};
    do {
        std::vector<std::unique_ptr<TTracingLink>> links;
        for (char name : {'a', 'b', 'c'}) {
            links.push_back(std::make_unique<TTracingLink>(name, &trace));
            links.back()->hook.Hook(*edit, MethodOf<&TTracingLink::Proc>(links.back().get()));
        }
        EXPECT_EQ(Pass(), "cba");
        std::string expected = "cba";
        for (int index : order) {
            links[static_cast<size_t>(index)]->hook.Unhook();
            expected.erase(std::remove(expected.begin(), expected.end(), "abc"[index]), expected.end());
            edit->SetText("");
            EXPECT_EQ(Pass(), expected) << order[0] << order[1] << order[2];
            EXPECT_EQ(edit->Text(), "reaches the edit");
        }
        EXPECT_TRUE(edit->WindowProc == own);
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST_F(WindowProcHookTest, DestroyedLinkInTheMiddleIsSkippedAndTheControlGoingFirstLeavesLinksInert) {
    auto lower = std::make_unique<TTracingLink>('l', &trace);
    lower->hook.Hook(*edit, MethodOf<&TTracingLink::Proc>(lower.get()));
    auto middle = std::make_unique<TTracingLink>('m', &trace);
    middle->hook.Hook(*edit, MethodOf<&TTracingLink::Proc>(middle.get()));
    TTracingLink upper('u', &trace);
    upper.hook.Hook(*edit, MethodOf<&TTracingLink::Proc>(&upper));
    middle.reset();
    EXPECT_EQ(Pass(), "ul");
    form.reset();  // the edit goes with its form while two links still hold it
    EXPECT_FALSE(upper.hook.Hooked());
    EXPECT_FALSE(lower->hook.Hooked());
    lower.reset();  // unhooking an inert link touches nothing
}

TEST_F(WindowProcHookTest, MainMenuFreedUnderALaterLinkStillLeavesTheFormsProcedureReachable) {
    TWndMethod formOwn = form->WindowProc;
    auto* menu = new TMainMenu(form.get());
    menu->AttachTo(form.get());
    TTracingLink later('x', &trace);
    later.hook.Hook(*form, MethodOf<&TTracingLink::Proc>(&later));
    delete menu;
    EXPECT_TRUE(later.hook.Saved() == formOwn);
    later.hook.Unhook();
    EXPECT_TRUE(form->WindowProc == formOwn);
}

}  // namespace
