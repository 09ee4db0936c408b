// Labels with a font of their own: name, height, style and colour size the label and reach its painted text.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "tests/toolkit/Harness.h"
#include "toolkit/controls/Label.h"
#include "toolkit/forms/Form.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

struct LabelTest : ::testing::Test {
    void SetUp() override {
        harness::TestApplication();
        form = std::make_unique<TForm>(nullptr);
        label = new TLabel(form.get());
        label->SetParent(form.get());
        label->SetCaption("Quiverlock");
    }
    // Rows of the painted label that hold a pixel of the colour.
    std::vector<int> RowsOf(TColor color) {
        TBitmap picture;
        picture.SetSize(label->Width(), label->Height());
        label->PaintTo(picture.Canvas().Handle());
        std::vector<int> rows;
        for (int y = 0; y < label->Height(); ++y) {
            int count = 0;
            for (int x = 0; x < label->Width(); ++x)
                if (picture.Canvas().Pixel(x, y) == color) ++count;
            if (count > 0) rows.push_back(count);
        }
        return rows;
    }
    std::unique_ptr<TForm> form;
    TLabel* label = nullptr;
};

TEST_F(LabelTest, OwnFontSizesTheLabelAndPaintsItsTextInItsColourAndStyle) {
    const int plainWidth = label->Width();
    const int plainHeight = label->Height();
    label->Font().SetName("Arial");
    label->Font().SetHeight(-19);
    EXPECT_GT(label->Height(), plainHeight);
    const int arialWidth = label->Width();
    EXPECT_GT(arialWidth, plainWidth);
    label->Font().SetStyle(fsBold | fsItalic);
    EXPECT_GT(label->Width(), arialWidth) << "bold text is wider";
    EXPECT_FALSE(label->ParentFont());

    label->Font().SetStyle(0);
    label->Font().SetColor(clNavy);
    const std::vector<int> plain = RowsOf(clNavy);
    ASSERT_FALSE(plain.empty()) << "the text is not in the font's colour";
    label->Font().SetStyle(fsUnderline);
    const std::vector<int> underlined = RowsOf(clNavy);
    ASSERT_FALSE(underlined.empty());
    // The underline is one solid row most of the label wide.
    int widest = 0;
    for (int count : underlined) widest = std::max(widest, count);
    int widestPlain = 0;
    for (int count : plain) widestPlain = std::max(widestPlain, count);
    EXPECT_GT(widest, label->Width() * 3 / 4);
    EXPECT_LT(widestPlain, label->Width() * 3 / 4);
    EXPECT_EQ(label->Width(), arialWidth) << "underlining keeps the size";
}

}  // namespace
