// Flat tool-bar buttons and control-bar bands, drawn by the bars' own paint cycles and read back.
#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "appearance/FlatColors.h"
#include "tests/appearance/AppearanceTestSupport.h"
#include "toolkit/forms/PlaceControl.h"
#include "tests/toolkit/WindowPixels.h"
#include "toolkit/controls/ControlBar.h"
#include "toolkit/controls/Panel.h"
#include "toolkit/controls/ToolBar.h"
#include "toolkit/system/WinGuards.h"

namespace {

COLORREF Rgb(TColor colour) { return ColorToRGB(colour); }

using harness::ClientPixel;

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

}  // namespace
