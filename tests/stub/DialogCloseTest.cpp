// A close handled while a command's dialog is up: the command ends without using the released package.
#include "tests/stub/StubTestSupport.h"

namespace {

using StubDialogClose = StubTest;

// Closes the package window from inside a dialog, as a posted WM_CLOSE (taskkill without /f) does.
void CloseNow() {
    PostMessageA(StubTest::Window().Handle(), WM_CLOSE, 0, 0);
    harness::ProcessMessages();
}

TEST_F(StubDialogClose, EveryDialogOfEveryCommandEndsItCleanlyAndLeavesThePackageAsItWas) {
    // Launch copies the rows to the temp folder.
    const std::vector<TPackedFile> files = {{RunName("one.bin"), RandomBytes(100, 61)},
                                            {RunName("two.bin"), RandomBytes(200, 62)}};
    const std::string package = Package(files);
    const std::vector<uint8_t> before = FileBytes(package);
    const std::vector<uint8_t> theirs = RandomBytes(5, 63);
    const std::string saved = scratch / "saved.bin";
    const std::string batch = scratch / "temp.bat";
    const std::string copy = GetTempDir() + files[1].name;
    struct TCase {
        const char* dialog;
        TSpeedButton* Stub::TForm1::*button;
        std::vector<int> rows;
        std::string existing;  // a file there before, which must keep its bytes
        std::function<void(TScriptedServices&)> answer;
    };
    const TCase cases[] = {
        {"Save As' save dialog", &Stub::TForm1::SpeedButton2, {1}, "",
         [&](TScriptedServices& s) { s.AnswerSaveDialog(saved, CloseNow); }},
        {"Save As' overwrite question", &Stub::TForm1::SpeedButton2, {1}, saved,
         [&](TScriptedServices& s) {
             s.AnswerSaveDialog(saved);
             s.AnswerMessageBox(IDYES, CloseNow);
         }},
        {"Save As' folder browser", &Stub::TForm1::SpeedButton2, {0, 1}, "",
         [&](TScriptedServices& s) { s.AnswerFolder(scratch.Root(), CloseNow); }},
        {"Delete's question", &Stub::TForm1::SpeedButton3, {0}, "",
         [&](TScriptedServices& s) { s.AnswerMessageBox(IDYES, CloseNow); }},
        {"Delete's overwrite question", &Stub::TForm1::SpeedButton3, {0}, batch,
         [&](TScriptedServices& s) {
             s.AnswerMessageBox(IDYES);
             s.AnswerMessageBox(IDYES, CloseNow);
         }},
        {"Launch's overwrite question", &Stub::TForm1::SpeedButton1, {1}, copy,
         [&](TScriptedServices& s) { s.AnswerMessageBox(IDYES, CloseNow); }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.dialog);
        if (!c.existing.empty()) PutFile(c.existing, theirs);
        OpenStub(package);
        scope.services = TScriptedServices();
        c.answer(scope.services);
        Select({});
        for (int row : c.rows) Window().ListView1->SetSelected(row, true);
        harness::ClickControl(*(Window().*c.button));
        EXPECT_FALSE(Window().Visible());
        EXPECT_FALSE(Window().PackageOpen());
        EXPECT_TRUE(scope.services.CallsOf(TServiceKind::ShellExecute).empty());
        EXPECT_EQ(FileBytes(package), before);
        std::vector<std::string> left = {"package.exe"};
        if (!c.existing.empty() && c.existing != copy) left.push_back(BareFileName(c.existing));
        std::sort(left.begin(), left.end());
        EXPECT_EQ(FolderEntries(scratch.Root()), left);
        if (!c.existing.empty()) {
            EXPECT_EQ(FileBytes(c.existing), theirs);
            DeleteFileA(c.existing.c_str());
        }
    }
}

}  // namespace
