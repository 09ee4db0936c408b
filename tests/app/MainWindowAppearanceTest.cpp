// The main window's flat menus and Alt-key fix: what its creation styles, how an item paints, and nothing left after.
#include "tests/app/MainWindowTestSupport.h"

#include "appearance/FlatColors.h"
#include "appearance/FlatStyleManager.h"

namespace {

template <class F>
void ForEachItem(TMenuItem& item, const F& f) {
    for (int i = 0; i < item.Count(); ++i) {
        f(*item.Items(i));
        ForEachItem(*item.Items(i), f);
    }
}

TEST_F(MainWindowTest, CreationMakesTheThreeMenusFlatAndLeavesTheManagerWithoutAnActiveStyle) {
    TForm1& window = Window();
    ASSERT_TRUE(window.FlatStyle1->Active());
    EXPECT_EQ(window.FlatStyle1->XPControls(), XPBit(xcMainMenu) | XPBit(xcPopupMenu));
    EXPECT_EQ(window.FlatStyle1->Font().Name(), "Tahoma");
    int items = 0;
    for (TMenu* menu : {static_cast<TMenu*>(window.MainMenu1), static_cast<TMenu*>(window.PopupMenu1),
                        static_cast<TMenu*>(window.PopupMenu2)}) {
        EXPECT_TRUE(menu->OwnerDraw());
        ForEachItem(menu->Items(), [&](TMenuItem& item) {
            ++items;
            EXPECT_EQ(item.OnDrawItem.Data(), window.FlatStyle1) << item.Caption();
            EXPECT_EQ(item.OnMeasureItem.Data(), window.FlatStyle1) << item.Caption();
        });
    }
    EXPECT_EQ(items, 20 + 9 + 3);  // bar items, their sub-items and separators, then the two popups
    ASSERT_NE(FlatStyleManager, nullptr);
    EXPECT_EQ(FlatStyleManager->ActiveFlatStyle(), nullptr);
    EXPECT_EQ(FlatStyleManager->FlatStyles(), std::vector<TFlatStyle*>{window.FlatStyle1});
    EXPECT_EQ(window.AltKeyFix1->Owner(), &window);
    EXPECT_TRUE(window.AltKeyFix1->RepaintAll);

    // Commands still run through the owner-drawn menu bar.
    int clicks = 0;
    struct TCounter {
        int* count;
        void Click(TComponent*) { ++*count; }
    } counter{&clicks};
    window.SmallIcons1->OnClick = MethodOf<&TCounter::Click>(&counter);
    SendMessageA(window.Handle(), WM_COMMAND, window.SmallIcons1->Command(), 0);
    EXPECT_EQ(clicks, 1);

    DestroyForms();
    EXPECT_EQ(FlatStyleManager, nullptr);
}

TEST_F(MainWindowTest, MenuItemDrawnThroughTheWindowShowsTheFlatStripAndSelection) {
    TForm1& window = Window();
    TBitmap target;
    target.SetSize(150, 24);
    EXPECT_EQ(harness::SendMenuDrawItem(window.Handle(), window.Encrypt1, target.Canvas().Handle(), RECT{0, 0, 150, 24},
                                        ODS_SELECTED),
              TRUE);
    EXPECT_EQ(target.Canvas().Pixel(0, 0), LightenColor(clBtnFace, 16)) << "icon strip above the selection";
    EXPECT_EQ(target.Canvas().Pixel(0, 5), static_cast<TColor>(ColorToRGB(clHighlight))) << "selection frame";
    EXPECT_EQ(target.Canvas().Pixel(148, 5), LightenColor(clHighlight, 68)) << "selection fill";
}

}  // namespace
