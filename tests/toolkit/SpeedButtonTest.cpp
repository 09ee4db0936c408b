// Speed buttons on a cool bar: hot and held states, when a press becomes a click, and what they paint.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "tests/toolkit/Harness.h"
#include "toolkit/controls/CoolBar.h"
#include "toolkit/controls/SpeedButton.h"
#include "toolkit/forms/Form.h"
#include "toolkit/graphics/ImageList.h"

namespace {

class TBarForm : public TForm {
public:
    TBarForm() : TForm(nullptr) {
        SetBounds(0, 0, 300, 150);
        Bar = new TCoolBar(this);
        Bar->SetParent(this);
        Bar->SetBounds(0, 0, 300, 44);
        Button = new TSpeedButton(this);
        Button->SetParent(Bar);
        Button->SetBounds(10, 2, 80, 40);
        Button->SetCaption("Launch");
        Button->OnClick = MethodOf<&TBarForm::Clicked>(this);
        FinishLayout();
    }
    void Clicked(TComponent*) { ++clicks; }
    TCoolBar* Bar = nullptr;
    TSpeedButton* Button = nullptr;
    int clicks = 0;
};

struct SpeedButtonTest : ::testing::Test {
    void SetUp() override {
        harness::TestApplication();
        form = std::make_unique<TBarForm>();
        form->Show();
        harness::ProcessMessages();
    }
    void TearDown() override { Application->SetMouseControl(nullptr); }
    // A mouse message at a point of the button, sent to the bar as the system sends it.
    void Mouse(UINT message, int x, int y, WPARAM keys = 0) {
        SendMessageA(form->Bar->Handle(), message, keys, MAKELPARAM(form->Button->Left() + x, form->Button->Top() + y));
    }
    std::unique_ptr<TBarForm> form;
};

TEST_F(SpeedButtonTest, PressBecomesAClickOnlyWhenReleasedOverTheButton) {
    Mouse(WM_MOUSEMOVE, 5, 5);
    EXPECT_TRUE(form->Button->Hot());
    EXPECT_FALSE(form->Button->Pressed());
    Mouse(WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_TRUE(form->Button->Pressed());
    // Dragged off while held: up again, and released there it is no click.
    Mouse(WM_MOUSEMOVE, 200, 5, MK_LBUTTON);
    EXPECT_FALSE(form->Button->Pressed());
    Mouse(WM_MOUSEMOVE, 6, 6, MK_LBUTTON);
    EXPECT_TRUE(form->Button->Pressed()) << "back over it while held it is down again";
    Mouse(WM_MOUSEMOVE, 200, 5, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 200, 5);
    EXPECT_EQ(form->clicks, 0);
    Mouse(WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(form->clicks, 1);
    EXPECT_FALSE(form->Button->Pressed());
    EXPECT_TRUE(form->Button->Hot());
    Application->SetMouseControl(nullptr);
    EXPECT_FALSE(form->Button->Hot()) << "leaving clears the hot state";
}

TEST_F(SpeedButtonTest, DisabledButtonIgnoresTheMouseAndDropsItsStates) {
    Mouse(WM_MOUSEMOVE, 5, 5);
    Mouse(WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    form->Button->SetEnabled(false);
    EXPECT_FALSE(form->Button->Pressed());
    EXPECT_FALSE(form->Button->Hot());
    Mouse(WM_LBUTTONUP, 5, 5);
    Mouse(WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(form->clicks, 0);
}

// The button painted on a white bitmap: true when it drew anything on the given row of pixels.
bool PaintsRow(TSpeedButton& button, int row) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, button.Width(), button.Height());
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all{0, 0, button.Width(), button.Height()};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    button.PaintTo(dc);
    bool painted = false;
    for (int x = 0; x < button.Width(); ++x) painted = painted || GetPixel(dc, x, row) != RGB(255, 255, 255);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return painted;
}

TEST_F(SpeedButtonTest, FlatButtonShowsItsEdgeOnlyWhenHotAndItsCaptionBelowTheGlyph) {
    TSpeedButton& button = *form->Button;
    EXPECT_FALSE(PaintsRow(button, 0)) << "a flat button at rest has no edge";
    EXPECT_TRUE(PaintsRow(button, 20)) << "a caption alone is centred";
    EXPECT_FALSE(PaintsRow(button, 30));
    TImageList images(nullptr, 16, 16);
    HDC screen = GetDC(nullptr);
    HBITMAP black = CreateCompatibleBitmap(screen, 16, 16);  // all black
    ReleaseDC(nullptr, screen);
    ImageList_Add(images.Handle(), black, nullptr);
    DeleteObject(black);
    button.SetGlyph(&images, 0);
    EXPECT_TRUE(PaintsRow(button, 10)) << "the glyph sits on top";
    EXPECT_TRUE(PaintsRow(button, 30)) << "the caption moves below the glyph";
    button.SetGlyph(nullptr, -1);
    Mouse(WM_MOUSEMOVE, 5, 5);
    EXPECT_TRUE(PaintsRow(button, 0));
    button.SetFlat(false);
    Application->SetMouseControl(nullptr);
    EXPECT_TRUE(PaintsRow(button, 0)) << "a button that is not flat always has its edge";
}

}  // namespace
