// The main window's keys: Enter, F5 and Ctrl+A reach the focused pane's popup menu first, then the main menu.
#include "tests/app/MainWindowTestSupport.h"

#include <commctrl.h>

namespace {

// The main window shown with three rows in its list, their file selected in the tree (so the tree has read the
// scratch folder's contents).
struct MainWindowKeys : MainWindowTest {
    TForm1& Prepared(TScratchFolder& tree) {
        TForm1& window = ShownWindow();
        for (const char* name : {"r0", "r1", "r2"}) window.AddPath(tree.File(name, 1));
        EXPECT_TRUE(window.ShellTreeView1->SelectPath(tree / "r0"));
        return window;
    }
};

// The tree's selected item lies wholly inside its client area.
bool SelectionInView(HWND tree) {
    RECT item{};
    *reinterpret_cast<LPARAM*>(&item) = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
    RECT client{};
    GetClientRect(tree, &client);
    return SendMessageA(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&item)) != 0 && item.top >= 0 &&
           item.bottom <= client.bottom;
}

}  // namespace

TEST_F(MainWindowKeys, EnterOpensTheFirstSelectedRowOnlyFromTheList) {
    TScratchFolder tree("qvl_keys_enter");
    TForm1& window = Prepared(tree);
    window.ListView1->SetSelected(2, true);
    window.ListView1->SetSelected(1, true);
    window.ShellTreeView1->SetFocus();
    harness::PressKey(VK_RETURN);
    EXPECT_TRUE(Services().CallsOf(TServiceKind::ShellExecute).empty()) << "Enter in the tree";
    window.ListView1->SetFocus();
    harness::PressKey(VK_RETURN);
    const auto launches = Services().CallsOf(TServiceKind::ShellExecute);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].Text, "r1");
    EXPECT_EQ(launches[0].Directory, tree.Root());
    EXPECT_TRUE(Services().MessageTexts().empty());
}

TEST_F(MainWindowKeys, F5ReadsTheTreeAgainOnlyWhenTheTreeHasTheFocusAndKeepsItsSelectionInView) {
    TScratchFolder tree("qvl_keys_f5");
    for (int i = 0; i < 40; ++i) tree.File("f" + std::to_string(100 + i), 1);  // rows above the selected r0
    TForm1& window = Prepared(tree);
    const std::string later = tree.File("later.txt", 1);
    window.ListView1->SetFocus();
    harness::PressKey(VK_F5);
    EXPECT_FALSE(window.ShellTreeView1->SelectPath(later)) << "F5 in the list read the tree again";
    const HWND treeWindow = window.ShellTreeView1->Handle();
    SendMessageA(treeWindow, WM_VSCROLL, SB_TOP, 0);
    ASSERT_FALSE(SelectionInView(treeWindow));
    window.ShellTreeView1->SetFocus();
    harness::PressKey(VK_F5);
    EXPECT_TRUE(SelectionInView(treeWindow)) << "F5 left the selected item out of view";
    EXPECT_TRUE(window.ShellTreeView1->SelectPath(later)) << "F5 in the tree did not read it again";
    EXPECT_EQ(window.ListView1->Count(), 3);
}

TEST_F(MainWindowKeys, CtrlASelectsEveryRowFromTheListAndThroughTheMainMenuFromTheTree) {
    TScratchFolder tree("qvl_keys_all");
    TForm1& window = Prepared(tree);
    for (TWinControl* focus : std::initializer_list<TWinControl*>{window.ListView1, window.ShellTreeView1}) {
        for (int i = 0; i < 3; ++i) window.ListView1->SetSelected(i, false);
        focus->SetFocus();
        harness::PressKey('A');
        EXPECT_TRUE(SelectedRows().empty()) << "A without Ctrl selected rows";
        harness::PressKey('A', ssCtrl);
        EXPECT_EQ(SelectedRows(), (std::vector<int>{0, 1, 2})) << focus->ClassName();
    }
}
