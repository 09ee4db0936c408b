// The main window's list and tree commands: Remove, sorting, Open, Erase, shortcuts, Encrypt and Decrypt.
#include "tests/app/MainWindowTestSupport.h"

namespace {

// Five rows named r0 .. r4, one byte each.
void AddFiveRows(TForm1& window, TScratchFolder& tree) {
    for (int i = 0; i < 5; ++i) window.AddPath(tree.File("r" + std::to_string(i), 1));
}

}  // namespace

TEST_F(MainWindowTest, RemoveDeletesSelectedRowsAndSelectsTheRowInTheFirstOnesPlace) {
    struct {
        std::vector<int> selected;
        std::vector<std::string> remaining;
        std::vector<int> selectedAfter;
    } cases[] = {
        {{2, 3}, {"r0", "r1", "r4"}, {2}},
        {{4}, {"r0", "r1", "r2", "r3"}, {3}},
        {{1, 4}, {"r0", "r2", "r3"}, {1}},
        {{0, 1, 2, 3, 4}, {}, {}},
        {{}, {"r0", "r1", "r2", "r3", "r4"}, {}},
    };
    for (const auto& c : cases) {
        TScratchFolder tree("qvl_remove");
        TForm1& window = Window();
        AddFiveRows(window, tree);
        for (int row : c.selected) window.ListView1->SetSelected(row, true);
        window.ToolButton3->Click();
        EXPECT_EQ(Captions(), c.remaining);
        EXPECT_EQ(SelectedRows(), c.selectedAfter);
        EXPECT_EQ(TotalsText(), "Total files: " + std::to_string(c.remaining.size()) +
                                    "     Total size: " + std::to_string(c.remaining.size()) + " byte(s)");
        DestroyForms();
    }
}

TEST_F(MainWindowTest, NameSortPlacesLaterRowsAndTurningItOffKeepsTheOrder) {
    TScratchFolder tree("qvl_sort");
    TForm1& window = Window();
    for (const char* name : {"b", "C", "a"}) window.AddPath(tree.File(name, 1));
    window.ListView1->SetSelected(0, true);
    window.ListView1ColumnClick(nullptr, 1);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"b", "C", "a"}));
    window.ListView1ColumnClick(nullptr, 0);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"a", "b", "C"}));
    EXPECT_EQ(SelectedRows(), std::vector<int>{1});
    EXPECT_EQ(window.ListView1->ColumnImage(0), 7);
    window.AddPath(tree.File("bb", 1));
    EXPECT_EQ(Captions(), (std::vector<std::string>{"a", "b", "bb", "C"}));
    window.ListView1ColumnClick(nullptr, 0);
    EXPECT_EQ(window.ListView1->ColumnImage(0), -1);
    window.AddPath(tree.File("0", 1));
    EXPECT_EQ(Captions(), (std::vector<std::string>{"a", "b", "bb", "C", "0"}));
}

TEST_F(MainWindowTest, OpenLaunchesOnlyTheFirstSelectedRowInItsFolder) {
    TScratchFolder tree("qvl_open");
    TForm1& window = Window();
    AddFiveRows(window, tree);
    window.Open1->Click();
    EXPECT_TRUE(Services().CallsOf(TServiceKind::ShellExecute).empty());
    window.ListView1->SetSelected(3, true);
    window.ListView1->SetSelected(1, true);
    window.ListView1DblClick(nullptr);
    auto launches = Services().CallsOf(TServiceKind::ShellExecute);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].Verb, "open");
    EXPECT_EQ(launches[0].Text, "r1");
    EXPECT_EQ(launches[0].Parameters, "");
    EXPECT_EQ(launches[0].Directory, tree.Root());
    EXPECT_EQ(launches[0].Show, SW_SHOWNORMAL);
    EXPECT_EQ(launches[0].Owner, window.Handle());
}

TEST_F(MainWindowTest, EraseAsksThenErasesTheTreeFileAndRefreshesLeavingTheList) {
    TScratchFolder tree("qvl_erase");
    std::string file = tree.File("secret.txt", 700);
    TForm1& window = ShownWindow();
    window.AddPath(file);
    ASSERT_TRUE(window.ShellTreeView1->SelectPath(file));
    ASSERT_EQ(window.ShellTreeView1->Path(), file);

    Services().AnswerMessageBox(IDNO);
    window.Erase2->Click();
    EXPECT_TRUE(GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES);

    Services().AnswerMessageBox(IDYES);
    window.Erase1->Click();
    auto boxes = Services().CallsOf(TServiceKind::MessageBox);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].Text, "Are you sure you want to erase (delete) the selected file:\r" + file);
    EXPECT_EQ(boxes[1].Caption, std::optional<std::string>("Quiverlock 2.0"));
    // No is the default answer: Enter (or Del then Enter) wipes nothing.
    EXPECT_EQ(boxes[1].Flags, static_cast<UINT>(MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2));
    EXPECT_EQ(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(window.ShellTreeView1->Path(), tree.Root());
    EXPECT_EQ(window.ListView1->Count(), 1);

    // A folder is never erased, and that is said; so is a tree item deleted while selected.
    window.Erase1->Click();
    const std::string gone = tree.File("gone.txt", 5);
    window.ToolButton1->Click();
    ASSERT_TRUE(window.ShellTreeView1->SelectPath(gone));
    ASSERT_TRUE(DeleteFileA(gone.c_str()));
    window.Erase1->Click();
    const std::vector<std::string> texts = Services().MessageTexts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[2], "Erase erases files only; a folder is not erased.\r" + tree.Root());
    EXPECT_EQ(texts[3], "The file or folder no longer exists.\r" + gone);
}

TEST_F(MainWindowTest, DelRemovesRowsInTheListAndAsksToEraseInTheTree) {
    TScratchFolder tree("qvl_keys");
    std::string file = tree.File("keep.txt", 5);
    TForm1& window = ShownWindow();
    window.AddPath(file);
    window.AddPath(file);
    window.ListView1->SetFocus();
    window.ListView1->SetSelected(0, true);
    harness::PressKey(VK_DELETE);
    harness::ProcessMessages();
    EXPECT_EQ(window.ListView1->Count(), 1);
    EXPECT_TRUE(Services().MessageTexts().empty());
    EXPECT_NE(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES);

    ASSERT_TRUE(window.ShellTreeView1->SelectPath(file));
    window.ShellTreeView1->SetFocus();
    Services().AnswerMessageBox(IDNO);
    harness::PressKey(VK_DELETE);
    harness::ProcessMessages();
    ASSERT_EQ(Services().MessageTexts().size(), 1u);
    EXPECT_EQ(Services().MessageTexts()[0], "Are you sure you want to erase (delete) the selected file:\r" + file);
    EXPECT_EQ(window.ListView1->Count(), 1);

    // Ctrl+Del reaches only the disabled Clear items: nothing happens.
    EXPECT_FALSE(DispatchShortCut(window.MainMenu1, VK_DELETE, ssCtrl));
}

TEST_F(MainWindowTest, EncryptAndDecryptExplainWhatIsMissing) {
    TScratchFolder tree("qvl_missing");
    TForm1& window = ShownWindow();
    window.Encrypt1->Click();
    ASSERT_TRUE(window.ShellTreeView1->SelectPath(tree.Root()));
    window.Delete1->Click();
    auto boxes = Services().CallsOf(TServiceKind::MessageBox);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].Text,
              "Please specify files you want to encrypt.\r\rYou can add files by dropping them on the list.");
    EXPECT_EQ(boxes[1].Text, "Please select a file you want to decrypt.");
    for (const auto& box : boxes) {
        EXPECT_EQ(box.Caption, std::optional<std::string>("Quiverlock 2.0"));
        EXPECT_EQ(box.Flags, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    }

    std::string file = tree.File("box.qvl", 3);
    window.AddPath(file);
    bool encryptShown = false;
    {
        harness::TModalScript closeEncrypt(*Form2, {[&] {
            encryptShown = true;
            Form2->SetModalResult(mrCancel);
        }});
        window.ToolButton4->Click();
    }
    EXPECT_TRUE(encryptShown);
    ASSERT_TRUE(window.ShellTreeView1->SelectPath(file));
    std::string decryptSource;
    {
        harness::TModalScript closeDecrypt(*Form5, {[&] {
            decryptSource = Form5->Edit1->Text();
            Form5->SetModalResult(mrCancel);
        }});
        window.ToolButton6->Click();
    }
    EXPECT_EQ(decryptSource, file);
    EXPECT_EQ(Services().CallsOf(TServiceKind::MessageBox).size(), 2u);
}
