// Files dropped on the package window, and what closing the window erases and what it leaves.
#include <shlobj.h>

#include "tests/stub/StubTestSupport.h"
#include "toolkit/system/WinGuards.h"

namespace {

using StubDropClose = StubTest;

// Drops the paths on the package window as the shell does.
void Drop(const std::vector<std::string>& paths) {
    size_t bytes = sizeof(DROPFILES) + 1;
    for (const std::string& path : paths) bytes += path.size() + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    char* text = reinterpret_cast<char*>(drop) + sizeof(DROPFILES);
    for (const std::string& path : paths) {
        memcpy(text, path.c_str(), path.size() + 1);
        text += path.size() + 1;
    }
    GlobalUnlock(memory);
    SendMessageA(StubTest::Window().Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

TEST_F(StubDropClose, DroppedFilesAreListedCopiedAndErasedAtCloseExceptTheUsersOwnInTheTempFolder) {
    const std::string package = Package({{"packed.txt", RandomBytes(10, 31)}});
    OpenStub(package);
    const std::string dropped = RunName("dropped.doc");  // its copy goes to the temp folder
    const std::string file = scratch / dropped;
    PutFile(file, RandomBytes(1500, 32));
    const std::string folder = scratch / "a folder";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string own = GetTempDir() + RunName("own.txt");
    PutFile(own, RandomBytes(7, 33));
    const std::string held = scratch / "held.txt";  // another program holds it open: not listed
    PutFile(held, RandomBytes(3, 34));
    TKernelHandle holder(CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    Drop({file, folder, held, own});
    holder.Reset();
    EXPECT_EQ(Captions(), (std::vector<std::string>{"packed.txt", dropped, BareFileName(own)}));
    EXPECT_EQ(Window().ListView1->Row(1).SubItems.at(0), "1500");
    EXPECT_EQ(Totals(), "Total files: 3     Total size: 1.48 KB");
    const std::string copy = GetTempDir() + dropped;
    EXPECT_EQ(FileBytes(copy), FileBytes(file));

    // Dropped rows have no bytes in the package: Launch opens the copy, Save As refuses, Delete leaves them out.
    Select({1});
    harness::ClickControl(*Window().SpeedButton1);
    ASSERT_EQ(scope.services.CallsOf(TServiceKind::ShellExecute).size(), 1u);
    EXPECT_EQ(FileBytes(copy), FileBytes(file)) << "the copy is not written again";
    harness::ClickControl(*Window().SpeedButton2);
    EXPECT_EQ(scope.services.MessageTexts().back(),
              "This file was dropped on the window and is not stored in the package:\r" + dropped);
    EXPECT_TRUE(scope.services.CallsOf(TServiceKind::SaveDialog).empty()) << "refused before the dialog";

    Select({1});
    scope.services.AnswerMessageBox(IDYES);
    harness::ClickControl(*Window().SpeedButton3);
    const std::vector<TPackedFile> kept = ReadPayloadFile(scratch / "~package.exe", Stub::StubSize, "secret");
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].name, "packed.txt");
    EXPECT_FALSE(Window().Visible());
    EXPECT_FALSE(FileExists(copy));
    EXPECT_EQ(FileBytes(own), RandomBytes(7, 33)) << "a user's file dropped from the temp folder stays";
    EXPECT_EQ(FileBytes(file).size(), 1500u);
    DeleteFileA(own.c_str());
}

TEST_F(StubDropClose, PackageInTheTempFolderHoldingAFileOfItsOwnNameSurvivesItsClose) {
    const std::string package = GetTempDir() + RunName("self.exe");
    Encrypt(emPackage, package, {{BareFileName(package), RandomBytes(20, 37)}});
    const std::vector<uint8_t> before = FileBytes(package);
    OpenStub(package);
    Select({0});
    harness::ClickControl(*Window().SpeedButton1);
    EXPECT_EQ(scope.services.MessageTexts(), std::vector<std::string>{"File access denied.\r" + package});
    Window().Close();
    EXPECT_EQ(FileBytes(package), before);
    DeleteFileA(package.c_str());
}

TEST_F(StubDropClose, CloseErasesEveryCopyThisRunWroteWhateverBecameOfItAndNamesThoseInUse) {
    const std::string names[] = {RunName("left.txt"),    RunName("busy.txt"),   RunName("gone.txt"),
                                 RunName("outside.txt"), RunName("renamed.txt"), RunName("edited.txt")};
    const std::string header = names[0] + "?1?" + names[1] + "?1?" + names[2] + "?1?..\\" + names[3] + "?1?" +
                               names[4] + "?1?" + names[5] + "?1?";
    OpenStub(CraftedPackage(CraftHeaderPayload("pw", header, {1, 2, 3, 4, 5, 6})), "pw");
    std::vector<std::string> temp;
    for (const std::string& name : names) temp.push_back(GetTempDir() + name);
    const std::string& left = temp[0];  // left by an earlier run: not this run's to erase
    const std::string outside = ParentFolder(DropLast(GetTempDir(), 1)) + "\\" + names[3];
    PutFile(left, RandomBytes(3, 34));
    PutFile(outside, RandomBytes(3, 36));
    for (size_t i : {1, 2, 4, 5}) DeleteFileA(temp[i].c_str());
    Select({1, 2, 4, 5});
    harness::ClickControl(*Window().SpeedButton1);
    ASSERT_TRUE(FileExists(temp[1]) && FileExists(temp[2]) && FileExists(temp[4]) && FileExists(temp[5]));
    // An editor's save: a new file renamed over the copy; another edits in place.
    PutFile(temp[4] + ".new", RandomBytes(9, 48));
    ASSERT_TRUE(MoveFileExA((temp[4] + ".new").c_str(), temp[4].c_str(), MOVEFILE_REPLACE_EXISTING));
    PutFile(temp[5], RandomBytes(9, 49));
    {
        TWin32FileStream inUse(temp[1], TFileMode::fmOpenRead);
        Window().SpeedButton5->Click();
        EXPECT_FALSE(Window().Visible());
    }
    for (size_t i : {2, 4, 5}) EXPECT_FALSE(FileExists(temp[i])) << temp[i];
    EXPECT_TRUE(FileExists(temp[1])) << "a copy open in another program stays";
    EXPECT_EQ(scope.services.MessageTexts(), std::vector<std::string>{Stub::CopiesLeftText({temp[1]})});
    EXPECT_EQ(FileBytes(left), RandomBytes(3, 34));
    EXPECT_EQ(FileBytes(outside), RandomBytes(3, 36));
    DeleteFileA(left.c_str());
    DeleteFileA(temp[1].c_str());
    DeleteFileA(outside.c_str());
}

TEST_F(StubDropClose, LaunchAsksBeforeReplacingAFileOfTheTempFolderThatThisRunDidNotWrite) {
    const std::vector<TPackedFile> files = {{RunName("report.txt"), RandomBytes(50, 38)},
                                            {RunName("mine.txt"), RandomBytes(60, 39)}};
    OpenStub(Package(files));
    const std::string users = GetTempDir() + files[0].name;
    const std::string mine = GetTempDir() + files[1].name;
    PutFile(users, RandomBytes(9, 40));
    DeleteFileA(mine.c_str());
    // No ends the command: the user's file keeps its bytes and the next row is not launched.
    Select({0, 1});
    scope.services.AnswerMessageBox(IDNO);
    harness::ClickControl(*Window().SpeedButton1);
    EXPECT_EQ(scope.services.MessageTexts(), std::vector<std::string>{"File \"" + users + "\" already exists.\rOverwrite?"});
    EXPECT_EQ(FileBytes(users), RandomBytes(9, 40));
    EXPECT_TRUE(scope.services.CallsOf(TServiceKind::ShellExecute).empty());
    // This run's own copy is written again without a question.
    Select({1});
    harness::ClickControl(*Window().SpeedButton1);
    harness::ClickControl(*Window().SpeedButton1);
    EXPECT_EQ(scope.services.MessageTexts().size(), 1u);
    EXPECT_EQ(scope.services.CallsOf(TServiceKind::ShellExecute).size(), 2u);
    EXPECT_EQ(FileBytes(mine), files[1].contents);
    Window().Close();
    EXPECT_FALSE(FileExists(mine));
    EXPECT_EQ(FileBytes(users), RandomBytes(9, 40)) << "closing erased a file this run did not write";
    DeleteFileA(users.c_str());
}

TEST_F(StubDropClose, WithoutATempFolderLaunchRefusesAndNothingIsWrittenOrErased) {
    const std::string package = Package({{"row.txt", RandomBytes(10, 45)}});
    const std::string work = scratch / "work";
    CreateDirectoryA(work.c_str(), nullptr);
    const std::string original = work + "\\row.txt";  // the user's own, in the working folder
    PutFile(original, RandomBytes(8, 46));
    const std::string dropped = scratch / "dropped.doc";
    PutFile(dropped, RandomBytes(7, 47));
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(work.c_str());
    // The temp folder the system names does not exist (as for a name outside the code page).
    const TTempVariable temp(scratch / "missing");
    OpenStub(package);
    Drop({dropped});
    Select({0, 1});
    harness::ClickControl(*Window().SpeedButton1);
    EXPECT_EQ(scope.services.MessageTexts(),
              std::vector<std::string>{"The system names no usable temp folder, so files cannot be launched."});
    EXPECT_TRUE(scope.services.CallsOf(TServiceKind::ShellExecute).empty());
    Window().Close();
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(FolderEntries(work), std::vector<std::string>{"row.txt"});
    EXPECT_EQ(FileBytes(original), RandomBytes(8, 46));
    EXPECT_EQ(Captions(), (std::vector<std::string>{"row.txt", "dropped.doc"}));
}

}  // namespace
