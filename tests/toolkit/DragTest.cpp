// Dragging with the mouse: a drag between controls and its drop, and the splitter that sizes a pane.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/support/Harness.h"
#include "tests/support/WindowPixels.h"
#include "toolkit/forms/PlaceControl.h"
#include "toolkit/controls/ListView.h"
#include "toolkit/controls/Splitter.h"
#include "toolkit/forms/Form.h"
#include "toolkit/controls/DragDrop.h"

namespace {

// What a drop target was asked and given.
struct TDropLog {
    bool accept = true;
    std::vector<TComponent*> askedFor;
    std::vector<TComponent*> droppedFrom;
    POINT dropPoint{-1, -1};
    void Over(TComponent*, TComponent* source, int, int, bool& accepted) {
        askedFor.push_back(source);
        accepted = accept;
    }
    void Drop(TComponent*, TComponent* source, int x, int y) {
        droppedFrom.push_back(source);
        dropPoint = POINT{x, y};
    }
};

struct TMoveCounter {
    int moves = 0;
    void Moved(TComponent*) { ++moves; }
};

// The cursor at a screen point. Wine reports a new position at once but may read the old one back from the
// display a moment later: the position counts once it has held for a while.
void PutCursor(POINT screen) {
    POINT now{};
    bool there = false;
    for (int attempt = 0; attempt < 10 && !there; ++attempt) {
        SetCursorPos(screen.x, screen.y);
        harness::ProcessUntil([] { return false; }, 150);
        GetCursorPos(&now);
        there = now.x == screen.x && now.y == screen.y;
    }
    ASSERT_TRUE(there) << "the cursor stays at " << now.x << "," << now.y << " instead of " << screen.x << ","
                       << screen.y;
}

POINT CentreOnScreen(TWinControl& control) {
    POINT p{control.ClientWidth() / 2, control.ClientHeight() / 2};
    ClientToScreen(control.Handle(), &p);
    return p;
}

// Two lists side by side on a shown form: drags start in the left one.
struct DragTest : ::testing::Test {
    void SetUp() override {
        harness::TestApplication();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(60, 60, 420, 280);
        source = AddList(10);
        target = AddList(210);
        target->OnDragOver = MethodOf<&TDropLog::Over>(&log);
        target->OnDragDrop = MethodOf<&TDropLog::Drop>(&log);
        form->Show();
        harness::ProcessMessages();
    }
    TListView* AddList(int left) { return PlaceControl<TListView>(form.get(), form.get(), left, 10, 180, 200); }
    // Drags from the source: the cursor goes to the point, the keys wait in the queue, then the drag runs.
    bool DragTo(POINT screen, bool escape = false) {
        PutCursor(screen);
        PostMessageA(source->Handle(), WM_MOUSEMOVE, MK_LBUTTON, 0);
        if (escape) PostMessageA(source->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessageA(source->Handle(), WM_LBUTTONUP, 0, 0);
        const bool dropped = TrackDrag(*source);
        EXPECT_NE(GetCapture(), source->Handle()) << "the drag kept the mouse";
        return dropped;
    }

    TDropLog log;  // outlives the form
    std::unique_ptr<TForm> form;
    TListView* source = nullptr;
    TListView* target = nullptr;
};

}  // namespace

TEST_F(DragTest, ReleaseOverAnAcceptingTargetDropsThereWithTheSourceAndTheClientPoint) {
    const POINT screen = CentreOnScreen(*target);
    POINT client = screen;
    ScreenToClient(target->Handle(), &client);
    EXPECT_TRUE(DragTo(screen));
    ASSERT_EQ(log.droppedFrom, std::vector<TComponent*>{source});
    EXPECT_EQ(log.askedFor.back(), source);
    EXPECT_EQ(log.dropPoint.x, client.x);
    EXPECT_EQ(log.dropPoint.y, client.y);
}

TEST_F(DragTest, RefusingTargetTheSourceItselfTheBareFormAndEscDropNothing) {
    log.accept = false;
    EXPECT_FALSE(DragTo(CentreOnScreen(*target)));
    EXPECT_FALSE(log.askedFor.empty()) << "the target was never asked";
    log.accept = true;
    log.askedFor.clear();
    EXPECT_FALSE(DragTo(CentreOnScreen(*source)));
    POINT bare{200, 250};  // between the lists' bottoms and the form's
    ClientToScreen(form->Handle(), &bare);
    EXPECT_FALSE(DragTo(bare));
    EXPECT_TRUE(log.askedFor.empty()) << "only the control under the mouse is asked";
    EXPECT_FALSE(DragTo(CentreOnScreen(*target), true));
    EXPECT_TRUE(log.droppedFrom.empty());
}

TEST(SplitterTest, DragSetsThePaneWidthWithinBothMinimumsUntilTheButtonIsReleasedAndRepaintsTheListHeader) {
    harness::TestApplication();
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(60, 60, 400, 300);
    auto* pane = PlaceControl<TListView>(form.get(), form.get(), 0, 0, 100, 200);
    pane->AddColumn("Name", 40);  // the header's end lies past its column
    auto* splitter = PlaceControl<TSplitter>(form.get(), form.get(), 100, 0, 3, 200);
    splitter->SetControl(pane);
    TMoveCounter counter;
    splitter->OnMoved = MethodOf<&TMoveCounter::Moved>(&counter);
    form->Show();
    harness::ProcessMessages();

    const POINT start = CentreOnScreen(*splitter);
    const auto moveTo = [&](int dx) {
        PutCursor(POINT{start.x + dx, start.y});
        SendMessageA(splitter->Handle(), WM_MOUSEMOVE, MK_LBUTTON, 0);
        return pane->Width();
    };
    PutCursor(start);
    SendMessageA(splitter->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(moveTo(40), 140);
    EXPECT_GT(counter.moves, 0) << "a width change must tell the owner";
    harness::ProcessMessages();
    const HWND header = reinterpret_cast<HWND>(SendMessageA(pane->Handle(), LVM_GETHEADER, 0, 0));
    ASSERT_NE(header, nullptr);
    const std::vector<COLORREF> shown = harness::WindowBits(header);
    RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_TRUE(shown == harness::WindowBits(header)) << "the header keeps a line of its narrower self";
    EXPECT_EQ(moveTo(-90), 30);
    EXPECT_EQ(moveTo(form->ClientWidth()), form->ClientWidth() - 3 - 30);
    SendMessageA(splitter->Handle(), WM_LBUTTONUP, 0, 0);
    const int released = pane->Width();
    const int moves = counter.moves;
    EXPECT_EQ(moveTo(0), released);
    EXPECT_EQ(counter.moves, moves);
}
