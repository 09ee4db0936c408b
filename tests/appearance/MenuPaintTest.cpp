// Menu items painted into bitmaps and read back pixel by pixel; measuring; painting odd items safely.
#include <memory>
#include <utility>

#include "appearance/FlatColors.h"
#include "tests/appearance/AppearanceTestSupport.h"
#include "toolkit/graphics/ImageList.h"
#include "toolkit/forms/Screen.h"

namespace {

constexpr TColor kMenu = RGBColor(250, 250, 240);
constexpr TColor kIconBack = RGBColor(200, 220, 240);
constexpr TColor kSelect = RGBColor(10, 200, 10);
constexpr TColor kSelectBorder = RGBColor(200, 10, 10);
constexpr TColor kDisabled = RGBColor(0, 0, 255);
constexpr TColor kSeparator = RGBColor(255, 0, 255);
constexpr TColor kChecked = RGBColor(0, 128, 128);
constexpr TColor kSentinel = RGBColor(1, 2, 3);
constexpr TColor kInk = RGBColor(40, 90, 160);
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

// A 10 x 10 glyph: background, a square of kInk from (2, 2) to (7, 7), and one white pixel at (4, 4) in it.
void PaintGlyphPicture(TBitmap& glyph, TColor background) {
    glyph.SetSize(10, 10);
    TCanvas& g = glyph.Canvas();
    g.Brush().SetColor(background);
    g.FillRect(RECT{0, 0, 10, 10});
    g.Brush().SetColor(kInk);
    g.FillRect(RECT{2, 2, 8, 8});
    g.SetPixel(4, 4, clWhite);
}

// The first and last column holding a pixel of that colour, or (-1, -1).
std::pair<int, int> InkColumns(TCanvas& c, int left, int right, int top, int bottom, TColor colour) {
    std::pair<int, int> span{-1, -1};
    for (int x = left; x < right; ++x)
        for (int y = top; y < bottom; ++y)
            if (c.Pixel(x, y) == colour) {
                if (span.first < 0) span.first = x;
                span.second = x;
            }
    return span;
}

TEST_F(MenuPaintTest, BarItemCaptionStartsAfterItsGlyphAndWithoutOneTakesTheWholeItem) {
    TMenuItem* imaged = AddItem(form.get(), mainMenu->Items(), "Edit");
    imaged->Bitmap().SetSize(16, 16);
    imaged->Bitmap().Canvas().Brush().SetColor(clRed);
    imaged->Bitmap().Canvas().FillRect(RECT{0, 0, 16, 16});
    top->SetCaption("Edit");
    // The caption goes in T moved in by 3; with a 16-pixel glyph T begins at 16 + 4 - 5 (right to left it ends
    // at W - (16 + 8) + 5).
    struct {
        bool image, rtl;
        RECT text;
    } cases[] = {{false, false, {3, 0, kW, kH}},
                 {true, false, {16 + 4 - 5 + 3, 0, kW, kH}},
                 {false, true, {0, 0, kW - 3, kH}},
                 {true, true, {0, 0, kW - 16 - 8 + 5 - 3, kH}}};
    for (const auto& c : cases) {
        mainMenu->SetBiDiMode(c.rtl ? bdRightToLeft : bdLeftToRight);
        style->HandleDrawItem(c.image ? imaged : top, target.Canvas(), Rect(), false);
        TBitmap expected;
        expected.SetSize(kW, kH);
        TCanvas& e = expected.Canvas();
        e.Brush().SetColor(clWhite);
        e.FillRect(RECT{0, 0, kW, kH});
        e.Font().Assign(style->Font());
        RECT r = c.text;
        e.DrawText(" Edit", r, c.rtl ? DT_RIGHT | DT_RTLREADING : 0);
        const RECT item = Rect();
        std::pair<int, int> shown = InkColumns(target.Canvas(), item.left, item.right, item.top, item.bottom, clBlack);
        std::pair<int, int> want = InkColumns(e, 0, kW, 0, kH, clBlack);
        ASSERT_GE(want.first, 0);
        EXPECT_EQ(shown.first - item.left, want.first) << c.image << c.rtl;
        EXPECT_EQ(shown.second - item.left, want.second) << c.image << c.rtl;
    }
}

TEST_F(MenuPaintTest, ItemBitmapGlyphIsKeyedOnTheGlyphsOwnWhiteAndKeepsItsTransparentSetting) {
    for (bool transparent : {false, true}) {
        PaintGlyphPicture(item->Bitmap(), clRed);
        item->Bitmap().SetTransparent(transparent);
        Paint(*item, false);
        // The glyph sits at ((24 - 10) / 2 - 1, 3) and is dimmed: an idle enabled item in high colour.
        const int x = 6, y = 3;
        const TColor ink = style->Scheme().HighColor ? LightenColor(kInk, style->DimLevel()) : kInk;
        EXPECT_EQ(At(x + 2, y + 2), ink);
        EXPECT_EQ(At(x, y), kIconBack) << "the bitmap's own background is left out";
        EXPECT_EQ(At(x + 4, y + 4), kIconBack) << "white is the glyph bitmap's background, so it is left out too";
        EXPECT_EQ(item->Bitmap().Transparent(), transparent);
    }
}

TEST_F(MenuPaintTest, GlyphGoesWhereItsHostPutsItAndCastsTheHostsShadow) {
    enum TShadow { none, schemeSelect, ownSelect };
    // Offsets from the rectangle's top-left corner of a 10-pixel glyph in an IconWidth of 24.
    struct {
        TItemHost host;
        bool top, checked, selected, systemColors;
        int dx, dy;
        TShadow shadow;
    } cases[] = {
        {TItemHost::MenuItem, false, false, true, false, (24 - 10) / 2 - 1 - 1, 3 - 1, schemeSelect},
        {TItemHost::MenuItem, true, false, true, false, 1 - 1, 3 - 2, schemeSelect},
        {TItemHost::ToolButton, false, false, true, false, -1, 1 - 1, ownSelect},
        {TItemHost::ToolButton, false, false, true, true, -1, 1 - 1, schemeSelect},
        {TItemHost::ToolButton, false, true, false, false, 0, 1, none},
        {TItemHost::Control, false, false, true, false, -1, 1 - 1, schemeSelect},
    };
    const RECT rect{10, 5, 50, 30};
    for (const auto& c : cases) {
        TCanvas& t = target.Canvas();
        t.Brush().SetColor(kSentinel);
        t.FillRect(RECT{0, 0, kW + 20, kH + 10});
        style->SetUseSystemColors(c.systemColors);
        style->BuildColorScheme(t);
        const TColorScheme& s = style->Scheme();
        TColor shadow = kSentinel;
        if (c.shadow != none)
            shadow = DarkenColor(c.shadow == ownSelect && s.HighColor ? LightenColor(kSelect, 68) : s.SchemeSelectColor, 50);
        TBitmap glyph;
        PaintGlyphPicture(glyph, clRed);
        style->PaintGlyph(t, false, c.top, c.checked, true, false, c.selected, rect, glyph, c.host);
        const int x = rect.left + c.dx, y = rect.top + c.dy;
        const int n = static_cast<int>(&c - cases);
        EXPECT_EQ(t.Pixel(x + 2, y + 2), kInk) << n;
        EXPECT_EQ(t.Pixel(x + 1, y + 2), kSentinel) << n;
        EXPECT_EQ(t.Pixel(x + 2, y + 1), kSentinel) << n;
        EXPECT_EQ(t.Pixel(x + 9, y + 9), shadow) << n;
    }
}

TEST_F(MenuPaintTest, BarItemUnderThePointerIsHotOnlyWhileTheBarTracksMeasuredFromTheOwningForm) {
    ASSERT_TRUE(style->IsNTPlatform());
    TMainMenu* otherMenu = nullptr;
    TMenuItem* otherTop = nullptr;
    TLayoutForm adopted(nullptr, [&](TForm& f) {
        otherMenu = new TMainMenu(&f);
        otherTop = AddItem(&f, otherMenu->Items(), "Edit");
    });
    otherMenu->AttachTo(&adopted);
    // Place one form so that the pointer, wherever it is, lies in the item's rectangle as seen from it.
    const POINT p = Screen->CursorPos();
    const RECT r = Rect();
    auto over = [&](TForm& f) { f.SetBounds(p.x - r.left - 5, p.y - r.top - 5, 300, 200); };
    auto away = [&](TForm& f) { f.SetBounds(p.x + 400, p.y + 400, 300, 200); };
    struct {
        TForm* pointerOver;
        TForm* elsewhere;
        UINT loop;  // the menu loop message the owning form last had
        bool hot;
    } cases[] = {{&adopted, form.get(), WM_ENTERMENULOOP, true},
                 {form.get(), &adopted, WM_ENTERMENULOOP, false},
                 {&adopted, form.get(), WM_EXITMENULOOP, false}};
    for (const auto& c : cases) {
        over(*c.pointerOver);
        away(*c.elsewhere);
        SendMessageA(adopted.Handle(), c.loop, FALSE, 0);
        style->HandleDrawItem(otherTop, target.Canvas(), Rect(), false);
        EXPECT_EQ(At(0, 0), c.hot ? kSelectBorder : kMenu) << c.hot << " " << c.loop;
        EXPECT_EQ(At(kW - 9, 2), c.hot ? kSelect : kMenu) << c.hot << " " << c.loop;
        EXPECT_EQ(At(kW - 7, 2), kMenu) << "the hot box ends 7 short of the right edge";
    }
}

}  // namespace
