// The tab control as a plain frame: it paints the controls it holds over its edges and takes the mouse for them.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "tests/support/Harness.h"
#include "toolkit/forms/PlaceControl.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/TabControl.h"
#include "toolkit/forms/Form.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

struct Moves {
    int count = 0;
    void Move(TComponent*, TShiftState, int, int) { ++count; }
};

TEST(TabControl, FramePaintsItsEdgesAndItsLabelsAndTakesTheMouseForThem) {
    harness::TestApplication();
    TForm form(nullptr);
    auto* frame = PlaceControl<TTabControl>(&form, &form, 8, 8, 200, 150);
    auto* label = new TLabel(&form);
    label->SetParent(frame);
    label->SetBounds(20, 30, 0, 0);
    label->SetCaption("WWWWWW");
    label->Font().SetColor(clRed);
    form.Show();

    TBitmap picture;
    picture.SetSize(frame->Width(), frame->Height());
    SendMessageA(frame->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(picture.Canvas().Handle()), 0);
    int red = 0;
    for (int y = label->Top(); y < label->Top() + label->Height(); ++y)
        for (int x = label->Left(); x < label->Left() + label->Width(); ++x) red += picture.Canvas().Pixel(x, y) == clRed;
    EXPECT_GT(red, 10) << "the label's text is missing";
    // No tab row: the top edge lies at the top, as the left edge lies at the left.
    const TColor middle = picture.Canvas().Pixel(100, 75);
    EXPECT_NE(picture.Canvas().Pixel(0, 75), middle);
    EXPECT_NE(picture.Canvas().Pixel(100, 0), middle);

    const POINT inside = frame->ClientToScreen(POINT{label->Left() + 2, label->Top() + 2});
    EXPECT_EQ(SendMessageA(frame->Handle(), WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)), HTCLIENT)
        << "a frame that lets the mouse through leaves its labels deaf";
    Moves moves;
    label->OnMouseMove = MethodOf<&Moves::Move>(&moves);
    SendMessageA(frame->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(label->Left() + 2, label->Top() + 2));
    EXPECT_EQ(moves.count, 1);
    Application->SetMouseControl(nullptr);
}

}  // namespace
