// Colour arithmetic against hand-computed values, bitmap tinting, and the pen and pixel figures.
#include <gtest/gtest.h>

#include "appearance/FlatColors.h"
#include "tests/support/Harness.h"

namespace {

constexpr TColor kGrey5 = RGBColor(5, 5, 5);

TEST(FlatColorsTest, DarkenLightenGrayAndAverageGiveTheHandComputedValues) {
    struct {
        const char* what;
        TColor got;
        TColor expected;
    } cases[] = {
        {"darken white 90, green 2 less", DarkenColor(clWhite, 90), RGBColor(165, 167, 165)},
        {"darken black stays black", DarkenColor(clBlack, 10), clBlack},
        {"darken clamps green from -3", DarkenColor(kGrey5, 10), clBlack},
        {"darken resolves a system colour", DarkenColor(clBtnFace, 0), DarkenColor(static_cast<TColor>(GetSysColor(COLOR_BTNFACE)), 0)},
        {"lighten black 50, 127.5 to even", LightenColor(clBlack, 50), RGBColor(128, 128, 128)},
        {"lighten 1 by 50, 127 exact", LightenColor(RGBColor(1, 1, 1), 50), RGBColor(128, 128, 128)},
        {"lighten 2 by 50, 126.5 to even", LightenColor(RGBColor(2, 2, 2), 50), RGBColor(128, 128, 128)},
        {"lighten capped at 100", LightenColor(RGBColor(10, 20, 30), 250), clWhite},
        {"lighten by 0 keeps", LightenColor(RGBColor(10, 20, 30), 0), RGBColor(10, 20, 30)},
        {"lighten per channel", LightenColor(RGBColor(0, 155, 255), 10), RGBColor(26, 165, 255)},
        {"gray of white capped", GrayOfColor(clWhite, 10), RGBColor(240, 240, 240)},
        {"gray of black", GrayOfColor(clBlack, 10), RGBColor(10, 10, 10)},
        {"gray averages", GrayOfColor(RGBColor(30, 60, 91), 0), RGBColor(60, 60, 60)},
        {"average white black", AverageColor({clWhite, clBlack}), RGBColor(127, 127, 127)},
        {"average divides first", AverageColor({RGBColor(3, 3, 3), RGBColor(3, 3, 3)}), RGBColor(2, 2, 2)},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.expected) << c.what;
}

TEST(FlatColorsTest, GrayAndDimRewriteEveryPixelAndOnlyThePixels) {
    harness::TestApplication();
    TBitmap bitmap;
    bitmap.SetSize(3, 2);
    const TColor pixels[2][3] = {{clBlack, clBlack, RGBColor(200, 100, 0)}, {clWhite, RGBColor(30, 60, 90), clBlack}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) bitmap.Canvas().SetPixel(x, y, pixels[y][x]);
    TBitmap dimmed;
    dimmed.SetSize(3, 2);
    BitBlt(dimmed.Canvas().Handle(), 0, 0, 3, 2, bitmap.Canvas().Handle(), 0, 0, SRCCOPY);
    GrayBitmap(bitmap, 10);
    DimBitmap(dimmed, 50);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(bitmap.Canvas().Pixel(x, y), GrayOfColor(pixels[y][x], 10)) << x << "," << y;
            EXPECT_EQ(dimmed.Canvas().Pixel(x, y), LightenColor(pixels[y][x], 50)) << x << "," << y;
        }
}

struct PenFiguresTest : ::testing::Test {
    void SetUp() override {
        harness::TestApplication();
        target.SetSize(30, 30);
        target.Canvas().Pen().SetColor(clBlack);
    }
    int Inked() {
        int n = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x) n += target.Canvas().Pixel(x, y) != clWhite ? 1 : 0;
        return n;
    }
    TBitmap target;
};

TEST_F(PenFiguresTest, FiguresLandWhereTheirSegmentsSayAndUnknownDirectionsDrawNothing) {
    PaintSpinArrows(target.Canvas(), 10, 10, 2);
    EXPECT_EQ(Inked(), 0);
    PaintDropArrow(target.Canvas(), 5, 5);
    for (int x = 5; x < 10; ++x) EXPECT_EQ(target.Canvas().Pixel(x, 5), clBlack) << x;
    EXPECT_EQ(target.Canvas().Pixel(10, 5), clWhite);
    EXPECT_EQ(target.Canvas().Pixel(7, 7), clBlack);  // the tip
    PaintTick(target.Canvas(), 10, 25);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(target.Canvas().Pixel(12, 20 - i), clBlack) << i;
    PaintSpinArrows(target.Canvas(), 20, 10, 0);
    EXPECT_EQ(target.Canvas().Pixel(20, 10), clBlack);  // the apex of the up arrow
}

TEST_F(PenFiguresTest, GlyphShadowMarksOnlyPixelsUnlikeTheBottomLeftOne) {
    TBitmap glyph;
    glyph.SetSize(4, 4);
    glyph.Canvas().Brush().SetColor(clLime);
    glyph.Canvas().FillRect(RECT{0, 0, 4, 4});
    PaintGlyphShadow(glyph, target.Canvas(), 3, 3, clRed);
    EXPECT_EQ(Inked(), 0);
    glyph.Canvas().SetPixel(2, 1, clBlue);
    PaintGlyphShadow(glyph, target.Canvas(), 3, 3, clRed);
    EXPECT_EQ(Inked(), 1);
    EXPECT_EQ(target.Canvas().Pixel(5, 4), clRed);
}

}  // namespace
