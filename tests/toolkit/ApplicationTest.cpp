// The application: hooks on its window, idle listeners, errors escaping handlers, graphic controls' parents.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "tests/support/Harness.h"
#include "toolkit/forms/PlaceControl.h"
#include "tests/support/ScriptedServices.h"
#include "toolkit/forms/ApplicationEvents.h"
#include "toolkit/controls/Button.h"
#include "toolkit/core/Exception.h"
#include "toolkit/controls/GraphicControl.h"
#include "toolkit/system/ProgramGuard.h"
#include "toolkit/system/WinGuards.h"

namespace {

struct Hook {
    std::vector<std::string>* log;
    std::string name;
    bool handles = false;
    bool Run(TMessage& m) {
        if (m.Msg == WM_USER + 40) log->push_back(name);
        return handles && m.Msg == WM_USER + 40;
    }
};

TEST(Application, HooksRunInOrderUntilOneHandlesAndAreRemovedByIdentity) {
    TApplication& app = harness::TestApplication();
    std::vector<std::string> log;
    Hook first{&log, "first"}, second{&log, "second"};
    app.HookMainWindow(MethodOf<&Hook::Run>(&first));
    app.HookMainWindow(MethodOf<&Hook::Run>(&second));
    SendMessageA(app.Handle(), WM_USER + 40, 0, 0);
    first.handles = true;
    SendMessageA(app.Handle(), WM_USER + 40, 0, 0);
    app.UnhookMainWindow(MethodOf<&Hook::Run>(&first));
    SendMessageA(app.Handle(), WM_USER + 40, 0, 0);
    app.UnhookMainWindow(MethodOf<&Hook::Run>(&second));
    SendMessageA(app.Handle(), WM_USER + 40, 0, 0);
    const std::vector<std::string> expected = {"first", "second", "first", "second"};
    EXPECT_EQ(log, expected);
}

struct IdleListener {
    int calls = 0;
    bool keepBusy = false;
    void Idle(TComponent*, bool& done) {
        ++calls;
        if (keepBusy) done = false;
    }
};

TEST(Application, EveryIdleListenerIsCalledAndAnyCanAskForMore) {
    TApplication& app = harness::TestApplication();
    IdleListener a, b;
    auto eventsA = std::make_unique<TApplicationEvents>(nullptr);
    auto eventsB = std::make_unique<TApplicationEvents>(nullptr);
    eventsA->OnIdle = MethodOf<&IdleListener::Idle>(&a);
    eventsB->OnIdle = MethodOf<&IdleListener::Idle>(&b);
    EXPECT_TRUE(app.Idle());
    b.keepBusy = true;
    EXPECT_FALSE(app.Idle());
    eventsB.reset();
    EXPECT_TRUE(app.Idle());
    EXPECT_EQ(a.calls, 3);
    EXPECT_EQ(b.calls, 2);
}

struct Thrower {
    std::function<void()> raise;
    void Click(TComponent*) { raise(); }
};

// Whatever a handler throws stops at the window procedure: a box with its text, and the program goes on.
TEST(Application, ErrorEscapingAHandlerIsShownWithItsTextAndTheWindowGoesOn) {
    TApplication& app = harness::TestApplication();
    app.SetTitle("Quiverlock");
    const struct {
        std::function<void()> raise;
        std::string text;
    } cases[] = {
        {[] { throw Exception("File access denied.\rC:\\x"); }, "File access denied.\rC:\\x"},
        {[] { throw std::bad_alloc(); }, std::bad_alloc().what()},
        {[] { throw 42; }, "Unexpected error."},
    };
    TForm form(nullptr);
    auto* button = new TButton(&form);
    button->SetParent(&form);
    Thrower thrower;
    button->OnClick = MethodOf<&Thrower::Click>(&thrower);
    for (const auto& c : cases) {
        TScriptedScope scope;
        thrower.raise = c.raise;
        harness::ClickButton(*button);
        auto boxes = scope.services.CallsOf(TServiceKind::MessageBox);
        ASSERT_EQ(boxes.size(), 1u) << c.text;
        EXPECT_EQ(boxes[0].Text, c.text);
        EXPECT_EQ(boxes[0].Caption, std::optional<std::string>("Quiverlock"));
        EXPECT_EQ(boxes[0].Flags & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
        EXPECT_TRUE(IsWindow(button->Handle()));
    }
}

// A form whose window procedure throws while its window is made.
class TFailingForm : public TForm {
public:
    explicit TFailingForm(UINT failAt) : TForm(nullptr), failAt_(failAt) {}

protected:
    void WndProc(TMessage& message) override {
        if (message.Msg == failAt_) throw 42;
        TForm::WndProc(message);
    }

private:
    UINT failAt_;
};

// An exception that reaches the program block is shown and ends the program with 1, not with an abort.
TEST(Application, ErrorReachingTheProgramBlockIsShownAndTheProgramEndsCleanly) {
    harness::TestApplication().SetTitle("Quiverlock");
    const struct {
        UINT failAt;
        int result;
        std::vector<std::string> texts;
    } cases[] = {
        {WM_NCCREATE, 1, {"Unexpected error.", "Cannot create the window of TForm"}},
        {WM_CREATE, 0, {"Unexpected error."}},  // the window is made all the same
        {WM_NULL, 0, {}},
    };
    for (const auto& c : cases) {
        TScriptedScope scope;
        const int result = RunGuarded("Quiverlock", [&] {
            TFailingForm form(c.failAt);
            form.Show();
            EXPECT_TRUE(form.HandleAllocated());
        });
        EXPECT_EQ(result, c.result) << c.failAt;
        std::vector<std::string> texts;
        for (const TServiceCall& box : scope.services.CallsOf(TServiceKind::MessageBox)) texts.push_back(box.Text);
        EXPECT_EQ(texts, c.texts) << c.failAt;
    }
    TScriptedScope scope;
    EXPECT_EQ(RunGuarded("Quiverlock", [] { throw Exception("Cannot register the window class"); }), 1);
    ASSERT_EQ(scope.services.Calls().size(), 1u);
    EXPECT_EQ(scope.services.Calls()[0].Text, "Cannot register the window class");
    EXPECT_EQ(scope.services.Calls()[0].Owner, nullptr);
    EXPECT_EQ(scope.services.Calls()[0].Caption, std::optional<std::string>("Quiverlock"));
}

class TSwatch : public TGraphicControl {
public:
    explicit TSwatch(TComponent* owner) : TGraphicControl(owner) {}
    int paints = 0;

protected:
    void Paint() override {
        ++paints;
        Canvas().Brush().SetColor(clRed);
        Canvas().FillRect(ClientRect());
    }
};

struct GraphicTest : ::testing::Test {
    void SetUp() override {
        harness::TestApplication();
        form = std::make_unique<TForm>(nullptr);
        form->SetClientWidth(200);
        form->SetClientHeight(120);
        swatch = PlaceControl<TSwatch>(form.get(), form.get(), 20, 30, 40, 20);
        swatch->OnClick = MethodOf<&harness::TClickCount::Click>(&clicks);
        form->Show();
        harness::ProcessMessages();
    }
    void Mouse(UINT message, int x, int y) { SendMessageA(form->Handle(), message, 0, MAKELPARAM(x, y)); }
    harness::TClickCount clicks;
    std::unique_ptr<TForm> form;
    TSwatch* swatch = nullptr;
};

TEST_F(GraphicTest, ParentPaintsTheControlInItsOwnPlace) {
    swatch->paints = 0;
    form->Repaint();
    EXPECT_GE(swatch->paints, 1);
    TWindowDC dc(form->Handle());
    EXPECT_EQ(GetPixel(dc.Get(), 25, 35), RGB(255, 0, 0));
    EXPECT_NE(GetPixel(dc.Get(), 70, 35), RGB(255, 0, 0));
}

TEST_F(GraphicTest, ClickCountsOnlyWhenPressedAndReleasedOverAnEnabledControl) {
    const struct {
        const char* gesture;
        POINT down, up;
        bool enabled;
        int clicks;
    } cases[] = {
        {"inside", {30, 40}, {31, 41}, true, 1},
        {"outside", {100, 100}, {100, 100}, true, 0},
        {"dragged off", {30, 40}, {150, 100}, true, 0},
        {"disabled", {30, 40}, {30, 40}, false, 0},
    };
    for (const auto& c : cases) {
        clicks.count = 0;
        swatch->SetEnabled(c.enabled);
        Mouse(WM_LBUTTONDOWN, c.down.x, c.down.y);
        Mouse(WM_LBUTTONUP, c.up.x, c.up.y);
        EXPECT_EQ(clicks.count, c.clicks) << c.gesture;
    }
}

}  // namespace
