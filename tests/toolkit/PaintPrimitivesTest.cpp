// Drawing calls the flat painters rely on: aligned text, image-list pictures by index, the platform seam.
#include <gtest/gtest.h>

#include <vector>

#include "tests/support/FakePlatform.h"
#include "tests/support/Harness.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ImageList.h"

namespace {

// The leftmost and rightmost columns holding a pixel other than white.
std::pair<int, int> InkColumns(TBitmap& bitmap) {
    int first = -1, last = -1;
    for (int x = 0; x < bitmap.Width(); ++x)
        for (int y = 0; y < bitmap.Height(); ++y)
            if (bitmap.Canvas().Pixel(x, y) != static_cast<TColor>(RGB(255, 255, 255))) {
                if (first < 0) first = x;
                last = x;
            }
    return {first, last};
}

TEST(PaintPrimitivesTest, DrawTextFlagsPlaceTheTextAtTheRightEdgeOrTheLeft) {
    harness::TestApplication();
    TBitmap left, right;
    for (TBitmap* b : {&left, &right}) {
        b->SetSize(200, 20);
        b->Canvas().Brush().SetStyle(bsClear);
        b->Canvas().Font().SetColor(clBlack);
    }
    RECT r{0, 0, 200, 20};
    left.Canvas().DrawText("Ctrl+Del", r, DT_SINGLELINE);
    r = RECT{0, 0, 200, 20};
    right.Canvas().DrawText("Ctrl+Del", r, DT_SINGLELINE | DT_RIGHT);
    EXPECT_LT(InkColumns(left).first, 5);
    EXPECT_GT(InkColumns(right).second, 190);
    EXPECT_GT(InkColumns(right).first, 100);
    RECT measured{0, 0, 0, 0};
    left.Canvas().DrawText("Ctrl+Del", measured, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(measured.right, left.Canvas().TextWidth("Ctrl+Del"));
}

TEST(PaintPrimitivesTest, ImageListDrawsNothingForAnIndexOutsideTheList) {
    harness::TestApplication();
    TImageList list(nullptr, 16, 16);
    std::vector<DWORD> blue(16 * 16, 0x000000FF);
    TBitmapHandle picture(CreateBitmap(16, 16, 1, 32, blue.data()));
    ASSERT_EQ(ImageList_AddMasked(list.Handle(), picture.Get(), RGB(255, 0, 255)), 0);
    TBitmap target;
    target.SetSize(16, 16);
    for (int index : {-1, 1, 1000}) EXPECT_FALSE(list.Draw(target.Canvas(), 0, 0, index)) << index;
    EXPECT_EQ(target.Canvas().Pixel(8, 8), static_cast<TColor>(RGB(255, 255, 255)));
    EXPECT_TRUE(list.Draw(target.Canvas(), 0, 0, 0));
    EXPECT_EQ(target.Canvas().Pixel(8, 8), static_cast<TColor>(RGB(0, 0, 255)));
}

TEST(PaintPrimitivesTest, ScopedPlatformAnswersOnlyWhileInPlaceAndAnInnerScopePutsTheOuterOneBack) {
    TFakePlatform outer(7, 0);
    TFakePlatform inner(5, 1);
    OSVERSIONINFOA info{};
    {
        TScopedPlatformInfo outerScope(outer);
        {
            TScopedPlatformInfo innerScope(inner);
            EXPECT_EQ(&PlatformInfo(), &inner);
        }
        ASSERT_TRUE(PlatformInfo().Version(info));
        EXPECT_EQ(info.dwMajorVersion, 7u);
    }
    ASSERT_TRUE(PlatformInfo().Version(info));
    EXPECT_EQ(info.dwOSVersionInfoSize, sizeof(OSVERSIONINFOA));
    EXPECT_NE(&PlatformInfo(), &outer);
    EXPECT_NE(&PlatformInfo(), &inner);
}

}  // namespace
