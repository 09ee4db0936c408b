// Drawing: colour resolution, shapes, pens, text measures, transparent and block copies on bitmaps.
#include <gtest/gtest.h>

#include "tests/support/Harness.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

COLORREF At(TBitmap& b, int x, int y) { return static_cast<COLORREF>(b.Canvas().Pixel(x, y)); }

TEST(Colors, SystemColourReferencesResolveToTheCurrentSystemColour) {
    const struct { TColor color; COLORREF expected; } cases[] = {
        {clBtnFace, GetSysColor(COLOR_BTNFACE)},
        {clHighlight, GetSysColor(COLOR_HIGHLIGHT)},
        {clBtnShadow, GetSysColor(COLOR_BTNSHADOW)},
        {clInactiveCaption, GetSysColor(COLOR_INACTIVECAPTION)},
        {RGBColor(1, 2, 3), RGB(1, 2, 3)},
        {clWhite, RGB(255, 255, 255)},
    };
    for (const auto& c : cases) EXPECT_EQ(ColorToRGB(c.color), c.expected) << std::hex << c.color;
    EXPECT_EQ(clBtnFace, static_cast<TColor>(0xFF00000F));
}

struct CanvasTest : ::testing::Test {
    void SetUp() override {
        harness::TestApplication();
        bitmap.SetSize(20, 20);
    }
    TBitmap bitmap;
};

TEST_F(CanvasTest, ShapesUseThePenForEdgesAndTheBrushInside) {
    TCanvas& c = bitmap.Canvas();
    EXPECT_EQ(At(bitmap, 5, 5), RGB(255, 255, 255));
    c.Pen().SetColor(clRed);
    c.Brush().SetStyle(bsClear);
    c.Rectangle(2, 2, 10, 10);
    EXPECT_EQ(At(bitmap, 2, 5), RGB(255, 0, 0));
    EXPECT_EQ(At(bitmap, 5, 5), RGB(255, 255, 255));  // clear brush: inside untouched
    c.Brush().SetColor(clBlue);                        // a colour makes the brush solid again
    c.FillRect(RECT{12, 12, 15, 15});
    EXPECT_EQ(At(bitmap, 13, 13), RGB(0, 0, 255));
    EXPECT_EQ(At(bitmap, 15, 15), RGB(255, 255, 255));
}

TEST_F(CanvasTest, LinesLeaveOutTheirEndPointAndMoveThePen) {
    TCanvas& c = bitmap.Canvas();
    c.Pen().SetColor(clBlack);
    c.MoveTo(1, 1);
    c.LineTo(6, 1);
    EXPECT_EQ(At(bitmap, 5, 1), RGB(0, 0, 0));
    EXPECT_EQ(At(bitmap, 6, 1), RGB(255, 255, 255));
    EXPECT_EQ(c.PenPos().x, 6);
    c.SetPixel(3, 3, clLime);
    EXPECT_EQ(At(bitmap, 3, 3), RGB(0, 255, 0));
}

TEST_F(CanvasTest, TextMeasuresGrowWithTheTextAndTheFont) {
    TCanvas& c = bitmap.Canvas();
    EXPECT_GT(c.TextWidth("WWWW"), c.TextWidth("ii"));
    int small = c.TextHeight("Ag");
    c.Font().SetHeight(-30);
    EXPECT_GT(c.TextHeight("Ag"), small);
}

// Rightmost column of a bitmap holding anything but white, or -1.
int RightmostInk(TBitmap& b) {
    for (int x = b.Width() - 1; x >= 0; --x)
        for (int y = 0; y < b.Height(); ++y)
            if (At(b, x, y) != RGB(255, 255, 255)) return x;
    return -1;
}

TEST(CanvasText, DrawnTextEndsWithinTheWidthItWasMeasuredAt) {
    harness::TestApplication();
    const char* texts[] = {"Verify password:", "Show password", "Destination file:", "WWWWWWWWWW:", "iiiiiiiiiiiiiiii:"};
    for (int height : {-11, -13, -16}) {
        for (const char* text : texts) {
            TBitmap b;
            b.SetSize(300, 30);
            b.Canvas().Font().SetHeight(height);
            b.Canvas().Brush().SetStyle(bsClear);
            const int width = b.Canvas().TextWidth(text);
            b.Canvas().TextOut(0, 0, text);
            const int ink = RightmostInk(b);
            EXPECT_LT(ink, width) << text << " at " << height;
            EXPECT_GE(ink, width - 4) << text << " at " << height;  // the last character was drawn
        }
    }
}

TEST_F(CanvasTest, TransparentDrawLeavesKeyColouredPixelsAndCopyRectCopies) {
    TBitmap glyph;
    glyph.SetSize(4, 4);
    glyph.Canvas().Brush().SetColor(clLime);
    glyph.Canvas().FillRect(RECT{0, 0, 4, 4});
    glyph.Canvas().SetPixel(1, 1, clNavy);
    glyph.SetTransparent(true);
    EXPECT_EQ(glyph.TransparentColor(), clLime);  // the bottom-left pixel
    bitmap.Canvas().Draw(5, 5, glyph);
    EXPECT_EQ(At(bitmap, 6, 6), RGB(0, 0, 128));
    EXPECT_EQ(At(bitmap, 5, 5), RGB(255, 255, 255));
    glyph.SetTransparent(false);
    bitmap.Canvas().CopyRect(RECT{10, 10, 14, 14}, glyph.Canvas(), RECT{0, 0, 4, 4});
    EXPECT_EQ(At(bitmap, 10, 10), RGB(0, 255, 0));
    EXPECT_EQ(At(bitmap, 11, 11), RGB(0, 0, 128));
}

}  // namespace
