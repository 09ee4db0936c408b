// Mouse moves, entering and leaving reach windowed and graphic controls; the cursor follows the control below.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/toolkit/DemoForm.h"
#include "tests/support/Harness.h"

namespace {

using Events = std::vector<std::string>;

struct MouseLog {
    Events events;
    void Enter(TComponent* sender) { Add("enter " + Name(sender)); }
    void Leave(TComponent* sender) { Add("leave " + Name(sender)); }
    void Move(TComponent* sender, TShiftState shift, int x, int y) {
        Add("move " + Name(sender) + " " + std::to_string(x) + "," + std::to_string(y) +
            ((shift & ssLeft) != 0 ? " left" : ""));
    }
    void Add(const std::string& event) { events.push_back(event); }
    static std::string Name(TComponent* sender) { return sender->Name(); }
};

struct MouseTest : ::testing::Test {
    void SetUp() override {
        harness::TestApplication();
        form = std::make_unique<TDemoForm>(nullptr);
        form->Label1->SetName("Label1");
        form->Edit1->SetName("Edit1");
        for (TControl* c : std::vector<TControl*>{form->Label1, form->Edit1}) {
            c->OnMouseEnter = MethodOf<&MouseLog::Enter>(&log);
            c->OnMouseLeave = MethodOf<&MouseLog::Leave>(&log);
            c->OnMouseMove = MethodOf<&MouseLog::Move>(&log);
        }
        form->Show();
    }
    void TearDown() override { Application->SetMouseControl(nullptr); }
    MouseLog log;
    std::unique_ptr<TDemoForm> form;
};

// A move sent to the window below the point, as the system sends it; nothing queued runs meanwhile (the
// system's own pointer is elsewhere, and the leave tracking would report it at once).
void SendMove(TControl& control, POINT local, WPARAM keys = 0) {
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    HWND target = windowed != nullptr ? windowed->Handle() : control.Parent()->Handle();
    POINT p = windowed != nullptr ? local : POINT{control.Left() + local.x, control.Top() + local.y};
    SendMessageA(target, WM_MOUSEMOVE, keys, MAKELPARAM(p.x, p.y));
}

TEST_F(MouseTest, GraphicControlHearsEnterMovesInItsOwnCoordinatesAndLeave) {
    SendMove(*form->Label1, POINT{2, 3});
    SendMove(*form->Label1, POINT{4, 1}, MK_LBUTTON);
    EXPECT_EQ(log.events, (Events{"enter Label1", "move Label1 2,3", "move Label1 4,1 left"}));
    // A point of the form beside the label: the label is left behind.
    SendMove(*form, POINT{form->Label1->Left() + form->Label1->Width() + 5, form->Label1->Top()});
    EXPECT_EQ(log.events.back(), "leave Label1");
}

TEST_F(MouseTest, LeavingTheParentWindowLeavesItsGraphicChild) {
    SendMove(*form->Label1, POINT{2, 3});
    SendMessageA(form->Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(log.events.back(), "leave Label1");
    EXPECT_EQ(Application->MouseControl(), nullptr);
}

TEST_F(MouseTest, WindowedControlHearsMovesAndLeavesWhenTheMouseGoesToAnother) {
    SendMove(*form->Edit1, POINT{5, 6});
    SendMove(*form->Label1, POINT{1, 1});
    EXPECT_EQ(log.events, (Events{"enter Edit1", "move Edit1 5,6", "leave Edit1", "enter Label1", "move Label1 1,1"}));
}

TEST_F(MouseTest, CursorIsTheGraphicChildsOwnAndTheSystemsElsewhere) {
    form->Label1->SetCursor(crHandPoint);
    SendMove(*form->Label1, POINT{1, 1});
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(SendMessageA(form->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form->Handle()),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
              TRUE);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));

    form->Label1->SetCursor(crDefault);
    SendMessageA(form->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form->Handle()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
}

}  // namespace
