// The main window's toolkit controls on their own: menu shortcuts and their texts, list rows and sorting.
#include "tests/app/MainWindowTestSupport.h"

#include "toolkit/controls/ListView.h"
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

TEST(ListViewTest, TextSortUsesTheLocaleOrderKeepsEqualCaptionsInPlaceAndSelection) {
    TForm form(&harness::TestApplication());
    auto* list = new TListView(&form);
    list->SetParent(&form);
    list->SetMultiSelect(true);
    list->AddColumn("Name", 100);
    for (const char* name : {"b", "_x", "B", "a", "b"}) list->Add(TListRow{name, {name}, 0});
    list->SetSelected(4, true);
    list->SetSortedByText(true);
    std::vector<std::string> order;
    for (int i = 0; i < list->Count(); ++i) order.push_back(list->Row(i).Caption);
    std::vector<std::string> expected = order;
    std::stable_sort(expected.begin(), expected.end(),
                     [](const std::string& x, const std::string& y) { return lstrcmpA(x.c_str(), y.c_str()) < 0; });
    EXPECT_EQ(order, expected);
    // Byte order would put "B" before "a"; the locale order does not.
    EXPECT_LT(std::find(order.begin(), order.end(), "a") - order.begin(),
              std::find(order.begin(), order.end(), "B") - order.begin());
    int selected = list->NextSelected(0);
    ASSERT_GE(selected, 0);
    EXPECT_EQ(list->Row(selected).Caption, "b");
    EXPECT_EQ(list->NextSelected(selected + 1), -1);
    EXPECT_EQ(list->Add(TListRow{"b", {}, 0}), selected + 1);
}
