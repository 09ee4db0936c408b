// The flat group box's caption read back from its window: literal text clipped to its rectangle, on either side.
#include <memory>

#include "tests/appearance/AppearanceTestSupport.h"
#include "tests/support/WindowPixels.h"
#include "toolkit/controls/GroupBox.h"
#include "toolkit/forms/PlaceControl.h"

namespace {

constexpr COLORREF kInk = RGB(160, 0, 0);

TEST(GroupBoxPaintTest, CaptionIsLiteralTextClippedToItsRectangleNineFromTheLeadingEdge) {
    harness::TestApplication();
    TGroupBox* box = nullptr;
    TFlatStyle* style = nullptr;
    auto form = std::make_unique<TLayoutForm>(nullptr, [&](TForm& f) {
        f.SetBounds(40, 40, 320, 200);
        box = PlaceControl<TGroupBox>(&f, &f, 10, 10, 260, 120);
        // An italic "j" reaches left of its cell and an italic "f" right of it: both overhang T.
        box->SetCaption("jam && &Leaf");
        box->Font().SetName("Courier New");
        box->Font().SetHeight(-16);
        box->Font().SetStyle(fsItalic);
        box->Font().SetColor(static_cast<TColor>(kInk));
        style = new TFlatStyle(&f);
    });
    form->Show();
    style->SetActive(true);
    for (bool rtl : {false, true}) {
        box->SetBiDiMode(rtl ? bdRightToLeft : bdLeftToRight);
        harness::PaintNow(*form);
        // T: the caption's text size, 9 in from the left (or right) of the client area. Behind it the band
        // above the frame line has the parent's colour, its lower half the box's.
        TBitmap expected;
        expected.SetSize(1, 1);
        TCanvas& e = expected.Canvas();
        e.Font().Assign(box->Font());
        const SIZE text = e.TextExtent(box->Caption());
        const int w = text.cx, h = text.cy;
        const int left = rtl ? box->ClientWidth() - 9 - w : 9;
        expected.SetSize(w, h);
        e.Font().Assign(box->Font());
        e.Brush().SetColor(form->Brush().Color());
        e.FillRect(RECT{0, 0, w, h / 2 + 1});
        e.Brush().SetColor(box->Color());
        e.FillRect(RECT{0, h / 2 + 1, w, h});
        e.Brush().SetStyle(bsClear);
        e.TextRect(RECT{0, 0, w, h}, 0, 0, box->Caption(), rtl ? ETO_RTLREADING : 0);
        int differing = 0, ink = 0, outside = 0;
        for (int y = 0; y < h; ++y)
            for (int x = -3; x < w + 3; ++x) {
                const COLORREF shown = harness::ClientPixel(*box, left + x, y);
                if (x >= 0 && x < w) {
                    differing += shown != ColorToRGB(e.Pixel(x, y));
                    ink += shown == kInk;
                } else {
                    outside += shown == kInk;
                }
            }
        EXPECT_EQ(differing, 0) << rtl;
        EXPECT_GT(ink, 10) << rtl;
        EXPECT_EQ(outside, 0) << rtl;
    }
}

}  // namespace
