// Chains of replaced window procedures: every link sees messages while hooked, and leaving from any place in any
// order leaves no link pointing at a procedure that is gone.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/Harness.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/WindowProcHook.h"
#include "toolkit/menus/Menus.h"

namespace {

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

struct WindowProcHookTest : ::testing::Test {
    void SetUp() override {
        harness::TestApplication();
        form = std::make_unique<TForm>(nullptr);
        edit = new TEdit(form.get());
        edit->SetParent(form.get());
        form->HandleNeeded();
        own = edit->WindowProc;
    }
    std::string Pass() {
        trace.clear();
        SendMessageA(edit->Handle(), WM_USER + 50, 0, 0);
        edit->Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("reaches the edit"));
        return trace;
    }
    std::string trace;
    std::unique_ptr<TForm> form;
    TEdit* edit = nullptr;
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
