// The image control: its picture painted at its place in the parent, the key colour left out when transparent.
#include <gtest/gtest.h>

#include <windows.h>

#include "tests/support/Harness.h"
#include "toolkit/forms/PlaceControl.h"
#include "toolkit/controls/Image.h"
#include "toolkit/forms/Form.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

TEST(Image, TransparentPictureShowsTheBackgroundWhereItsKeyColourIsAndAMissingOneNothing) {
    harness::TestApplication();
    TForm form(nullptr);
    auto* image = PlaceControl<TImage>(&form, &form, 10, 20, 6, 6);
    const TColor key = RGBColor(255, 0, 255);
    image->Picture().SetSize(6, 6);
    image->Picture().Canvas().Brush().SetColor(key);
    image->Picture().Canvas().FillRect(RECT{0, 0, 6, 6});
    image->Picture().Canvas().SetPixel(3, 3, clNavy);
    TBitmap background;
    background.SetSize(40, 40);
    const auto paintParent = [&] {
        background.Canvas().Brush().SetColor(clLime);
        background.Canvas().FillRect(RECT{0, 0, 40, 40});
        form.PaintControls(background.Canvas().Handle());
    };
    const auto at = [&](int x, int y) { return background.Canvas().Pixel(x, y); };

    image->SetTransparent(true);
    paintParent();
    EXPECT_EQ(at(13, 23), clNavy);
    EXPECT_EQ(at(10, 20), clLime);
    image->SetTransparent(false);
    paintParent();
    EXPECT_EQ(at(10, 20), key);
    EXPECT_EQ(at(9, 19), clLime) << "painted outside its place";

    EXPECT_FALSE(image->LoadFromResourceName(GetModuleHandleA(nullptr), "NO_SUCH_PICTURE"));
    paintParent();
    EXPECT_EQ(at(13, 23), clLime) << "a picture that failed to load left the old one";
}

}  // namespace
