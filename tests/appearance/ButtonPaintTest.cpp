// Flat button painters read back as pixels: bit-button tags, the grayed and right-aligned check box, and every
// face, edge, glyph image and layout of the speed button.
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "appearance/ControlSubClass.h"
#include "appearance/FlatColors.h"
#include "tests/appearance/AppearanceTestSupport.h"
#include "tests/support/WindowPixels.h"
#include "toolkit/controls/BitBtn.h"
#include "toolkit/controls/CheckBox.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/SpeedButton.h"
#include "toolkit/system/WinGuards.h"

namespace {

COLORREF Rgb(TColor colour) { return ColorToRGB(colour); }

// Pixels of a device context area, read once.
struct TPixels {
    int Width = 0, Height = 0;
    std::vector<COLORREF> Bits;
    COLORREF At(int x, int y) const { return Bits[static_cast<size_t>(y * Width + x)]; }
    // The smallest rectangle holding every pixel that passes the test; empty when none does.
    RECT Bounds(const std::function<bool(int, int, COLORREF)>& test) const {
        RECT r{Width, Height, 0, 0};
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x)
                if (test(x, y, At(x, y))) {
                    r.left = std::min<LONG>(r.left, x);
                    r.top = std::min<LONG>(r.top, y);
                    r.right = std::max<LONG>(r.right, x + 1);
                    r.bottom = std::max<LONG>(r.bottom, y + 1);
                }
        return r;
    }
};

TPixels Read(HDC dc, int width, int height) {
    TPixels p{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) p.Bits.push_back(GetPixel(dc, x, y));
    return p;
}

TPixels ReadClient(TWinControl& control) {
    TWindowDC dc(control.Handle());
    return Read(dc.Get(), control.ClientWidth(), control.ClientHeight());
}

// An off-screen surface of the given depth, filled with one colour.
struct TSurface {
    TSurface(int width, int height, int bits, COLORREF fill) : Width(width), Height(height) {
        BITMAPINFO info{};
        info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, -height, 1, static_cast<WORD>(bits),
                                          BI_RGB, 0, 0, 0, 0, 0};
        void* bitsPointer = nullptr;
        bitmap = TBitmapHandle(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bitsPointer, nullptr, 0));
        selected = std::make_unique<TSelectObject>(dc.Get(), bitmap.Get());
        TBrushHandle brush(CreateSolidBrush(fill));
        RECT all{0, 0, width, height};
        FillRect(dc.Get(), &all, brush.Get());
    }
    HDC Dc() const { return dc.Get(); }
    TPixels Pixels() const { return Read(dc.Get(), Width, Height); }
    int Width, Height;
    TMemoryDC dc{CreateCompatibleDC(nullptr)};
    TBitmapHandle bitmap;
    std::unique_ptr<TSelectObject> selected;
};

bool Bluish(COLORREF c) { return GetBValue(c) > GetRValue(c) + 100 && GetBValue(c) > GetGValue(c) + 100; }

// A strip of equal-width images of the colours, each with its bottom-left pixel white (left out when drawn).
void FillStrip(TBitmap& strip, int width, int height, const std::vector<TColor>& colours) {
    strip.SetSize(width * static_cast<int>(colours.size()), height);
    for (size_t k = 0; k < colours.size(); ++k) {
        const int left = static_cast<int>(k) * width;
        strip.Canvas().Brush().SetColor(colours[k]);
        strip.Canvas().FillRect(RECT{left, 0, left + width, height});
        strip.Canvas().SetPixel(left, height - 1, clWhite);
    }
}

struct ButtonPaintTest : ::testing::Test {
    void SetUp() override {
        harness::TestApplication();
        form = std::make_unique<TLayoutForm>(nullptr, [this](TForm& f) {
            f.SetBounds(40, 40, 560, 300);
            f.SetColor(clBtnFace);
            edit = new TEdit(&f);
            edit->SetBounds(400, 200, 80, 22);
            edit->SetParent(&f);
            bitBtn = new TBitBtn(&f);
            bitBtn->SetBounds(10, 10, 160, 30);
            bitBtn->SetCaption("Go!");
            bitBtn->SetParent(&f);
            check = new TCheckBox(&f);
            check->SetBounds(10, 60, 120, 24);
            check->SetCaption("Box");
            check->SetParent(&f);
            speed = new TSpeedButton(&f);
            speed->SetBounds(200, 10, 80, 50);
            speed->SetParent(&f);
            style = new TFlatStyle(&f);
        });
        form->Show();
        style->SetActive(true);
        edit->SetFocus();
        harness::PaintNow(*form);
        SetCursorPos(0, 0);
    }
    const TColorScheme& S() { return style->Scheme(); }
    TControlSubClass& Sub(TControl* control) {
        TControlSubClass* object = SubClassOf(*style, control);
        EXPECT_NE(object, nullptr);
        return *object;
    }
    // The speed button painted by its subclass on a surface of the background colour.
    TPixels PaintSpeed(COLORREF background, int bits = 32) {
        TSurface surface(speed->Width(), speed->Height(), bits, background);
        speed->PaintTo(surface.Dc());
        return surface.Pixels();
    }
    std::unique_ptr<TForm> form;
    TEdit* edit = nullptr;
    TBitBtn* bitBtn = nullptr;
    TCheckBox* check = nullptr;
    TSpeedButton* speed = nullptr;
    TFlatStyle* style = nullptr;
};

// Where the layout puts a glyph of the size beside the control's caption, measured as the painters measure it.
TGlyphPlacement Placement(TControl& control, TButtonLayout layout, SIZE glyph, int spacing) {
    TBitmap measure;
    measure.Canvas().Font().Assign(control.Font());
    RECT text{0, 0, 0, 0};
    measure.Canvas().DrawText(control.Caption(), text,
                              DT_CALCRECT | (control.BiDiMode() == bdRightToLeft ? DT_RTLREADING : 0));
    return PlaceGlyphAndCaption(layout, SIZE{control.Width(), control.Height()}, glyph, SIZE{text.right, text.bottom},
                                spacing);
}

// Ink of a caption drawn black on white by the system in the button's font: what the caption format gives.
TPixels ReferenceCaption(TControl& control, int width, int height, const RECT& rect, UINT format) {
    TBitmap picture;
    picture.SetSize(width, height);
    TCanvas& c = picture.Canvas();
    c.Font().Assign(control.Font());
    c.Font().SetColor(clBlack);
    c.Brush().SetStyle(bsClear);
    RECT r = rect;
    c.DrawText(control.Caption(), r, format | DT_EXPANDTABS);
    return Read(c.Handle(), width, height);
}

TEST_F(ButtonPaintTest, BitButtonTagsKeepTheGlyphAndAlignTheCaptionWithoutRightToLeftReading) {
    FillStrip(bitBtn->Glyph(), 24, 10, {clBlue});
    const int w = bitBtn->ClientWidth();
    const int h = bitBtn->ClientHeight();
    RECT shrunk{4, 2, w - 4, h - 2};
    struct {
        int tag;
        TBiDiMode mode;
        UINT format;  // of the caption; 0: centred beside the glyph as a push button's
    } cases[] = {
        {0, bdLeftToRight, 0},
        {0, bdRightToLeft, 0},
        {1002, bdLeftToRight, DT_LEFT | DT_VCENTER},
        {1002, bdRightToLeft, DT_RIGHT | DT_VCENTER},
        {1003, bdLeftToRight, DT_LEFT | DT_VCENTER},
    };
    for (const auto& c : cases) {
        bitBtn->SetTag(c.tag);
        bitBtn->SetBiDiMode(c.mode);
        harness::PaintNow(*bitBtn);
        const TPixels p = ReadClient(*bitBtn);
        const bool rtl = c.mode == bdRightToLeft;

        // The glyph, placed by the layout with the measured caption.
        const TGlyphPlacement place = Placement(*bitBtn, blGlyphLeft, SIZE{24, 10}, bitBtn->Spacing());
        const RECT glyph = p.Bounds([](int, int, COLORREF colour) { return Bluish(colour); });
        EXPECT_EQ(glyph.right - glyph.left, 24) << c.tag;
        EXPECT_EQ(glyph.bottom - glyph.top, 10) << c.tag;
        EXPECT_LE(std::abs(glyph.left - place.Glyph.left), 3) << c.tag;

        // The caption's ink matches the system's drawing of the format, pixel for pixel.
        const UINT format = c.format != 0 ? c.format : (DT_CENTER | DT_VCENTER | (rtl ? DT_RTLREADING : 0));
        const TPixels expected =
            ReferenceCaption(*bitBtn, w, h, c.format != 0 ? shrunk : place.Caption, format);
        const COLORREF face = p.At(3, h / 2);
        int differ = 0, ink = 0;
        for (int y = 2; y < h - 2; ++y)
            for (int x = 2; x < w - 2; ++x) {
                if (x >= glyph.left - 1 && x < glyph.right + 1) continue;
                const bool want = expected.At(x, y) != RGB(255, 255, 255);
                ink += want ? 1 : 0;
                differ += want != (p.At(x, y) != face) ? 1 : 0;
            }
        EXPECT_GT(ink, 10) << c.tag;
        EXPECT_EQ(differ, 0) << c.tag << " / " << c.mode;

        const TColor parentFace = LightenColor(form->Brush().Color(), S().IdleLightenPercent);
        if (c.tag == 1003) {
            EXPECT_EQ(face, Rgb(parentFace)) << "the parent-based face";
            EXPECT_EQ(p.At(w - 1, h / 2), Rgb(LightenColor(parentFace, 30))) << "no edge lines";
        }
    }
    // The right-to-left reading order would have shown: the reference formats differ.
    const TPixels plain = ReferenceCaption(*bitBtn, w, h, shrunk, DT_RIGHT | DT_VCENTER);
    const TPixels reading = ReferenceCaption(*bitBtn, w, h, shrunk, DT_RIGHT | DT_VCENTER | DT_RTLREADING);
    EXPECT_NE(plain.Bits, reading.Bits);
}

TEST_F(ButtonPaintTest, CheckBoxBoxFollowsCaptionSideAndReadingOrderAndGrayedIsSilverWithAGrayTick) {
    const int w = GetSystemMetrics(SM_CXHTHUMB);
    const int cw = check->ClientWidth();
    const int ch = check->ClientHeight();
    enum TSide { sideLeft, sideRight, sideFull };
    const TColor silver = 0xC0C0C0, gray = 0x808080;
    const TColorScheme& s = S();
    struct {
        TCheckBoxState state;
        TLeftRight alignment;
        TBiDiMode mode;
        bool enabled, hot, held;
        TSide side;
        TColor fill, pen, tick;  // tick clNone: no tick
    } cases[] = {
        {cbGrayed, taRightJustify, bdLeftToRight, true, false, false, sideLeft, silver, clBtnShadow, gray},
        {cbGrayed, taRightJustify, bdLeftToRight, true, true, false, sideLeft, silver, s.SchemeSelectBorderColor, gray},
        {cbGrayed, taRightJustify, bdLeftToRight, true, false, true, sideLeft, silver, clBtnShadow, clWindow},
        {cbGrayed, taRightJustify, bdLeftToRight, false, false, false, sideLeft, silver, clBtnShadow,
         s.SchemeDisabledColor},
        {cbChecked, taLeftJustify, bdLeftToRight, true, false, false, sideRight, clWindow, clBtnShadow, clHighlight},
        {cbChecked, taLeftJustify, bdRightToLeft, true, false, false, sideLeft, clWindow, clBtnShadow, clHighlight},
        {cbChecked, taRightJustify, bdRightToLeft, true, false, true, sideRight, s.SchemeCheckBackSelectColor,
         clBtnShadow, clWindow},
        {cbUnchecked, taLeftJustify, bdRightToLeftNoAlign, true, false, false, sideFull, clWindow, clBtnShadow,
         clNone},
    };
    for (const auto& c : cases) {
        check->SetState(c.state);
        check->SetAlignment(c.alignment);
        check->SetBiDiMode(c.mode);
        check->SetEnabled(c.enabled);
        harness::PaintNow(*check);
        TControlSubClass& object = Sub(check);
        object.MouseInControl = c.hot;
        object.LeftButtonDown = c.held;
        object.PaintControl();
        object.LeftButtonDown = false;
        const TPixels p = ReadClient(*check);
        RECT r{0, 3, cw, ch - 3};
        r.top += (r.bottom - r.top - w) / 2;
        r.bottom = r.top + w;
        if (c.side == sideLeft) r.right = r.left + w - 1;
        if (c.side == sideRight) r.left = r.right - w + 1;
        InflateRect(&r, -2, -2);
        const int row = &c - cases;
        EXPECT_EQ(p.At(r.left, r.top), Rgb(c.pen)) << row;
        EXPECT_EQ(p.At(r.right - 1, r.bottom - 1), Rgb(c.pen)) << row;
        EXPECT_EQ(p.At(r.left + 1, r.top + 1), Rgb(c.fill)) << row;
        // (X + 3, Y - 4) lies on the tick drawn from the box's left and bottom.
        EXPECT_EQ(p.At(r.left + 3, r.bottom - 4), Rgb(c.tick == clNone ? c.fill : c.tick)) << row;
    }
}

TEST_F(ButtonPaintTest, SpeedButtonFaceAndEdgeFollowFlatTransparentHotDownHeldAndEnabled) {
    const COLORREF back = RGB(0xF0, 0xCC, 0xAA);
    const TColorScheme& s = S();
    const TColor parent = form->Brush().Color();
    const TColor shadow = clBtnShadow, ssb = s.SchemeSelectBorderColor;
    const TColor hotEdge = LightenColor(ssb, 60);
    const TColor hotFace = LightenColor(clBtnFace, s.HotLightenPercent);
    const TColor none = clNone;  // the background shows
    struct {
        bool flat, transparent, hot, down, held, enabled;
        int tag;
        TColor face;                  // interior, none: background
        TColor anded;                 // interior laid over the background with AND; none: not
        TColor top, left, right;      // edge pixels in the middle of the sides
    } cases[] = {
        // Raised, opaque: raised lines, or pressed lines when held or down.
        {false, false, false, false, false, true, 0, s.SchemeIconBackColor, none, LightenColor(shadow, 30),
         LightenColor(shadow, 30), DarkenColor(shadow, 50)},
        {false, false, false, false, false, true, 1000, LightenColor(parent, s.IdleLightenPercent), none,
         LightenColor(shadow, 30), LightenColor(shadow, 30), DarkenColor(shadow, 50)},
        {false, false, false, false, true, true, 0, s.SchemeIconBackColor, none, DarkenColor(shadow, 50),
         DarkenColor(shadow, 50), LightenColor(shadow, 30)},
        {false, false, false, true, false, true, 0, s.SchemeCheckBackColor, none, DarkenColor(ssb, 50),
         DarkenColor(ssb, 50), LightenColor(ssb, 30)},
        {false, false, true, true, false, true, 0, s.SchemeCheckBackSelectColor, none, DarkenColor(ssb, 50),
         DarkenColor(ssb, 50), LightenColor(ssb, 30)},
        {false, false, false, true, false, false, 0, s.SchemeCheckBackColor, none, LightenColor(shadow, 30),
         LightenColor(shadow, 30), LightenColor(shadow, 30)},
        // Raised, transparent: the background shows, lightened face ANDed over it when hot or down.
        {false, true, false, false, false, true, 0, none, none, LightenColor(shadow, 30), LightenColor(shadow, 30),
         DarkenColor(shadow, 50)},
        {false, true, true, false, false, true, 0, none, LightenColor(hotFace, 5), LightenColor(hotEdge, 30),
         LightenColor(hotEdge, 30), DarkenColor(hotEdge, 50)},
        {false, true, false, true, false, true, 0, none, LightenColor(s.SchemeCheckBackColor, 5),
         DarkenColor(ssb, 50), DarkenColor(ssb, 50), LightenColor(ssb, 30)},
        // Flat: no frame at rest; a second frame when hot, held or down.
        {true, false, false, false, false, true, 0, parent, none, parent, parent, parent},
        {true, true, false, false, false, true, 0, none, none, none, none, none},
        {true, true, false, true, false, true, 0, none, LightenColor(s.SchemeSelectColor, 20), DarkenColor(ssb, 50),
         DarkenColor(ssb, 50), ssb},
        {true, false, true, false, false, true, 0, s.SchemeSelectColor, none, ssb, ssb, ssb},
        {true, true, true, false, false, true, 0, none, LightenColor(s.SchemeSelectColor, 20), ssb, ssb, ssb},
    };
    bool skipped = false;
    for (const auto& c : cases) {
        const int row = &c - cases;
        speed->SetFlat(c.flat);
        speed->SetTransparent(c.transparent);
        speed->SetTag(c.tag);
        speed->SetEnabled(c.enabled);
        speed->SetGroupIndex(1);
        speed->SetAllowAllUp(true);
        speed->SetDown(c.down);
        if (c.flat && c.hot && !CentreAtPointer(*form, *speed)) {
            skipped = true;
            continue;
        }
        TControlSubClass& object = Sub(speed);
        object.MouseInControl = c.hot;
        object.LeftButtonDown = c.held;
        const TPixels p = PaintSpeed(back);
        object.LeftButtonDown = false;
        if (c.flat && c.hot) CentreAtPointer(*form, *speed, 0, 3 * speed->Height());
        auto shown = [&](TColor colour) { return colour == none ? back : Rgb(colour); };
        const int w = speed->Width(), h = speed->Height();
        const COLORREF interior = c.anded != none ? back & Rgb(c.anded) : shown(c.face);
        EXPECT_EQ(p.At(5, 5), interior) << row;
        EXPECT_EQ(p.At(w / 2, 0), shown(c.top)) << row;
        EXPECT_EQ(p.At(0, h / 2), shown(c.left)) << row;
        EXPECT_EQ(p.At(w - 1, h / 2), shown(c.right)) << row;
    }
    if (skipped) GTEST_SKIP() << "the pointer does not come to rest: flat hot rows not run";
}

TEST_F(ButtonPaintTest, TransparentSpeedButtonAtSixteenBitsAndsThePlainFace) {
    speed->SetFlat(false);
    speed->SetGroupIndex(1);
    speed->SetDown(true);
    const COLORREF back = RGB(255, 255, 255);  // the AND itself is read at full depth above
    TSurface probe(1, 1, 16, back);
    if (GetDeviceCaps(probe.Dc(), BITSPIXEL) != 16)
        GTEST_SKIP() << "a memory device context reports the screen's depth, not its bitmap's: run on a 16-bit display";
    auto anded = [&](TColor face) {
        TSurface one(1, 1, 16, back);
        TSurface colour(1, 1, 32, Rgb(face));
        BitBlt(one.Dc(), 0, 0, 1, 1, colour.Dc(), 0, 0, SRCAND);
        return GetPixel(one.Dc(), 0, 0);
    };
    const TColor face = S().SchemeCheckBackColor;
    ASSERT_NE(anded(face), anded(LightenColor(face, 5))) << "the two faces must be told apart at this depth";
    EXPECT_EQ(PaintSpeed(back, 16).At(5, 5), anded(face));
}

TEST_F(ButtonPaintTest, SpeedButtonShowsTheGlyphImageOfItsStatePlacedByLayoutAndSpacing) {
    const std::vector<TColor> images = {RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 0, 150), RGB(255, 255, 0)};
    speed->SetFlat(false);
    speed->SetTransparent(false);
    speed->SetCaption("Ab");
    speed->SetSpacing(3);
    speed->SetGroupIndex(1);
    speed->SetAllowAllUp(true);
    struct {
        TButtonLayout layout;
        TBiDiMode mode;
        int numGlyphs;
        bool enabled, held, down;
        int image;
        TButtonLayout placedAs;
    } cases[] = {
        {blGlyphLeft, bdLeftToRight, 1, true, false, false, 0, blGlyphLeft},
        {blGlyphRight, bdLeftToRight, 4, true, false, false, 0, blGlyphRight},
        {blGlyphTop, bdLeftToRight, 4, true, false, false, 0, blGlyphTop},
        {blGlyphBottom, bdLeftToRight, 4, true, false, false, 0, blGlyphBottom},
        {blGlyphLeft, bdRightToLeft, 4, true, false, false, 0, blGlyphRight},
        {blGlyphRight, bdRightToLeft, 4, true, false, false, 0, blGlyphLeft},
        {blGlyphLeft, bdLeftToRight, 4, false, false, false, 1, blGlyphLeft},
        {blGlyphLeft, bdLeftToRight, 1, false, false, false, 0, blGlyphLeft},
        {blGlyphLeft, bdLeftToRight, 4, true, true, false, 2, blGlyphLeft},
        {blGlyphLeft, bdLeftToRight, 2, true, true, false, 0, blGlyphLeft},
        {blGlyphLeft, bdLeftToRight, 4, true, true, true, 3, blGlyphLeft},
        {blGlyphLeft, bdLeftToRight, 3, true, false, true, 0, blGlyphLeft},
    };
    const int gw = 24, gh = 10;
    for (const auto& c : cases) {
        const int row = &c - cases;
        FillStrip(speed->Glyph(), gw, gh, std::vector<TColor>(images.begin(), images.begin() + c.numGlyphs));
        speed->SetNumGlyphs(c.numGlyphs);
        speed->SetLayout(c.layout);
        speed->SetBiDiMode(c.mode);
        speed->SetEnabled(c.enabled);
        speed->SetDown(c.down);
        TControlSubClass& object = Sub(speed);
        object.MouseInControl = false;
        object.LeftButtonDown = c.held;
        const TPixels p = PaintSpeed(RGB(255, 255, 255));
        object.LeftButtonDown = false;

        // What the glyph painter makes of the expected image in this state, drawn at (10, 10).
        TBitmap expectedImage;
        FillStrip(expectedImage, gw, gh, {images[static_cast<size_t>(c.image)]});
        TBitmap reference;
        reference.SetSize(60, 40);
        style->PaintGlyph(reference.Canvas(), c.mode == bdRightToLeft, false, false, c.enabled, c.held || c.down,
                          false, RECT{10, 10, 10 + gw, 10 + gh}, expectedImage);
        const TPixels ref = Read(reference.Canvas().Handle(), 60, 40);
        const RECT refBox = ref.Bounds([](int, int, COLORREF colour) { return colour != RGB(255, 255, 255); });
        const COLORREF glyphColour = ref.At(refBox.left + gw / 2, refBox.top + gh / 2);

        const TGlyphPlacement place = Placement(*speed, c.placedAs, SIZE{gw, gh}, 3);
        const RECT glyph = p.Bounds([&](int, int, COLORREF colour) { return colour == glyphColour; });
        EXPECT_EQ(glyph.left, place.Glyph.left + refBox.left - 10) << row;
        EXPECT_EQ(glyph.top, place.Glyph.top + refBox.top - 10) << row;
        EXPECT_EQ(glyph.right - glyph.left, gw) << row;

        // The caption's ink lies in its rectangle.
        const COLORREF face = p.At(3, speed->Height() - 4);
        const RECT ink = p.Bounds([&](int x, int y, COLORREF colour) {
            const bool inGlyph = x >= glyph.left - 1 && x <= glyph.right && y >= glyph.top - 1 && y <= glyph.bottom;
            return x > 1 && y > 1 && x < speed->Width() - 2 && y < speed->Height() - 2 && !inGlyph && colour != face;
        });
        EXPECT_GE(ink.left, place.Caption.left) << row;
        EXPECT_GE(ink.top, place.Caption.top) << row;
        EXPECT_LE(ink.right, place.Caption.right) << row;
        EXPECT_LE(ink.bottom, place.Caption.bottom) << row;
        EXPECT_LT(ink.left, ink.right) << row;
    }
}

}  // namespace
