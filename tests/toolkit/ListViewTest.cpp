// Report list view: rows, selection and sorting by caption.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/toolkit/Harness.h"
#include "toolkit/controls/ListView.h"

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
