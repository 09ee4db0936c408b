// Speed buttons on a cool bar: hot and held states, when a press becomes a click, and what they paint.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "tests/support/Harness.h"
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

TEST_F(SpeedButtonTest, ButtonsOfAGroupLatchOneAtATimeAndTheDownOneStaysDownUnlessAllMayBeUp) {
    TSpeedButton& a = *form->Button;
    auto make = [&](int left, int group) {
        auto* b = new TSpeedButton(form.get());
        b->SetParent(form->Bar);
        b->SetBounds(left, 2, 40, 40);
        b->SetGroupIndex(group);
        return b;
    };
    TSpeedButton& b = *make(100, 1);
    TSpeedButton& other = *make(150, 2);
    auto click = [&](TSpeedButton& button) {
        SendMessageA(form->Bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(button.Left() + 5, 5));
        SendMessageA(form->Bar->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(button.Left() + 5, 5));
    };
    click(a);
    EXPECT_FALSE(a.Down()) << "group 0 never latches";
    a.SetDown(true);
    EXPECT_FALSE(a.Down());
    a.SetGroupIndex(1);
    other.SetDown(true);
    struct {
        TSpeedButton* clicked;
        bool allowAllUp;
        bool aDown, bDown;
    } steps[] = {
        {&a, false, true, false},  {&a, false, true, false}, {&b, false, false, true},
        {&a, false, true, false},  {&a, true, false, false}, {&b, true, false, true},
    };
    for (const auto& step : steps) {
        step.clicked->SetAllowAllUp(step.allowAllUp);
        click(*step.clicked);
        EXPECT_EQ(a.Down(), step.aDown) << &step - steps;
        EXPECT_EQ(b.Down(), step.bDown) << &step - steps;
        EXPECT_EQ(a.AllowAllUp(), b.AllowAllUp()) << "the group shares AllowAllUp";
        EXPECT_TRUE(other.Down()) << "another group is left alone";
    }
    EXPECT_EQ(form->clicks, 5) << "every release over the button is a click, latched or not";
    b.SetAllowAllUp(false);
    b.SetDown(false);
    EXPECT_TRUE(b.Down()) << "nor can code put up the down button of a group that must keep one down";
}

TEST(ButtonLayoutTest, GlyphAndCaptionAreCentredTogetherWithHalvesRoundedTowardZero) {
    // Glyph 20 x 10, caption 30 x 13, 4 pixels apart.
    struct {
        TButtonLayout layout;
        int width;
        RECT glyph, caption;
    } cases[] = {
        {blGlyphLeft, 100, {23, 25, 43, 35}, {47, 23, 77, 36}},
        {blGlyphLeft, 41, {-6, 25, 14, 35}, {18, 23, 48, 36}},
        {blGlyphRight, 100, {57, 25, 77, 35}, {23, 23, 53, 36}},
        {blGlyphRight, 41, {27, 25, 47, 35}, {-7, 23, 23, 36}},
        {blGlyphTop, 100, {40, 16, 60, 26}, {35, 30, 65, 43}},
        {blGlyphBottom, 100, {40, 33, 60, 43}, {35, 16, 65, 29}},
    };
    for (const auto& c : cases) {
        const TGlyphPlacement p = PlaceGlyphAndCaption(c.layout, SIZE{c.width, 60}, SIZE{20, 10}, SIZE{30, 13}, 4);
        EXPECT_TRUE(EqualRect(&p.Glyph, &c.glyph)) << c.layout << " / " << c.width << ": " << p.Glyph.left << ","
                                                   << p.Glyph.top;
        EXPECT_TRUE(EqualRect(&p.Caption, &c.caption)) << c.layout << " / " << c.width << ": " << p.Caption.left
                                                       << "," << p.Caption.top;
    }
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
    Application->SetMouseControl(nullptr);
    button.SetGroupIndex(1);
    button.SetDown(true);
    EXPECT_TRUE(PaintsRow(button, 0)) << "a latched button is sunken";
    button.SetAllowAllUp(true);
    button.SetDown(false);
    button.SetFlat(false);
    EXPECT_TRUE(PaintsRow(button, 0)) << "a button that is not flat always has its edge";
}

}  // namespace
