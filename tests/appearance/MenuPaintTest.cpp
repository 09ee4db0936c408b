// Menu items painted into bitmaps and read back pixel by pixel; measuring; painting odd items safely.
#include <memory>

#include "tests/appearance/AppearanceTestSupport.h"
#include "toolkit/graphics/ImageList.h"

namespace {

constexpr TColor kMenu = RGBColor(250, 250, 240);
constexpr TColor kIconBack = RGBColor(200, 220, 240);
constexpr TColor kSelect = RGBColor(10, 200, 10);
constexpr TColor kSelectBorder = RGBColor(200, 10, 10);
constexpr TColor kDisabled = RGBColor(0, 0, 255);
constexpr TColor kSeparator = RGBColor(255, 0, 255);
constexpr TColor kChecked = RGBColor(0, 128, 128);
constexpr TColor kSentinel = RGBColor(1, 2, 3);
constexpr int kW = 120;
constexpr int kH = 22;

struct MenuPaintTest : ::testing::Test {
    void SetUp() override {
        harness::TestApplication();
        form = std::make_unique<TLayoutForm>(nullptr, [this](TForm& f) {
            style = new TFlatStyle(&f);
            popup = new TPopupMenu(&f);
            item = AddItem(&f, popup->Items(), "Open");
            mainMenu = new TMainMenu(&f);
            top = AddItem(&f, mainMenu->Items(), "File");
        });
        style->SetUseSystemColors(false);
        style->SetColor(kMenu);
        style->SetIconBackColor(kIconBack);
        style->SetSelectColor(kSelect);
        style->SetSelectBorderColor(kSelectBorder);
        style->SetDisabledColor(kDisabled);
        style->SetSeparatorColor(kSeparator);
        style->SetCheckedColor(kChecked);
        style->SetMenuBarColor(kMenu);
        style->Font().SetColor(clBlack);
        style->SetActive(true);
        target.SetSize(kW + 20, kH + 10);
        target.Canvas().Brush().SetColor(kSentinel);
        target.Canvas().FillRect(RECT{0, 0, kW + 20, kH + 10});
    }
    // The item's rectangle in the target: 4 pixels of room on the left for the popup item's overhang.
    RECT Rect() const { return RECT{8, 4, 8 + kW, 4 + kH}; }
    void Paint(TMenuItem& which, bool selected) { style->HandleDrawItem(&which, target.Canvas(), Rect(), selected); }
    TColor At(int x, int y) { return target.Canvas().Pixel(Rect().left + x, Rect().top + y); }
    int Count(TColor color, int fromX, int toX) {
        int n = 0;
        for (int y = 0; y < kH; ++y)
            for (int x = fromX; x < toX; ++x) n += At(x, y) == color ? 1 : 0;
        return n;
    }
    // Nothing outside the item's rectangle and its 4-pixel overhang was touched.
    bool OnlyInsideTouched() {
        RECT r = Rect();
        for (int y = 0; y < kH + 10; ++y)
            for (int x = 0; x < kW + 20; ++x) {
                bool inside = x >= r.left - 4 && x < r.right && y >= r.top && y < r.bottom;
                if (!inside && target.Canvas().Pixel(x, y) != kSentinel) return false;
            }
        return true;
    }
    std::unique_ptr<TForm> form;
    TFlatStyle* style = nullptr;
    TPopupMenu* popup = nullptr;
    TMainMenu* mainMenu = nullptr;
    TMenuItem* item = nullptr;
    TMenuItem* top = nullptr;
    TBitmap target;
};

TEST_F(MenuPaintTest, PopupItemHasItsIconStripMenuBackgroundAndSelectionFrame) {
    Paint(*item, false);
    EXPECT_EQ(At(1, 1), kIconBack);
    EXPECT_EQ(At(23, kH - 1), kIconBack);  // the strip is IconWidth (24) wide
    EXPECT_EQ(At(24, kH - 1), kMenu);
    EXPECT_EQ(At(kW - 1, 1), kMenu);
    EXPECT_EQ(At(-4, 1), kMenu);  // the overhang left of the rectangle takes the menu colour
    EXPECT_TRUE(OnlyInsideTouched());

    Paint(*item, true);
    EXPECT_EQ(At(0, 0), kIconBack);  // the selection leaves the first row
    EXPECT_EQ(At(0, 1), kSelectBorder);
    EXPECT_EQ(At(kW - 1, kH / 2), kSelectBorder);
    EXPECT_EQ(At(5, kH - 1), kSelectBorder);
    EXPECT_EQ(At(1, 2), kSelect);
    EXPECT_EQ(At(kW - 2, kH / 2), kSelect);
    EXPECT_TRUE(OnlyInsideTouched());
}

TEST_F(MenuPaintTest, DisabledSeparatorCheckedAndRadioItemsShowTheirColoursAndMarks) {
    item->SetEnabled(false);
    Paint(*item, true);  // a disabled selected item gets no selection
    EXPECT_EQ(Count(kSelect, 0, kW), 0);
    EXPECT_GT(Count(kDisabled, 24, kW), 5) << "caption drawn in DisabledColor";

    item->SetEnabled(true);
    item->SetCaption("-");
    Paint(*item, false);
    const int y = 12;  // T.top + Round(23 / 2): the text rectangle is one row taller, and 11.5 goes to even
    EXPECT_EQ(At(24 + 7, y), kSeparator);
    EXPECT_EQ(At(kW - 1, y), kSeparator);
    EXPECT_EQ(At(24 + 6, y), kMenu);
    EXPECT_EQ(At(40, y - 1), kMenu);
    EXPECT_EQ(Count(kSeparator, 0, kW), kW - 31);

    item->SetCaption("Check");
    item->SetChecked(true);
    Paint(*item, false);
    const int boxLeft = 7, boxTop = (kH - 10) / 2;  // a 10 x 10 box centred in the strip
    EXPECT_EQ(At(boxLeft, boxTop), kChecked);
    EXPECT_EQ(At(boxLeft + 9, boxTop + 9), kChecked);
    EXPECT_EQ(At(boxLeft + 1, boxTop + 5), clBlack);  // the tick starts one in from the left
    EXPECT_EQ(At(boxLeft + 10, boxTop), kIconBack);

    item->SetRadioItem(true);
    Paint(*item, false);
    EXPECT_EQ(At(boxLeft + 5, boxTop + 5), kSelectBorder);  // the filled dot in the pen colour
    EXPECT_NE(At(boxLeft, boxTop), kChecked);
}

TEST_F(MenuPaintTest, RightToLeftMenuPutsTheStripOnTheRight) {
    popup->SetBiDiMode(bdRightToLeft);
    Paint(*item, false);
    EXPECT_EQ(At(kW - 1, 1), kIconBack);
    EXPECT_EQ(At(kW - 24, 1), kIconBack);
    EXPECT_EQ(At(kW - 25, 1), kMenu);
    EXPECT_EQ(At(0, 1), kMenu);
}

TEST_F(MenuPaintTest, SelectedBarItemIsFilledAndFramedAndDrawSelectOffLooksUnselected) {
    style->HandleDrawItem(top, target.Canvas(), Rect(), true);
    EXPECT_EQ(At(0, 5), kSelectBorder);
    EXPECT_EQ(At(3, kH - 3), kSelect);
    EXPECT_TRUE(OnlyInsideTouched()) << "a bar item has no overhang";
    EXPECT_EQ(target.Canvas().Pixel(Rect().left - 1, Rect().top + 1), kSentinel);

    TBitmap unselected;
    unselected.SetSize(kW + 20, kH + 10);
    style->SetDrawSelect(false);
    Paint(*item, true);
    style->HandleDrawItem(item, unselected.Canvas(), Rect(), false);
    for (int x = 4; x < kW + 8; x += 3)
        for (int y = 4; y < kH + 4; y += 2)
            ASSERT_EQ(target.Canvas().Pixel(x, y), unselected.Canvas().Pixel(x, y)) << x << "," << y;
}

TEST_F(MenuPaintTest, MeasuringSizesSeparatorsCaptionsAndGlyphs) {
    TBitmap scratch;
    scratch.SetSize(1, 1);
    TCanvas& c = scratch.Canvas();
    c.Font().Assign(style->Font());
    int w = 0, h = 50;
    item->SetCaption("-");
    style->HandleMeasureItem(item, c, w, h);
    EXPECT_EQ(h, 4);
    EXPECT_EQ(w, 5 + 24);

    item->SetCaption("&Open");
    w = h = 0;
    style->HandleMeasureItem(item, c, w, h);
    EXPECT_EQ(w, c.TextWidth("&Open") + 5 - c.TextWidth("&") + 24);

    item->SetCaption("Open");
    item->Bitmap().SetSize(16, 16);
    w = h = 0;
    style->HandleMeasureItem(item, c, w, h);
    EXPECT_EQ(w, c.TextWidth("Open") + 5 + 24);
    EXPECT_GE(h, 22);
    int wide = 500;
    style->HandleMeasureItem(item, c, wide, h);
    EXPECT_EQ(wide, 500) << "a width is never reduced";
    style->SetActive(false);
    w = h = 0;
    style->HandleMeasureItem(item, c, w, h);
    EXPECT_EQ(w, 0) << "an inactive style measures nothing";
}

TEST_F(MenuPaintTest, OddItemsPaintOnlyInsideTheirRectangle) {
    auto lone = std::make_unique<TMenuItem>(nullptr);  // no parent, no menu
    lone->SetCaption("");
    lone->SetImageIndex(5);  // no image list anywhere
    style->HandleDrawItem(lone.get(), target.Canvas(), Rect(), true);
    EXPECT_TRUE(OnlyInsideTouched());

    TImageList list(nullptr, 16, 16);
    popup->SetImages(&list);
    item->SetImageIndex(3);  // past the end of an empty list
    item->SetCaption("");
    Paint(*item, true);
    EXPECT_TRUE(OnlyInsideTouched());
    int w = 0, h = 0;
    style->HandleMeasureItem(item, target.Canvas(), w, h);
    EXPECT_EQ(w, 5 + 24 + target.Canvas().TextWidth(""));

    TBitmap empty;
    style->HandleDrawItem(item, target.Canvas(), RECT{10, 10, 10, 30}, false);  // no width
    style->PaintGlyph(target.Canvas(), false, false, false, true, false, false, Rect(), empty);
    EXPECT_TRUE(OnlyInsideTouched());
    popup->SetImages(nullptr);
}

}  // namespace
