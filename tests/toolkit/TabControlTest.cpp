// The tab control as a plain frame: it paints the controls it holds and takes the mouse for them.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "tests/toolkit/Harness.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/TabControl.h"
#include "toolkit/forms/Form.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

struct Moves {
    int count = 0;
    void Move(TComponent*, TShiftState, int, int) { ++count; }
};

struct TabControlTest : ::testing::Test {
    void SetUp() override {
        harness::TestApplication();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 300, 250);
        frame = new TTabControl(form.get());
        frame->SetBounds(8, 8, 200, 150);
        frame->SetParent(form.get());
        label = new TLabel(form.get());
        label->SetParent(frame);
        label->SetBounds(20, 30, 0, 0);
        label->SetCaption("WWWWWW");
        label->Font().SetColor(clRed);
        form->Show();
        harness::ProcessMessages();
    }
    std::unique_ptr<TForm> form;
    TTabControl* frame = nullptr;
    TLabel* label = nullptr;
};

TEST_F(TabControlTest, FrameTakesTheMouseOverItsFaceAndPassesItToTheLabelsItHolds) {
    POINT inside = frame->ClientToScreen(POINT{label->Left() + 2, label->Top() + 2});
    EXPECT_EQ(SendMessageA(frame->Handle(), WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)), HTCLIENT)
        << "a frame that lets the mouse through leaves its labels deaf";
    Moves moves;
    label->OnMouseMove = MethodOf<&Moves::Move>(&moves);
    SendMessageA(frame->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(label->Left() + 2, label->Top() + 2));
    EXPECT_EQ(moves.count, 1);
    Application->SetMouseControl(nullptr);
}

TEST_F(TabControlTest, FramePaintsItsEdgesWithoutTabsAndTheLabelsOverIt) {
    TBitmap picture;
    picture.SetSize(frame->Width(), frame->Height());
    SendMessageA(frame->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(picture.Canvas().Handle()), 0);
    int red = 0;
    for (int y = label->Top(); y < label->Top() + label->Height(); ++y)
        for (int x = label->Left(); x < label->Left() + label->Width(); ++x)
            if (picture.Canvas().Pixel(x, y) == clRed) ++red;
    EXPECT_GT(red, 10) << "the label's text is missing";
    // No tab row: the frame's top edge lies at the top, like its left edge.
    const TColor middle = picture.Canvas().Pixel(frame->Width() / 2, frame->Height() / 2);
    EXPECT_NE(picture.Canvas().Pixel(0, frame->Height() / 2), middle);
    EXPECT_NE(picture.Canvas().Pixel(frame->Width() / 2, 0), middle);
}

}  // namespace
