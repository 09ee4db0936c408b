// Menus: shortcut texts, the item that a shortcut reaches, and dispatch through the form's window.
#include <gtest/gtest.h>

#include "tests/toolkit/Harness.h"
#include "toolkit/forms/Menus.h"

TEST(MenuShortCutTest, TextsNameKeysAndModifiersAsMenusShowThem) {
    struct {
        TShortCut keys;
        const char* text;
    } cases[] = {
        {VK_F6, "F6"},           {scAlt | VK_F4, "Alt+F4"},      {VK_DELETE, "Del"},
        {scCtrl | VK_DELETE, "Ctrl+Del"}, {scCtrl | 'O', "Ctrl+O"}, {VK_RETURN, "Enter"},
        {scShift | scCtrl | 'A', "Shift+Ctrl+A"}, {scNone, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ShortCutToText(c.keys), c.text) << c.keys;
    EXPECT_EQ(ShortCut(VK_DELETE, ssCtrl), scCtrl | VK_DELETE);
}

TEST(MenuShortCutTest, FirstItemWithTheKeyDecidesAndDisabledParentsBlockIt) {
    TForm form(&harness::TestApplication());
    TPopupMenu menu(&form);
    auto* sub = new TMenuItem(&form);
    auto* inner = new TMenuItem(&form);
    auto* later = new TMenuItem(&form);
    int innerClicks = 0;
    int laterClicks = 0;
    struct TCounter {
        int* count;
        void Click(TComponent*) { ++*count; }
    } innerCounter{&innerClicks}, laterCounter{&laterClicks};
    sub->SetCaption("Sub");
    inner->SetCaption("Inner");
    inner->SetShortCut(VK_F5);
    inner->OnClick = MethodOf<&TCounter::Click>(&innerCounter);
    later->SetCaption("Later");
    later->SetShortCut(VK_F5);
    later->OnClick = MethodOf<&TCounter::Click>(&laterCounter);
    menu.Items().Add(sub);
    sub->Add(inner);
    menu.Items().Add(later);

    EXPECT_TRUE(menu.IsShortCut(VK_F5));
    EXPECT_EQ(innerClicks, 1);
    sub->SetEnabled(false);
    EXPECT_FALSE(menu.IsShortCut(VK_F5));
    EXPECT_EQ(laterClicks, 0);
    EXPECT_FALSE(menu.IsShortCut(VK_F6));
    inner->Click();
    EXPECT_EQ(innerClicks, 1);
}
