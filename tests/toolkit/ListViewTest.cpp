// Report list view: rows, selection and sorting by caption, kept across a new window.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/Harness.h"
#include "toolkit/controls/ListView.h"
#include "toolkit/forms/Form.h"

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

namespace {

// The caption the list's window shows for a row.
std::string WindowCaption(TListView& list, int row) {
    char text[64] = {};
    LVITEMA item{};
    item.iSubItem = 0;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(list.Handle(), LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

bool WindowSelected(TListView& list, int row) {
    return (SendMessageA(list.Handle(), LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

}  // namespace

TEST(ListViewTest, RowsSelectionAndDraggedColumnWidthsSurviveRecreatingTheWindow) {
    TForm form(&harness::TestApplication());
    auto* list = new TListView(&form);
    list->SetParent(&form);
    list->SetMultiSelect(true);
    list->AddColumn("Name", 100);
    list->AddColumn("Size", 50);
    const std::vector<std::string> names = {"d", "a", "c", "b", "e"};
    for (const std::string& name : names) list->Add(TListRow{name, {name + "0"}, 0});
    list->SetSortedByText(true);
    list->SetSelected(1, true);
    list->SetSelected(3, true);
    // The user drags the second column narrower: only the window knows.
    SendMessageA(list->Handle(), LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(77, 0));

    for (int round = 0; round < 2; ++round) {
        list->RecreateWnd();
        ASSERT_EQ(SendMessageA(list->Handle(), LVM_GETITEMCOUNT, 0, 0), 5);
        for (int i = 0; i < 5; ++i) {
            const std::string expected(1, static_cast<char>('a' + i));
            EXPECT_EQ(list->Row(i).Caption, expected);
            EXPECT_EQ(list->Row(i).SubItems, std::vector<std::string>{expected + "0"});
            EXPECT_EQ(WindowCaption(*list, i), expected);
            EXPECT_EQ(list->Selected(i), i == 1 || i == 3) << i;
            EXPECT_EQ(WindowSelected(*list, i), i == 1 || i == 3) << i;
        }
        EXPECT_EQ(list->ColumnWidth(0), 100);
        EXPECT_EQ(list->ColumnWidth(1), 77);
        EXPECT_TRUE(list->SortedByText());
    }
    // Rows added after the re-creation still find their sorted place.
    EXPECT_EQ(list->Add(TListRow{"bb", {}, 0}), 2);
}
