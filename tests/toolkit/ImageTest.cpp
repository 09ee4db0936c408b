// The image control: its picture painted at its place in the parent, the key colour left out when transparent.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "tests/toolkit/Harness.h"
#include "toolkit/controls/Image.h"
#include "toolkit/forms/Form.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

struct ImageTest : ::testing::Test {
    void SetUp() override {
        harness::TestApplication();
        form = std::make_unique<TForm>(nullptr);
        image = new TImage(form.get());
        image->SetBounds(10, 20, 6, 6);
        image->SetParent(form.get());
        image->Picture().SetSize(6, 6);
        TCanvas& canvas = image->Picture().Canvas();
        canvas.Brush().SetColor(clFuchsia());
        canvas.FillRect(RECT{0, 0, 6, 6});
        canvas.SetPixel(3, 3, clNavy);
        background.SetSize(40, 40);
        background.Canvas().Brush().SetColor(clLime);
        background.Canvas().FillRect(RECT{0, 0, 40, 40});
    }
    static TColor clFuchsia() { return RGBColor(255, 0, 255); }
    // The parent's painting of its graphic children into the background picture.
    void PaintParent() { form->PaintControls(background.Canvas().Handle()); }
    TColor At(int x, int y) { return background.Canvas().Pixel(x, y); }

    std::unique_ptr<TForm> form;
    TImage* image = nullptr;
    TBitmap background;
};

TEST_F(ImageTest, TransparentPictureShowsTheBackgroundWhereItsKeyColourIs) {
    form->HandleNeeded();
    image->SetTransparent(true);
    PaintParent();
    EXPECT_EQ(At(13, 23), clNavy);
    EXPECT_EQ(At(10, 20), clLime);
    image->SetTransparent(false);
    PaintParent();
    EXPECT_EQ(At(10, 20), clFuchsia());
    EXPECT_EQ(At(9, 19), clLime) << "painted outside its place";
}

TEST_F(ImageTest, MissingResourceLeavesNoPictureAndPaintsNothing) {
    form->HandleNeeded();
    EXPECT_FALSE(image->LoadFromResourceName(GetModuleHandleA(nullptr), "NO_SUCH_PICTURE"));
    EXPECT_EQ(image->Picture().Width(), 0);
    PaintParent();
    EXPECT_EQ(At(13, 23), clLime);
}

}  // namespace
