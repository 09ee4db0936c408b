// Flat tool-bar buttons and control-bar bands, drawn by the bars' own paint cycles and read back.
#include <windows.h>

#include <commctrl.h>

#include <cmath>
#include <memory>
#include <vector>

#include "appearance/FlatColors.h"
#include "tests/appearance/AppearanceTestSupport.h"
#include "toolkit/forms/PlaceControl.h"
#include "tests/support/WindowPixels.h"
#include "toolkit/controls/ControlBar.h"
#include "toolkit/controls/Panel.h"
#include "toolkit/controls/ToolBar.h"
#include "toolkit/graphics/ImageList.h"
#include "toolkit/system/WinGuards.h"

namespace {

COLORREF Rgb(TColor colour) { return ColorToRGB(colour); }

using harness::ClientPixel;

// A caption as a disabled tool button shows it: drawn on a bitmap filled with the brush colour, in a fresh
// bitmap's font and the given colour.
void PaintOpaqueCaptionReference(TBitmap& picture, const std::string& text, int width, int height, TColor brush,
                                 TColor colour, UINT flags) {
    picture.SetSize(width, height);
    picture.Canvas().Brush().SetColor(brush);
    picture.Canvas().FillRect(RECT{0, 0, width, height});
    picture.Canvas().Font().SetColor(colour);
    RECT r{0, 0, width, height};
    picture.Canvas().DrawText(text, r, flags | DT_EXPANDTABS | DT_VCENTER);
}

struct ToolBarPaintTest : ::testing::Test {
    void SetUp() override {
        harness::TestApplication();
        form = std::make_unique<TLayoutForm>(nullptr, [this](TForm& f) {
            f.SetBounds(60, 60, 400, 200);
            bar = new TToolBar(&f);
            bar->SetBounds(0, 0, 380, 40);
            bar->SetShowCaptions(false);
            bar->SetParent(&f);
            auto add = [&](TToolButtonStyle kind) {
                auto* button = new TToolButton(&f);
                button->SetStyle(kind);
                bar->AddButton(button);
                return button;
            };
            down = add(tbsCheck);
            down->SetDown(true);
            plain = add(tbsButton);
            separator = add(tbsSeparator);
            separator->SetTag(1);
            dropDown = add(tbsDropDown);
            controlBar = PlaceControl<TControlBar>(&f, &f, 0, 60, 200, 60);
            bandChild = PlaceControl<TPanel>(&f, controlBar, 20, 10, 60, 20);
            style = new TFlatStyle(&f);
        });
        form->Show();
        style->SetActive(true);
        harness::PaintNow(*form);
    }
    std::unique_ptr<TForm> form;
    TToolBar* bar = nullptr;
    TToolButton *down = nullptr, *plain = nullptr, *separator = nullptr, *dropDown = nullptr;
    TControlBar* controlBar = nullptr;
    TPanel* bandChild = nullptr;
    TFlatStyle* style = nullptr;
    const TColorScheme& S() { return style->Scheme(); }
};

TEST_F(ToolBarPaintTest, CheckedHotAndPressedButtonsTakeTheirFillsAndFramesAndSeparatorsTheirLine) {
    ASSERT_TRUE(bar->OnCustomDrawButton);
    const COLORREF frame = Rgb(S().SchemeSelectBorderColor);
    RECT b = down->BoundsRect();
    EXPECT_EQ(ClientPixel(*bar, b.left + 3, b.top + 4), Rgb(S().SchemeCheckBackColor)) << "checked, not hot";
    EXPECT_EQ(ClientPixel(*bar, b.left, b.top + 4), frame);
    EXPECT_EQ(ClientPixel(*bar, b.right - 1, b.top + 4), frame);

    b = plain->BoundsRect();
    EXPECT_EQ(ClientPixel(*bar, b.left, b.top + 4), Rgb(LightenColor(bar->Color(), 16))) << "idle: background only";
    SendMessageA(bar->Handle(), TB_SETHOTITEM, static_cast<WPARAM>(plain->Index()), 0);
    harness::PaintNow(*bar);
    EXPECT_EQ(ClientPixel(*bar, b.left + 3, b.top + 4), Rgb(S().SchemeSelectColor)) << "hot";
    EXPECT_EQ(ClientPixel(*bar, b.left, b.top + 4), frame);
    SendMessageA(bar->Handle(), TB_PRESSBUTTON, plain->Command(), TRUE);
    harness::PaintNow(*bar);
    EXPECT_EQ(ClientPixel(*bar, b.left + 3, b.top + 4), Rgb(S().SchemeCheckBackSelectColor)) << "hot and pressed";
    SendMessageA(bar->Handle(), TB_PRESSBUTTON, plain->Command(), FALSE);

    // A hot drop-down button: two frames that share a column, and its arrow.
    b = dropDown->BoundsRect();
    SendMessageA(bar->Handle(), TB_SETHOTITEM, static_cast<WPARAM>(dropDown->Index()), 0);
    harness::PaintNow(*bar);
    EXPECT_EQ(ClientPixel(*bar, b.right - 14, b.top + 4), frame);
    EXPECT_EQ(ClientPixel(*bar, b.right - 15, b.top + 4), Rgb(S().SchemeSelectColor));
    EXPECT_EQ(ClientPixel(*bar, b.right - 1, b.top + 4), frame);
    EXPECT_EQ(ClientPixel(*bar, b.right - 8, b.top + (b.bottom - b.top - 3) / 2 + 1), Rgb(clBlack)) << "arrow";

    // The separator before it, painted by the button: its centre line, as its Tag is positive.
    RECT s = separator->BoundsRect();
    EXPECT_EQ(ClientPixel(*bar, s.left + (s.right - s.left) / 2, s.top + 5), Rgb(DarkenColor(bar->Color(), 30)));
    EXPECT_EQ(ClientPixel(*bar, s.left, s.top + 5), Rgb(LightenColor(bar->Color(), 16)));

    bool defaultDraw = true;
    style->HandleToolButtonDraw(bar, plain, 0, defaultDraw);
    EXPECT_FALSE(defaultDraw) << "the bar never draws a button again";
    style->SetActive(false);
    EXPECT_FALSE(bar->OnCustomDrawButton) << "deactivation takes the handler back";
}

TEST_F(ToolBarPaintTest, ControlBarBandIsFilledFlatWithDashesThatDarkenDownwardsAndNoGrabberOrFrame) {
    ASSERT_TRUE(controlBar->OnBandPaint);
    const RECT band = TControlBar::BandRect(*bandChild);  // (9, 8) to (82, 32)
    const TColor colour = controlBar->Color();
    const COLORREF background = Rgb(LightenColor(colour, 6));
    EXPECT_EQ(ClientPixel(*controlBar, band.left, band.top), background) << "no frame";
    int p = 30;
    for (int y = band.top + 5; y <= band.bottom - 5; ++y) {
        if (y % 2 != 0) {
            EXPECT_EQ(ClientPixel(*controlBar, band.left + 4, y), background) << y;
            continue;
        }
        for (int x = band.left + 3; x < band.left + 6; ++x)
            EXPECT_EQ(ClientPixel(*controlBar, x, y), Rgb(DarkenColor(colour, p))) << x << "," << y;
        EXPECT_EQ(ClientPixel(*controlBar, band.left + 6, y), background);
        p += 7;
    }
    EXPECT_EQ(ClientPixel(*controlBar, band.left + 4, band.top + 3), background);
    style->SetActive(false);
    EXPECT_FALSE(controlBar->OnBandPaint);
    harness::PaintNow(*controlBar);
    EXPECT_EQ(ClientPixel(*controlBar, band.left, band.top), Rgb(clBtnHighlight)) << "its own frame again";
}

TEST_F(ToolBarPaintTest, PressedMenuButtonGetsThePlainHighlightAndAHotGlyphSitsAtTheButtonsPlaceWithItsShadow) {
    auto* linked = new TMenuItem(form.get());
    plain->SetMenuItem(linked);
    SendMessageA(bar->Handle(), TB_PRESSBUTTON, plain->Command(), TRUE);
    harness::PaintNow(*bar);
    // The plain form on the button less its top row: border on the left and 3 from the right, a strip of the
    // bar's colour darkened by 70 in the last two columns below the top two rows.
    const RECT b = plain->BoundsRect();
    const int top = b.top + 1;
    const COLORREF border = Rgb(S().SchemeSelectBorderColor);
    EXPECT_EQ(ClientPixel(*bar, b.left, top + 4), border);
    EXPECT_EQ(ClientPixel(*bar, b.right - 3, top + 4), border);
    EXPECT_EQ(ClientPixel(*bar, b.left + 3, top + 4), Rgb(S().SchemeSelectColor));
    EXPECT_EQ(ClientPixel(*bar, b.right - 1, top + 4), Rgb(DarkenColor(bar->Color(), 70)));
    EXPECT_EQ(ClientPixel(*bar, b.right - 2, top), Rgb(bar->Color()));
    SendMessageA(bar->Handle(), TB_PRESSBUTTON, plain->Command(), FALSE);
    plain->SetMenuItem(nullptr);

    // A 16 x 16 picture, white around a square of ink from (4, 4) to (11, 11).
    constexpr DWORD kInk = 0x00285AA0;
    std::vector<DWORD> pixels(16 * 16, 0x00FFFFFF);
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x) pixels[static_cast<size_t>(y * 16 + x)] = kInk;
    TBitmapHandle picture(CreateBitmap(16, 16, 1, 32, pixels.data()));
    TImageList images(nullptr, 16, 16);
    ASSERT_EQ(ImageList_AddMasked(images.Handle(), picture.Get(), RGB(255, 255, 255)), 0);
    bar->SetImages(&images);
    plain->SetImageIndex(0);
    style->SetUseSystemColors(false);
    style->SetSelectColor(RGBColor(0, 0, 200));
    SendMessageA(bar->Handle(), TB_SETHOTITEM, static_cast<WPARAM>(plain->Index()), 0);
    harness::PaintNow(*bar);
    ASSERT_TRUE(S().HighColor);
    const TColor hotFill = LightenColor(RGBColor(0, 0, 200), 68);
    // Centred, 2 below the top, then lifted by one to the left and up: (left - 1, top + 1 - 1).
    const int x = b.left + static_cast<int>(std::nearbyint((b.right - b.left - 16) / 2.0)) - 1;
    const int y = b.top + 2;
    EXPECT_EQ(ClientPixel(*bar, x + 4, y + 4), RGB(40, 90, 160));
    EXPECT_EQ(ClientPixel(*bar, x + 3, y + 4), Rgb(hotFill));
    EXPECT_EQ(ClientPixel(*bar, x + 4, y + 3), Rgb(hotFill));
    EXPECT_EQ(ClientPixel(*bar, x + 13, y + 13), Rgb(DarkenColor(hotFill, 50))) << "the shadow's own base";
    SendMessageA(bar->Handle(), TB_SETHOTITEM, static_cast<WPARAM>(-1), 0);
    bar->SetImages(nullptr);
}

TEST_F(ToolBarPaintTest, DisabledButtonCaptionIsCopiedInFromABitmapFilledWithTheButtonsBackground) {
    style->Font().SetName("Tahoma");
    style->Font().SetStyle(fsBold);
    plain->SetCaption("Off");
    plain->SetEnabled(false);
    bar->SetShowCaptions(true);
    harness::PaintNow(*bar);
    // The caption's rectangle: its text height plus 6 above the bottom, moved down twice by half of what is
    // left over the height of "W".
    TBitmap scratch;
    scratch.SetSize(1, 1);
    scratch.Canvas().Font().Assign(style->Font());
    const int textHeight = scratch.Canvas().TextHeight("Off");
    const int w = scratch.Canvas().TextHeight("W");
    const RECT b = plain->BoundsRect();
    int top = b.bottom - textHeight - 6;
    top += (b.bottom - top - w) / 2;
    top += (b.bottom - top - w) / 2;
    TBitmap expected;
    PaintOpaqueCaptionReference(expected, "Off", b.right - b.left, b.bottom - top, LightenColor(bar->Color(), 16),
                                S().SchemeDisabledColor, DT_CENTER);
    int differing = 0;
    for (int py = top; py < b.bottom; ++py)
        for (int px = b.left; px < b.right; ++px)
            differing += ClientPixel(*bar, px, py) != Rgb(expected.Canvas().Pixel(px - b.left, py - top));
    EXPECT_EQ(differing, 0);
}

}  // namespace
