// Launch and Save As: offsets of later rows, edge sizes, destinations, failures and hostile rows.
#include "tests/stub/StubTestSupport.h"

#include "app/payload/WriteFailure.h"
#include "tests/support/LoopMount.h"

namespace {

using StubExtract = StubTest;

const std::vector<TPackedFile> kThree = {
    {"one.bin", RandomBytes(8191, 11)}, {"two.bin", RandomBytes(13, 12)}, {"three.bin", RandomBytes(20000, 13)}};

TEST_F(StubExtract, LaunchDecryptsOnlyTheSelectedRowFromItsOffsetAndOpensItInTheTempFolder) {
    std::vector<TPackedFile> files = kThree;  // their copies go to the temp folder
    for (TPackedFile& file : files) file.name = RunName(file.name);
    OpenStub(Package(files));
    const std::string copy = GetTempDir() + files[2].name;
    DeleteFileA(copy.c_str());
    PutFile(scratch / files[2].name, RandomBytes(4, 10));  // beside the package: not the file to open
    Select({2});
    harness::ClickControl(*Window().SpeedButton1);
    EXPECT_EQ(FileBytes(copy), kThree[2].contents);
    EXPECT_FALSE(FileExists(GetTempDir() + files[0].name));
    const auto launches = scope.services.CallsOf(TServiceKind::ShellExecute);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].Text, copy);
    EXPECT_EQ(launches[0].Directory, GetTempDir());
    EXPECT_EQ(launches[0].Verb, "");
    EXPECT_EQ(launches[0].Show, SW_SHOWNORMAL);
    EXPECT_EQ(Window().ProgressBar1->Position(), 0);
    // The list's double-click, Enter and the popup item launch the selection the same way.
    scope.services = TScriptedServices();
    Window().ListView1DblClick(nullptr);
    Window().ListView1->SetFocus();
    harness::PressKey(VK_RETURN);
    Window().N1->Click();
    EXPECT_EQ(scope.services.CallsOf(TServiceKind::ShellExecute).size(), 3u);
    Window().Close();
    EXPECT_FALSE(FileExists(copy)) << "closing erases the temp copies";
}

TEST_F(StubExtract, SaveAsSeveralRowsWritesEveryEdgeSizeIntoTheChosenFolder) {
    const std::vector<TPackedFile> files = {
        {"empty.txt", {}}, {"page.bin", RandomBytes(8192, 14)}, {"odd.bin", RandomBytes(8193 * 2 + 5, 15)}};
    OpenStub(Package(files));
    const std::string folder = scratch / "out";
    CreateDirectoryA(folder.c_str(), nullptr);
    scope.services.AnswerFolder(folder);
    Window().SelectAll1->Click();
    harness::ClickControl(*Window().SpeedButton2);
    for (const TPackedFile& file : files) EXPECT_EQ(FileBytes(folder + "\\" + file.name), file.contents) << file.name;
    const auto browse = scope.services.CallsOf(TServiceKind::FolderBrowser);
    ASSERT_EQ(browse.size(), 1u);
    EXPECT_EQ(browse[0].Text, "Select destination folder:");
    EXPECT_TRUE(scope.services.MessageTexts().empty());
    EXPECT_EQ(FolderEntries(folder), (std::vector<std::string>{"empty.txt", "odd.bin", "page.bin"}));
}

TEST_F(StubExtract, SaveAsSeveralRowsAsksForEachFileThereAndNoKeepsTheUsersBytes) {
    // Two rows of one name (as a folder drop of d1\same.txt and d2\same.txt makes) and one of a user's file.
    OpenStub(CraftedPackage(CraftHeaderPayload("pw", "same.txt?3?same.txt?4?user.txt?2?", RandomBytes(9, 16))), "pw");
    const std::string folder = scratch / "out";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string same = folder + "\\same.txt";
    const std::string user = folder + "\\user.txt";
    PutFile(user, RandomBytes(5, 17));
    for (int answer : {IDNO, IDYES}) {
        scope.services = TScriptedServices();
        DeleteFileA(same.c_str());
        scope.services.AnswerFolder(folder);
        scope.services.AnswerMessageBox(answer);  // the second same.txt
        scope.services.AnswerMessageBox(IDNO);    // user.txt
        Window().SelectAll1->Click();
        harness::ClickControl(*Window().SpeedButton2);
        EXPECT_EQ(scope.services.MessageTexts(),
                  (std::vector<std::string>{"File \"" + same + "\" already exists.\rOverwrite?",
                                            "File \"" + user + "\" already exists.\rOverwrite?"}));
        EXPECT_EQ(FileBytes(same).size(), answer == IDNO ? 3u : 4u);
        EXPECT_EQ(FileBytes(user), RandomBytes(5, 17));
    }
}

TEST_F(StubExtract, SaveAsThatFailsOnAFullDiskLeavesTheReplacedFileAsItWas) {
    const std::string image = scratch / "disk.img";
    TLoopMount disk(image, scratch / "mnt", 8);
    if (!disk.Mounted()) GTEST_SKIP() << "this machine refuses a loop mount of an ext4 image: " << disk.Failure();
    OpenStub(Package({{"big.bin", RandomBytes(300000, 18)}}));
    const std::string old = scratch / "mnt\\big.bin";
    PutFile(old, RandomBytes(1000, 19));
    {
        TWin32FileStream filler(scratch / "mnt\\filler", TFileMode::fmCreate);
        const std::vector<uint8_t> block(65536, 0x5A);
        while (filler.Write(block.data(), static_cast<int32_t>(block.size())) == static_cast<int32_t>(block.size())) {
        }
    }
    Select({0});
    scope.services.AnswerSaveDialog(old);
    scope.services.AnswerMessageBox(IDYES);
    harness::ClickControl(*Window().SpeedButton2);
    EXPECT_EQ(scope.services.MessageTexts().back(), WriteFailureText(old, ERROR_DISK_FULL));
    EXPECT_EQ(FileBytes(old), RandomBytes(1000, 19));
    for (const std::string& entry : FolderEntries(scratch / "mnt")) EXPECT_NE(entry.substr(0, 3), "~qv");
    CloseStub();
    DeleteFileA((scratch / "mnt\\filler").c_str());
    DeleteFileA(old.c_str());
}

TEST_F(StubExtract, SaveAsOneRowAsksBeforeOverwritingAndNoKeepsTheFile) {
    OpenStub(Package(kThree));
    const std::string chosen = scratch / "kept.bin";
    const std::vector<uint8_t> old = RandomBytes(77, 17);
    PutFile(chosen, old);
    Select({1});
    scope.services.AnswerSaveDialog(chosen);
    scope.services.AnswerMessageBox(IDNO);
    harness::ClickControl(*Window().SpeedButton2);
    EXPECT_EQ(FileBytes(chosen), old);
    const auto saves = scope.services.CallsOf(TServiceKind::SaveDialog);
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(saves[0].Save.FileName, "two.bin");
    EXPECT_EQ(saves[0].Save.Filter, "Any files (*.*)|*.*");
    const auto question = scope.services.CallsOf(TServiceKind::MessageBox).at(0);
    EXPECT_EQ(question.Text, "File \"" + chosen + "\" already exists.\rOverwrite?");
    EXPECT_EQ(question.Caption, std::optional<std::string>("Quiverlock 2.0"));
    EXPECT_EQ(question.Flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));

    scope.services.AnswerSaveDialog(chosen);
    scope.services.AnswerMessageBox(IDYES);
    Window().N3->Click();
    EXPECT_EQ(FileBytes(chosen), kThree[1].contents);
}

TEST_F(StubExtract, FailureOnTheSecondOfThreeKeepsTheFirstAndSkipsTheThird) {
    OpenStub(Package(kThree));
    const std::string folder = scratch / "partly";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string blocked = folder + "\\two.bin";
    CreateDirectoryA(blocked.c_str(), nullptr);  // a folder where the second file would go
    scope.services.AnswerFolder(folder);
    Window().SelectAll1->Click();
    harness::ClickControl(*Window().SpeedButton2);
    EXPECT_EQ(FileBytes(folder + "\\one.bin"), kThree[0].contents);
    EXPECT_FALSE(FileExists(folder + "\\three.bin"));
    EXPECT_EQ(scope.services.MessageTexts(), std::vector<std::string>{"File access denied.\r" + blocked});
    EXPECT_EQ(scope.services.CallsOf(TServiceKind::MessageBox)[0].Caption, std::optional<std::string>("Quiverlock"));
    DeleteFileA((folder + "\\one.bin").c_str());
    RemoveDirectoryA(blocked.c_str());
}

TEST_F(StubExtract, RowsThatCannotBeReadWholeOrWouldLeaveTheFolderCreateNothing) {
    // Row 1 claims more bytes than the package holds; row 2 names a file outside the chosen folder.
    const std::string longRow = RunName("long.bin");  // launched: the temp folder
    const std::string header = "ok.txt?3?" + longRow + "?5000?..\\up.txt?1?";
    const std::vector<uint8_t> payload = CraftHeaderPayload("pw", header, RandomBytes(200, 18));
    OpenStub(CraftedPackage(payload), "pw");
    const std::string folder = scratch / "hostile";
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int row : {1, 2}) {
        scope.services = TScriptedServices();
        scope.services.AnswerFolder(folder);
        Select({0, row});
        harness::ClickControl(*Window().SpeedButton2);
        const std::string refused = folder + "\\" + Window().ListView1->Row(row).Caption;
        EXPECT_EQ(scope.services.MessageTexts(), std::vector<std::string>{"File access denied.\r" + refused});
        EXPECT_FALSE(FileExists(refused));
        DeleteFileA((folder + "\\ok.txt").c_str());
    }
    EXPECT_FALSE(FileExists(scratch / "up.txt"));
    scope.services = TScriptedServices();
    Select({1});
    harness::ClickControl(*Window().SpeedButton1);
    EXPECT_FALSE(FileExists(GetTempDir() + longRow));
    EXPECT_TRUE(scope.services.CallsOf(TServiceKind::ShellExecute).empty());
    // A name that leaves the temp folder is refused before any question about the file it reaches.
    const std::string reached = ParentFolder(DropLast(GetTempDir(), 1)) + "\\up.txt";
    const bool existed = FileExists(reached);
    if (!existed) PutFile(reached, RandomBytes(2, 19));
    scope.services = TScriptedServices();
    Select({2});
    harness::ClickControl(*Window().SpeedButton1);
    EXPECT_EQ(scope.services.MessageTexts(), std::vector<std::string>{"File access denied.\r" + GetTempDir() + "..\\up.txt"});
    if (!existed) DeleteFileA(reached.c_str());
    // Nor is a package rewritten that would keep such a row.
    const std::string rewritten = scratch / "~crafted.exe";
    scope.services.AnswerMessageBox(IDYES);
    Select({2});
    harness::ClickControl(*Window().SpeedButton3);
    EXPECT_EQ(scope.services.MessageTexts().back(), "File access denied.\r" + rewritten);
    EXPECT_FALSE(FileExists(rewritten));
    EXPECT_TRUE(Window().Visible());
}

TEST_F(StubExtract, CommandsClickedWhileOneRunsDoNothing) {
    const std::vector<TPackedFile> files = {{"big.bin", RandomBytes(3 << 20, 20)}};
    OpenStub(Package(files));
    const std::string saved = scratch / "big.bin";
    Select({0});
    // Delete and Save As clicked while the Save As run lets messages in: neither asks anything.
    scope.services.AnswerSaveDialog(saved, [] {
        for (TSpeedButton* button : {Window().SpeedButton3, Window().SpeedButton2}) {
            const LPARAM middle = MAKELPARAM(button->Left() + 5, button->Top() + 5);
            PostMessageA(Window().CoolBar1->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, middle);
            PostMessageA(Window().CoolBar1->Handle(), WM_LBUTTONUP, 0, middle);
        }
    });
    Window().N3->Click();
    harness::ProcessMessages();
    EXPECT_EQ(FileBytes(saved), files[0].contents);
    EXPECT_EQ(scope.services.CallsOf(TServiceKind::SaveDialog).size(), 1u);
    EXPECT_TRUE(scope.services.MessageTexts().empty());
}

TEST_F(StubExtract, SaveAsOverThePackageItselfIsRefusedAndLeavesItWhole) {
    const std::string package = Package(kThree);
    const std::vector<uint8_t> before = FileBytes(package);
    OpenStub(package);
    Select({0});
    scope.services.AnswerSaveDialog(package);
    harness::ClickControl(*Window().SpeedButton2);
    EXPECT_EQ(scope.services.MessageTexts(), std::vector<std::string>{"File access denied.\r" + package})
        << "refused before asking to overwrite";
    CloseStub();
    EXPECT_EQ(FileBytes(package), before);
}

}  // namespace

namespace {

TEST_F(StubExtract, RowBeyondFourGibibytesOfAPackageIsReachedAndTotalled) {
    constexpr int64_t kHuge = (int64_t{5} << 30) + 3;
    const std::vector<uint8_t> small = RandomBytes(1000, 19);
    TMemoryStream alone;
    ASSERT_EQ(WritePayload("secret", {{"small.bin", small}}, alone), TPayloadResult::prOk);
    const std::string package = scratch / "sparse.exe";
    ASSERT_TRUE(CopyFileA(BuiltStubPath().c_str(), package.c_str(), FALSE));
    {
        TWin32FileStream file(package, TFileMode::fmOpenReadWrite);
        ASSERT_TRUE(file.Seek(file.Size()));
        TQC_blowfish cipher(nullptr);
        TPayloadWriter writer(cipher, file);
        ASSERT_EQ(writer.WriteHead("secret", nullptr, {{"huge.bin", std::to_string(kHuge)}, {"small.bin", "1000"}}),
                  TPayloadResult::prOk);
        // The huge row stays a hole; the small one's contents encrypt alike in any payload.
        ASSERT_TRUE(file.Seek(file.Position() + kHuge));
        ASSERT_EQ(file.Write(alone.Bytes().data() + alone.Size() - 1000, 1000), 1000);
    }
    OpenStub(package);
    EXPECT_EQ(Totals(), "Total files: 2     Total size: 5.00 GB");
    const std::string saved = scratch / "small.bin";
    Select({1});
    scope.services.AnswerSaveDialog(saved);
    harness::ClickControl(*Window().SpeedButton2);
    EXPECT_EQ(FileBytes(saved), small);
}

}  // namespace
