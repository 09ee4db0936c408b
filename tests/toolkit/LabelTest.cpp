// Labels with a font of their own: name, height, style and colour size the label and reach its painted text.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "tests/support/Harness.h"
#include "toolkit/controls/Label.h"
#include "toolkit/forms/Form.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

// The most pixels of the colour in one row of the painted label.
int WidestRowOf(TLabel& label, TColor color) {
    TBitmap picture;
    picture.SetSize(label.Width(), label.Height());
    label.PaintTo(picture.Canvas().Handle());
    int widest = 0;
    for (int y = 0; y < label.Height(); ++y) {
        int count = 0;
        for (int x = 0; x < label.Width(); ++x) count += picture.Canvas().Pixel(x, y) == color;
        widest = std::max(widest, count);
    }
    return widest;
}

TEST(Label, OwnFontSizesTheLabelAndPaintsItsTextInItsColourAndStyle) {
    harness::TestApplication();
    TForm form(nullptr);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetCaption("Quiverlock");
    const SIZE plain{label->Width(), label->Height()};
    label->Font().SetName("Arial");
    label->Font().SetHeight(-19);
    EXPECT_GT(label->Height(), plain.cy);
    const int arialWidth = label->Width();
    EXPECT_GT(arialWidth, plain.cx);
    label->Font().SetStyle(fsBold | fsItalic);
    EXPECT_GT(label->Width(), arialWidth) << "bold text is wider";

    label->Font().SetStyle(0);
    label->Font().SetColor(clNavy);
    const int text = WidestRowOf(*label, clNavy);
    EXPECT_GT(text, 0) << "the text is not in the font's colour";
    EXPECT_LT(text, label->Width() * 3 / 4);
    label->Font().SetStyle(fsUnderline);
    EXPECT_GT(WidestRowOf(*label, clNavy), label->Width() * 3 / 4) << "no solid underline";
    EXPECT_EQ(label->Width(), arialWidth) << "underlining keeps the size";
}

}  // namespace
