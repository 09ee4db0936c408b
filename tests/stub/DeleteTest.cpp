// Delete: the rewritten package beside the old one, the swap batch and what a failed or stopped Delete leaves.
#include "stub/SwapBatch.h"
#include "tests/stub/StubTestSupport.h"

namespace {

using StubDelete = StubTest;

const std::vector<TPackedFile> kThree = {
    {"one.bin", RandomBytes(8192, 21)}, {"two.bin", RandomBytes(1000, 22)}, {"three.bin", RandomBytes(9, 23)}};

// A batch file run by Wine's command interpreter, started at once; Wait() lets it end.
class TBatchRun {
public:
    explicit TBatchRun(const std::string& batch) {
        std::string command = "cmd.exe /c \"" + batch + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                                  &startup, &process_) != FALSE;
    }
    ~TBatchRun() { Wait(); }
    TBatchRun(const TBatchRun&) = delete;
    TBatchRun& operator=(const TBatchRun&) = delete;
    bool Wait() {
        if (!started_) return false;
        started_ = false;
        const bool ended = WaitForSingleObject(process_.hProcess, 60000) == WAIT_OBJECT_0;
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
        return ended;
    }

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

// Deletes the selected rows, answering Yes; returns the files of the new package read back with the password.
std::vector<TPackedFile> DeleteAndReadBack(const std::string& package, std::initializer_list<int> rows,
                                           TScriptedServices& services) {
    StubTest::Select(rows);
    services.AnswerMessageBox(IDYES);
    harness::ClickControl(*StubTest::Window().SpeedButton3);
    return ReadPayloadFile(JoinPath(RowFolder(package), "~" + BareFileName(package)), Stub::StubSize, "secret");
}

TEST_F(StubDelete, DeletingTheMiddleRowWritesTheStubAndTheOtherTwoUnderTheSamePassword) {
    const std::string package = Package(kThree);
    const std::string rewritten = scratch / "~package.exe";
    const std::string batch = scratch / "temp.bat";
    OpenStub(package);
    const std::vector<TPackedFile> kept = DeleteAndReadBack(package, {1}, scope.services);
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].name, "one.bin");
    EXPECT_EQ(kept[0].contents, kThree[0].contents);
    EXPECT_EQ(kept[1].name, "three.bin");
    EXPECT_EQ(kept[1].contents, kThree[2].contents);
    const std::vector<uint8_t> oldBytes = FileBytes(package);
    const std::vector<uint8_t> newBytes = FileBytes(rewritten);
    ASSERT_EQ(newBytes.size(), oldBytes.size() - 1000 - std::string("two.bin?1000?").size());
    EXPECT_TRUE(std::equal(oldBytes.begin(), oldBytes.begin() + Stub::StubSize, newBytes.begin()));
    // The third file's stored bytes follow the first's unchanged.
    EXPECT_TRUE(std::equal(oldBytes.end() - 9, oldBytes.end(), newBytes.end() - 9));

    const auto question = scope.services.CallsOf(TServiceKind::MessageBox).at(0);
    EXPECT_EQ(question.Text, "Are you sure you want to delete the selected file(s)?");
    EXPECT_EQ(question.Caption, std::optional<std::string>("Quiverlock 2.0"));
    const auto launches = scope.services.CallsOf(TServiceKind::ShellExecute);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].Text, batch);
    EXPECT_EQ(launches[0].Show, SW_HIDE);
    EXPECT_EQ(launches[0].Directory, RowFolder(package) + "\\");
    EXPECT_EQ(FileBytes(batch), FileBytesOf(Stub::SwapBatchText("package.exe")));
    EXPECT_FALSE(Window().Visible()) << "a successful Delete closes the window";
    EXPECT_FALSE(Window().PackageOpen());
}

TEST_F(StubDelete, DeletingAllOrNoRowsGivesAnEmptyOrAWholePackage) {
    const std::string package = Package(kThree);
    OpenStub(package);
    EXPECT_TRUE(DeleteAndReadBack(package, {0, 1, 2}, scope.services).empty());
    EXPECT_EQ(FileBytes(scratch / "~package.exe").size(), static_cast<size_t>(Stub::StubSize + 42));
    OpenStub(package);
    const std::vector<TPackedFile> all = DeleteAndReadBack(package, {}, scope.services);
    ASSERT_EQ(all.size(), 3u);
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(all[i].contents, kThree[i].contents);
}

TEST_F(StubDelete, NoAnswerChangesNothing) {
    const std::string package = Package(kThree);
    OpenStub(package);
    Select({0});
    scope.services.AnswerMessageBox(IDNO);
    Window().Information1->Click();
    EXPECT_FALSE(FileExists(scratch / "~package.exe"));
    EXPECT_TRUE(Window().Visible());
    EXPECT_EQ(Window().ListView1->Count(), 3);
}

TEST_F(StubDelete, FailedOrStoppedDeleteLeavesTheOldPackageAndNoNewOne) {
    const std::vector<TPackedFile> big = {{"big.bin", RandomBytes(6 << 20, 24)}, {"small.bin", RandomBytes(5, 25)}};
    const std::string package = Package(big);
    const std::vector<uint8_t> before = FileBytes(package);
    const std::string rewritten = scratch / "~package.exe";
    const std::string batch = scratch / "temp.bat";

    // The new package cannot be created: a folder has its name.
    CreateDirectoryA(rewritten.c_str(), nullptr);
    OpenStub(package);
    Select({1});
    scope.services.AnswerMessageBox(IDYES);
    harness::ClickControl(*Window().SpeedButton3);
    EXPECT_EQ(scope.services.MessageTexts().back(), "File access denied.\r" + rewritten);
    EXPECT_TRUE(Window().Visible());
    EXPECT_TRUE(Window().SpeedButton1->Enabled() && Window().ListView1->Enabled());
    RemoveDirectoryA(rewritten.c_str());
    // The package's cipher stays keyed: Save As still works after the failure.
    const std::string saved = scratch / "after.bin";
    scope.services.AnswerSaveDialog(saved);
    harness::ClickControl(*Window().SpeedButton2);
    EXPECT_EQ(FileBytes(saved), big[1].contents);

    // Closing the window while Delete runs stops it; the incomplete new package goes.
    scope.services.AnswerMessageBox(IDYES, [] {
        PostMessageA(Window().Handle(), WM_CLOSE, 0, 0);
        Sleep(20);  // the run lets messages in at its first piece
    });
    harness::ClickControl(*Window().SpeedButton3);
    EXPECT_FALSE(FileExists(rewritten));
    EXPECT_FALSE(FileExists(batch));
    EXPECT_FALSE(Window().Visible()) << "the close asked for during the run happens after it";
    EXPECT_TRUE(scope.services.CallsOf(TServiceKind::ShellExecute).empty());
    CloseStub();
    EXPECT_EQ(FileBytes(package), before);
}

TEST(StubSwapBatch, NamesAreQuotedAndTheMoveIsRetriedBoundedly) {
    EXPECT_EQ(Stub::SwapBatchText("a.exe"),
              "@echo off\r\ncd /d \"%~dp0\"\r\nset n=0\r\n:wait\r\n"
              "move /y \"~a.exe\" \"a.exe\" >nul 2>&1\r\n"
              "if not exist \"~a.exe\" goto done\r\n"
              "set /a n+=1\r\nif %n% geq 30 goto done\r\nping -n 2 127.0.0.1 >nul\r\ngoto wait\r\n"
              ":done\r\ndel \"%~f0\"\r\nexit\r\n");
    const std::string special = Stub::SwapBatchText("my pack & co 100%.exe");
    EXPECT_NE(special.find("move /y \"~my pack & co 100%%.exe\" \"my pack & co 100%%.exe\" >nul 2>&1\r\n"),
              std::string::npos);
    EXPECT_NE(special.find("if not exist \"~my pack & co 100%%.exe\" goto done\r\n"), std::string::npos);
}

TEST_F(StubDelete, SwapThroughTheCommandInterpreterReplacesThePackageAndTouchesNothingElse) {
    const std::string name = "my pack & co 100%.exe";
    const std::string package = Package(kThree, name);
    const std::string neighbour = scratch / "co.exe";
    const std::string other = scratch / "my";
    PutFile(neighbour, RandomBytes(10, 26));
    PutFile(other, RandomBytes(11, 27));
    const std::string batch = scratch / "temp.bat";
    OpenStub(package);
    DeleteAndReadBack(package, {0}, scope.services);
    EXPECT_TRUE(TBatchRun(batch).Wait());
    const std::vector<TPackedFile> files = ReadPayloadFile(package, Stub::StubSize, "secret");
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].name, "two.bin");
    EXPECT_EQ(files[1].contents, kThree[2].contents);
    EXPECT_FALSE(FileExists(scratch / ("~" + name)));
    EXPECT_FALSE(FileExists(batch));
    EXPECT_EQ(FileBytes(neighbour), RandomBytes(10, 26));
    EXPECT_EQ(FileBytes(other), RandomBytes(11, 27));
    // The stub opens the swapped package.
    OpenStub(package);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"two.bin", "three.bin"}));
}

TEST_F(StubDelete, SwapWaitsForTheOldPackageToBeReleased) {
    const std::string package = Package(kThree, "held.exe");
    const std::string rewritten = scratch / "~held.exe";
    const std::string batch = scratch / "temp.bat";
    PutFile(rewritten, RandomBytes(50, 28));
    PutFile(batch, FileBytesOf(Stub::SwapBatchText("held.exe")));
    std::optional<TWin32FileStream> held;
    held.emplace(package, TFileMode::fmOpenRead);  // as the ending stub still holds it
    ASSERT_TRUE(held->IsOpen());
    TBatchRun run(batch);
    Sleep(2500);
    EXPECT_EQ(FileBytes(rewritten).size(), 50u) << "the old package is not replaced while in use";
    held.reset();
    EXPECT_TRUE(run.Wait());
    EXPECT_EQ(FileBytes(package), RandomBytes(50, 28));
    EXPECT_FALSE(FileExists(rewritten));
    EXPECT_FALSE(FileExists(batch));
}

}  // namespace
