// Files dropped on the package window, and what closing the window erases and what it leaves.
#include <shlobj.h>

#include "tests/stub/StubTestSupport.h"

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
    const std::string file = scratch / "dropped.doc";
    PutFile(file, RandomBytes(1500, 32));
    const std::string folder = scratch / "a folder";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string own = GetTempDir() + "qvl-own-" + std::to_string(GetCurrentProcessId()) + ".txt";
    PutFile(own, RandomBytes(7, 33));
    Drop({file, folder, own});
    EXPECT_EQ(Captions(), (std::vector<std::string>{"packed.txt", "dropped.doc", BareFileName(own)}));
    EXPECT_EQ(Window().ListView1->Row(1).SubItems.at(0), "1500");
    EXPECT_EQ(Totals(), "Total files: 3     Total size: 1.48 KB");
    const std::string copy = GetTempDir() + "dropped.doc";
    EXPECT_EQ(FileBytes(copy), FileBytes(file));

    // Dropped rows have no bytes in the package: Launch opens the copy, Save As refuses, Delete leaves them out.
    Select({1});
    harness::ClickControl(*Window().SpeedButton1);
    ASSERT_EQ(scope.services.CallsOf(TServiceKind::ShellExecute).size(), 1u);
    EXPECT_EQ(FileBytes(copy), FileBytes(file)) << "the copy is not written again";
    scope.services.AnswerSaveDialog(scratch / "saved.doc");
    harness::ClickControl(*Window().SpeedButton2);
    EXPECT_EQ(scope.services.MessageTexts().back(),
              "This file was dropped on the window and is not stored in the package:\rdropped.doc");
    EXPECT_FALSE(FileExists(scratch / "saved.doc"));

    Select({});
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
    const std::string package = GetTempDir() + "qvl-self-" + std::to_string(GetCurrentProcessId()) + ".exe";
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

TEST_F(StubDropClose, CloseErasesEveryListedNameButNeverOutsideTheTempFolderAndSkipsFilesInUse) {
    const std::string header = "left.txt?1?busy.txt?1?..\\outside.txt?1?";
    OpenStub(CraftedPackage(CraftHeaderPayload("pw", header, {1, 2, 3})), "pw");
    const std::string left = GetTempDir() + "left.txt";  // left by an earlier run
    const std::string busy = GetTempDir() + "busy.txt";
    const std::string outside = RowFolder(DropLast(GetTempDir(), 1)) + "\\outside.txt";
    PutFile(left, RandomBytes(3, 34));
    PutFile(busy, RandomBytes(3, 35));
    PutFile(outside, RandomBytes(3, 36));
    {
        TWin32FileStream inUse(busy, TFileMode::fmOpenRead);
        Window().SpeedButton5->Click();
        EXPECT_FALSE(Window().Visible());
    }
    EXPECT_FALSE(FileExists(left));
    EXPECT_EQ(FileBytes(busy), RandomBytes(3, 35)) << "a copy open in another program stays";
    EXPECT_EQ(FileBytes(outside), RandomBytes(3, 36));
    EXPECT_TRUE(scope.services.MessageTexts().empty()) << "the stub erases silently";
    DeleteFileA(busy.c_str());
    DeleteFileA(outside.c_str());
}

}  // namespace
