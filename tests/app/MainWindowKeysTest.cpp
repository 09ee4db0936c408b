// The main window's keys: Enter, F5 and Ctrl+A reach the focused pane's popup menu first, then the main menu;
// F10 and Alt reach the menu bar.
#include "tests/app/MainWindowTestSupport.h"

#include <commctrl.h>

#include "toolkit/controls/WindowProcHook.h"

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

// Counts the keyboard starts of the form's menu bar and keeps its modal loop from running.
struct TMenuKeyLog {
    TWindowProcHook hook;
    int starts = 0;
    void Proc(TMessage& message) {
        if (message.Msg == WM_SYSCOMMAND && (message.WParam & 0xFFF0) == SC_KEYMENU)
            ++starts;
        else
            hook.CallSaved(message);
    }
};

// A key pressed and released alone as the system reports it: F10, or Alt with the Alt flag.
void PressSystemKey(WORD key) {
    const LPARAM flags = 1 | (MapVirtualKeyA(key, 0) << 16) | (key == VK_MENU ? KF_ALTDOWN << 16 : 0);
    PostMessageA(GetFocus(), WM_SYSKEYDOWN, key, flags);
    PostMessageA(GetFocus(), WM_SYSKEYUP, key, flags | 0xC0000000u);
    harness::ProcessMessages();
}

}  // namespace

TEST_F(MainWindowKeys, F10AndAltAloneStartTheMenuBarFromEitherPane) {
    TForm1& window = ShownWindow();
    TMenuKeyLog log;
    log.hook.Hook(window, MethodOf<&TMenuKeyLog::Proc>(&log));
    for (TWinControl* focus : std::initializer_list<TWinControl*>{window.ListView1, window.ShellTreeView1})
        for (WORD key : {VK_F10, VK_MENU}) {
            focus->SetFocus();
            log.starts = 0;
            PressSystemKey(key);
            EXPECT_EQ(log.starts, 1) << focus->ClassName() << " key " << key;
        }
}

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
