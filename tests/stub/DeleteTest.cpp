// Delete: the rewritten package beside the old one, the swap batch and what a failed or stopped Delete leaves.
#include "stub/SwapBatch.h"
#include "tests/stub/StubTestSupport.h"

#include <shellapi.h>
#include <tlhelp32.h>

#include "app/payload/CarrierTrailer.h"
#include "toolkit/system/WinGuards.h"

namespace {

using StubDelete = StubTest;

const std::vector<TPackedFile> kThree = {
    {"one.bin", RandomBytes(8192, 21)}, {"two.bin", RandomBytes(1000, 22)}, {"three.bin", RandomBytes(9, 23)}};

// The launch the stub asked for, done by the real shell (a batch file goes to the command interpreter) in this
// process, whose variables the stub has set; Wait() lets it end.
class TBatchRun {
public:
    explicit TBatchRun(const TServiceCall& launch) {
        SHELLEXECUTEINFOA run{};
        run.cbSize = sizeof run;
        run.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
        run.lpFile = launch.Text.c_str();
        run.lpParameters = launch.Parameters.empty() ? nullptr : launch.Parameters.c_str();
        run.lpDirectory = launch.Directory.c_str();
        run.nShow = launch.Show;
        if (ShellExecuteExA(&run) && run.hProcess != nullptr) process_ = run.hProcess;
    }
    ~TBatchRun() { Wait(); }
    // Whether the batch has started the program named (its pause between two tries, say).
    bool Started(const char* program) const {
        const TKernelHandle processes(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
        PROCESSENTRY32 entry{};
        entry.dwSize = sizeof entry;
        const DWORD id = process_ == nullptr ? 0 : GetProcessId(process_);
        for (BOOL more = Process32First(processes.Get(), &entry); more; more = Process32Next(processes.Get(), &entry))
            if (entry.th32ParentProcessID == id && lstrcmpiA(entry.szExeFile, program) == 0) return true;
        return false;
    }
    TBatchRun(const TBatchRun&) = delete;
    TBatchRun& operator=(const TBatchRun&) = delete;
    bool Wait() {
        if (process_ == nullptr) return false;
        const bool ended = WaitForSingleObject(process_, 60000) == WAIT_OBJECT_0;
        CloseHandle(process_);
        process_ = nullptr;
        return ended;
    }

private:
    HANDLE process_ = nullptr;
};

TServiceCall LastLaunch(const TScriptedServices& services) {
    const auto launches = services.CallsOf(TServiceKind::ShellExecute);
    return launches.empty() ? TServiceCall{} : launches.back();
}

// Selects the rows and clicks Delete, answering Yes.
void DeleteRows(std::initializer_list<int> rows, TScriptedServices& services) {
    StubTest::Select(rows);
    services.AnswerMessageBox(IDYES);
    harness::ClickControl(*StubTest::Window().SpeedButton3);
}

// Deletes the selected rows, answering Yes; returns the files of the new package read back with the password.
std::vector<TPackedFile> DeleteAndReadBack(const std::string& package, std::initializer_list<int> rows,
                                           TScriptedServices& services) {
    StubTest::Select(rows);
    services.AnswerMessageBox(IDYES);
    harness::ClickControl(*StubTest::Window().SpeedButton3);
    return ReadPayloadFile(JoinPath(ParentFolder(package), "~" + BareFileName(package)), Stub::StubSize, "secret");
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
    EXPECT_EQ(question.Flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2)) << "Enter answers No";
    const auto launches = scope.services.CallsOf(TServiceKind::ShellExecute);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].Text, batch);
    EXPECT_EQ(launches[0].Show, SW_HIDE);
    EXPECT_EQ(launches[0].Directory, ParentFolder(package) + "\\");
    EXPECT_EQ(FileBytes(batch), FileBytesOf(Stub::SwapBatchText("package.exe")));
    EXPECT_FALSE(Window().Visible()) << "a successful Delete closes the window";
    EXPECT_FALSE(Window().PackageOpen());
}

TEST_F(StubDelete, DeletingAllRowsGivesAnEmptyPackageAndNoRowsAsksNothing) {
    const std::string package = Package(kThree);
    OpenStub(package);
    Select({});
    harness::ClickControl(*Window().SpeedButton3);
    EXPECT_TRUE(scope.services.Calls().empty());
    EXPECT_TRUE(Window().Visible());
    EXPECT_TRUE(DeleteAndReadBack(package, {0, 1, 2}, scope.services).empty());
    EXPECT_EQ(FileBytes(scratch / "~package.exe").size(), static_cast<size_t>(Stub::StubSize + 42));
}

// What follows the payload: a hidden package with the trailer that points at it, or plain bytes.
TEST_F(StubDelete, BytesAfterThePayloadFollowTheKeptRowsAndAHiddenPackageStillOpens) {
    const std::vector<TPackedFile> hiddenFiles = {{"hidden.txt", RandomBytes(70, 50)}};
    const std::vector<uint8_t> hidden = FileBytes(Package(hiddenFiles, "hidden.exe"));
    const std::vector<uint8_t> plain = RandomBytes(33, 51);
    for (bool carrier : {true, false}) {
        SCOPED_TRACE(carrier ? "carrier" : "plain bytes");
        const std::string package = Package(kThree);
        std::vector<uint8_t> bytes = FileBytes(package);
        const auto packageLength = static_cast<int64_t>(bytes.size());
        const std::vector<uint8_t>& tail = carrier ? hidden : plain;
        bytes.insert(bytes.end(), tail.begin(), tail.end());
        if (carrier) {
            const std::string trailer = PadDecimal10(packageLength);
            bytes.insert(bytes.end(), trailer.begin(), trailer.end());
        }
        PutFile(package, bytes);
        OpenStub(package);
        const std::vector<TPackedFile> kept = DeleteAndReadBack(package, {1}, scope.services);
        ASSERT_EQ(kept.size(), 2u);
        EXPECT_EQ(kept[1].contents, kThree[2].contents);
        const std::string rewritten = scratch / "~package.exe";
        const std::vector<uint8_t> after = FileBytes(rewritten);
        const int64_t shrunk = packageLength - 1000 - static_cast<int64_t>(std::string("two.bin?1000?").size());
        ASSERT_EQ(static_cast<int64_t>(after.size()), static_cast<int64_t>(bytes.size()) - (packageLength - shrunk));
        EXPECT_TRUE(std::equal(tail.begin(), tail.end(), after.begin() + shrunk));
        if (carrier) {
            int64_t start = 0;
            {
                TWin32FileStream file(rewritten, TFileMode::fmOpenRead);
                ASSERT_TRUE(FindCarrierPackage(file, Stub::StubSize, start));
            }
            EXPECT_EQ(start, shrunk);
            EXPECT_EQ(ReadPayloadFile(rewritten, start + Stub::StubSize, "secret").at(0).contents, hiddenFiles[0].contents);
        }
        CloseStub();
        DeleteFileA(rewritten.c_str());
        DeleteFileA((scratch / "temp.bat").c_str());
    }
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
    DeleteRows({1}, scope.services);
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
        PostMessageA(Window().Handle(), WM_CLOSE, 0, 0);  // taken at the run's first turn
    });
    harness::ClickControl(*Window().SpeedButton3);
    EXPECT_FALSE(FileExists(rewritten));
    EXPECT_FALSE(FileExists(batch));
    EXPECT_FALSE(Window().Visible()) << "the close asked for during the run happens after it";
    EXPECT_TRUE(scope.services.CallsOf(TServiceKind::ShellExecute).empty());
    CloseStub();
    EXPECT_EQ(FileBytes(package), before);
    EXPECT_EQ(FolderEntries(scratch.Root()), (std::vector<std::string>{"after.bin", "package.exe"}));
}

// What the package's folder held when the running Delete first let messages in: a message posted before the
// click is taken from the queue only then (timer messages come late on a busy machine).
class TFolderDuringRun {
public:
    explicit TFolderDuringRun(std::string folder) : folder_(std::move(folder)) {
        live_ = this;
        hook_ = SetWindowsHookExA(WH_GETMESSAGE, &TFolderDuringRun::Taken, nullptr, GetCurrentThreadId());
        PostThreadMessageA(GetCurrentThreadId(), kMarker, 0, 0);
    }
    ~TFolderDuringRun() {
        UnhookWindowsHookEx(hook_);
        live_ = nullptr;
    }
    TFolderDuringRun(const TFolderDuringRun&) = delete;
    TFolderDuringRun& operator=(const TFolderDuringRun&) = delete;
    const std::optional<std::vector<std::string>>& Seen() const { return seen_; }

private:
    static constexpr UINT kMarker = WM_APP + 0x51;
    static LRESULT CALLBACK Taken(int code, WPARAM removed, LPARAM message) {
        const MSG& msg = *reinterpret_cast<const MSG*>(message);
        if (code == HC_ACTION && removed == PM_REMOVE && msg.message == kMarker && live_ != nullptr &&
            !live_->seen_ && StubTest::Window().Busy())
            live_->seen_ = FolderEntries(live_->folder_);
        return CallNextHookEx(nullptr, code, removed, message);
    }

    static inline TFolderDuringRun* live_ = nullptr;
    std::string folder_;
    std::optional<std::vector<std::string>> seen_;
    HHOOK hook_ = nullptr;
};

TEST_F(StubDelete, NewPackageIsWrittenUnderAUniqueNameAndTakesTheTildeNameOnlyWhenWhole) {
    const std::vector<TPackedFile> big = {{"big.bin", RandomBytes(6 << 20, 29)}, {"small.bin", RandomBytes(5, 30)}};
    const std::string package = Package(big);
    OpenStub(package);
    Select({1});
    scope.services.AnswerMessageBox(IDYES);
    std::optional<std::vector<std::string>> seen;
    {
        TFolderDuringRun during(scratch.Root());
        harness::ClickControl(*Window().SpeedButton3);
        seen = during.Seen();
    }
    ASSERT_TRUE(seen.has_value()) << "the run let no messages in";
    ASSERT_EQ(seen->size(), 2u);
    EXPECT_EQ(seen->at(0), "package.exe");
    EXPECT_EQ(seen->at(1).substr(0, 3), "~qv") << "written under a name of its own, not as ~package.exe";
    EXPECT_EQ(FolderEntries(scratch.Root()), (std::vector<std::string>{"package.exe", "temp.bat", "~package.exe"}));
    const std::vector<TPackedFile> kept = ReadPayloadFile(scratch / "~package.exe", Stub::StubSize, "secret");
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].contents, big[0].contents);
}

// Records, when the batch is started, whether the package is still held and which temp copies are left.
class TLaunchWatch : public TScriptedServices {
public:
    INT_PTR ShellExecuteFile(HWND owner, const std::string& verb, const std::string& file,
                             const std::string& parameters, const std::string& directory, int show) override {
        packageOpen = StubTest::Window().PackageOpen();
        copyLeft = FileExists(copy);
        return TScriptedServices::ShellExecuteFile(owner, verb, file, parameters, directory, show);
    }
    std::string copy;
    bool packageOpen = true;
    bool copyLeft = true;
};

TEST_F(StubDelete, BatchStartsOnlyOnceThePackageIsReleasedAndTheCopiesErased) {
    std::vector<TPackedFile> files = kThree;
    files[0].name = RunName("launched.bin");
    const std::string package = Package(files);
    OpenStub(package);
    TLaunchWatch watch;
    const TScopedSystemServices watching(watch);
    watch.copy = GetTempDir() + files[0].name;
    Select({0});
    harness::ClickControl(*Window().SpeedButton1);
    ASSERT_TRUE(FileExists(watch.copy));
    watch.AnswerMessageBox(IDYES);
    Select({1});
    harness::ClickControl(*Window().SpeedButton3);
    ASSERT_EQ(watch.CallsOf(TServiceKind::ShellExecute).size(), 2u);
    EXPECT_FALSE(watch.packageOpen);
    EXPECT_FALSE(watch.copyLeft) << "erasing a copy would stand between the batch's start and the end";
    EXPECT_FALSE(Window().Visible());
}

TEST_F(StubDelete, PackagesItMustNotRewriteAreRefusedBeforeAnythingIsWritten) {
    // The temp copy that the main program unhid from a carrier: a change would not reach the carrier.
    const TScratchFolder tempFolder("qvl-temp-");
    const std::string unhidden = tempFolder.Root() + "\\QVL.exe";
    Encrypt(emPackage, unhidden, kThree);
    OpenStub(unhidden);
    Stub::TempDir = tempFolder.Root() + "\\";
    Select({0});
    harness::ClickControl(*Window().SpeedButton3);
    EXPECT_EQ(scope.services.MessageTexts(), std::vector<std::string>{Stub::kUnhiddenPackageDelete});
    EXPECT_EQ(FolderEntries(tempFolder.Root()), std::vector<std::string>{"QVL.exe"});
    CloseStub();
    DeleteFileA(unhidden.c_str());

    // A folder too long for a new file's name beside the package.
    const std::string folder = scratch.Root() + "\\" + std::string(MAX_PATH - 13 - scratch.Root().size() - 1, 'f');
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string package = folder + "\\p.exe";
    ASSERT_TRUE(MoveFileA(Package(kThree).c_str(), package.c_str()));
    OpenStub(package);
    scope.services = TScriptedServices();
    DeleteRows({0}, scope.services);
    EXPECT_EQ(scope.services.MessageTexts().back(), Stub::FolderTooLongText(folder));
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"p.exe"});
    EXPECT_TRUE(Window().Visible());
    CloseStub();
    DeleteFileA(package.c_str());
    RemoveDirectoryA(folder.c_str());
}

TEST(StubSwapBatch, NamesComeFromVariablesAndTheMoveIsRetriedBoundedly) {
    const std::string move = "move /y \"%QVL_SWAP_NEW%\" \"%QVL_SWAP_OLD%\" >nul 2>&1 && if exist \"%QVL_SWAP_OLD%\" "
                             "if not exist \"%QVL_SWAP_NEW%\" goto done\r\n";
    EXPECT_EQ(Stub::SwapBatchText("a.exe"),
              "@echo off\r\npushd \"%~dp0\"\r\nif not exist \"%~nx0\" exit\r\nsetlocal DisableDelayedExpansion\r\n"
              "set n=0\r\n:wait\r\n" + move +
              "set /a n+=1\r\nif %n% geq 30 goto failed\r\nping -n 2 127.0.0.1 >nul\r\ngoto wait\r\n"
              ":failed\r\ndel \"%QVL_SWAP_NEW%\" >nul 2>&1\r\nstart \"\" \"%QVL_SWAP_OLD%\" /swapfailed\r\n"
              ":done\r\nendlocal\r\npopd\r\ndel \"%~f0\"\r\nexit\r\n");
    // A name with "%" is read through delayed expansion; no name is ever in the text.
    const std::string percent = Stub::SwapBatchText("100%.exe");
    EXPECT_NE(percent.find("setlocal EnableDelayedExpansion\r\n"), std::string::npos);
    EXPECT_NE(percent.find("move /y \"!QVL_SWAP_NEW!\" \"!QVL_SWAP_OLD!\""), std::string::npos);
    EXPECT_EQ(percent.find("100"), std::string::npos);
}

TEST_F(StubDelete, SwapThroughTheRealBatchKeepsExactlyTheKeptRowsWhateverThePackageIsNamed) {
    // ANSI letters that a batch file's code page reads as others (the last from a range it has none of),
    // and blanks, "%", "&", "^", "!" and parentheses, which the command interpreter takes as its own syntax.
    const std::string names[] = {"R\xE9sum\xE9.exe",    "Fotos_M\xE4rz \xFC" "ber.exe", "Stra\xDF" "e (2).exe",
                                 "\x80 \x8Cuvre \x9A.exe", "my pack & co 100%.exe",   "a^b !c! (d).exe",
                                 "x %OS% y.exe"};
    const std::string neighbour = scratch / "co.exe";
    const std::string other = scratch / "my";
    PutFile(neighbour, RandomBytes(10, 26));
    PutFile(other, RandomBytes(11, 27));
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const std::string package = Package(kThree, name);
        OpenStub(package);
        scope.services = TScriptedServices();
        DeleteAndReadBack(package, {0}, scope.services);
        EXPECT_TRUE(TBatchRun(LastLaunch(scope.services)).Wait());
        const std::vector<TPackedFile> files = ReadPayloadFile(package, Stub::StubSize, "secret");
        ASSERT_EQ(files.size(), 2u);
        EXPECT_EQ(files[0].name, "two.bin");
        EXPECT_EQ(files[0].contents, kThree[1].contents);
        EXPECT_EQ(files[1].contents, kThree[2].contents);
        // Neither the new package nor the batch stays, and nothing else was touched.
        std::vector<std::string> left = {"co.exe", "my", name};
        std::sort(left.begin(), left.end());
        EXPECT_EQ(FolderEntries(scratch.Root()), left);
        OpenStub(package);
        EXPECT_EQ(Captions(), (std::vector<std::string>{"two.bin", "three.bin"}));
        CloseStub();
        DeleteFileA(package.c_str());
    }
    EXPECT_EQ(FileBytes(neighbour), RandomBytes(10, 26));
    EXPECT_EQ(FileBytes(other), RandomBytes(11, 27));
}

TEST_F(StubDelete, PackageRunFromTheTempFolderWithRowsNamedLikeItsBatchAndNewPackageIsSwapped) {
    // The stub's temp folder is one of this run: the batch's name is the stub's own, not one of the run.
    const TScratchFolder tempFolder("qvl-temp-");
    const std::string temp = tempFolder.Root() + "\\";
    const std::string name = "run.exe";
    const std::string package = temp + name;
    const std::string rewritten = temp + "~" + name;
    const std::string batch = temp + "temp.bat";
    DeleteFileA(batch.c_str());
    const std::vector<TPackedFile> files = {
        {"temp.bat", RandomBytes(30, 41)}, {"~" + name, RandomBytes(40, 42)}, {"gone.txt", RandomBytes(5, 43)}};
    Encrypt(emPackage, package, files);
    OpenStub(package);
    Stub::TempDir = temp;  // as the system names it when the package runs from there
    // Launched first, the two rows leave this run's copies under the names that Delete writes next.
    Select({0, 1});
    harness::ClickControl(*Window().SpeedButton1);
    ASSERT_EQ(FileBytes(batch), files[0].contents);
    Select({2});
    for (int i = 0; i < 3; ++i) scope.services.AnswerMessageBox(IDYES);
    harness::ClickControl(*Window().SpeedButton3);
    EXPECT_EQ(scope.services.MessageTexts(),
              (std::vector<std::string>{"Are you sure you want to delete the selected file(s)?",
                                        "File \"" + rewritten + "\" already exists.\rOverwrite?",
                                        "File \"" + batch + "\" already exists.\rOverwrite?"}));
    EXPECT_FALSE(Window().Visible());
    EXPECT_EQ(FileBytes(batch), FileBytesOf(Stub::SwapBatchText(name))) << "closing erased the batch";
    EXPECT_TRUE(TBatchRun(LastLaunch(scope.services)).Wait());
    const std::vector<TPackedFile> kept = ReadPayloadFile(package, Stub::StubSize, "secret");
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].contents, files[0].contents);
    EXPECT_EQ(kept[1].name, "~" + name);
    EXPECT_EQ(kept[1].contents, files[1].contents);
    EXPECT_FALSE(FileExists(rewritten));
    EXPECT_FALSE(FileExists(batch));
    DeleteFileA(package.c_str());
    // The batch's console lets go of the folder a moment after the batch has ended.
    harness::ProcessUntil([&] { return RemoveDirectoryA(tempFolder.Root().c_str()) != FALSE; });
}

TEST_F(StubDelete, FilesItCannotOrMayNotReplaceStopItBeforeItWritesAnything) {
    const std::string package = Package(kThree);
    const std::vector<uint8_t> theirs = RandomBytes(12, 44);
    // A "~" file or a batch that this Delete did not write: asked about, and No keeps it.
    for (const std::string& existing : {scratch / "~package.exe", scratch / "temp.bat"}) {
        SCOPED_TRACE(existing);
        PutFile(existing, theirs);
        const std::vector<std::string> before = FolderEntries(scratch.Root());
        OpenStub(package);
        scope.services = TScriptedServices();
        Select({0});
        scope.services.AnswerMessageBox(IDYES);
        scope.services.AnswerMessageBox(IDNO);
        harness::ClickControl(*Window().SpeedButton3);
        EXPECT_EQ(scope.services.MessageTexts().back(), "File \"" + existing + "\" already exists.\rOverwrite?");
        EXPECT_EQ(FileBytes(existing), theirs);
        EXPECT_EQ(FolderEntries(scratch.Root()), before);
        EXPECT_TRUE(Window().Visible());
        DeleteFileA(existing.c_str());
    }
    // A read-only package cannot be replaced: said before anything is written.
    SetFileAttributesA(package.c_str(), FILE_ATTRIBUTE_READONLY);
    OpenStub(package);
    scope.services = TScriptedServices();
    DeleteRows({0}, scope.services);
    EXPECT_EQ(scope.services.MessageTexts().back(), "The package is read-only and cannot be rewritten:\r" + package);
    EXPECT_EQ(FolderEntries(scratch.Root()), std::vector<std::string>{"package.exe"});
    EXPECT_TRUE(scope.services.CallsOf(TServiceKind::ShellExecute).empty());
    EXPECT_TRUE(Window().Visible());
    CloseStub();
    SetFileAttributesA(package.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(StubDelete, SwapWaitsForTheOldPackageToBeReleased) {
    const std::string package = Package(kThree, "held.exe");
    const std::string rewritten = scratch / "~held.exe";
    const std::string batch = scratch / "temp.bat";
    PutFile(rewritten, RandomBytes(50, 28));
    PutFile(batch, FileBytesOf(Stub::SwapBatchText("held.exe")));
    ASSERT_TRUE(Stub::SetSwapNames("held.exe"));
    std::optional<TWin32FileStream> held;
    held.emplace(package, TFileMode::fmOpenRead);  // as the ending stub still holds it
    ASSERT_TRUE(held->IsOpen());
    TServiceCall launch;
    launch.Text = batch;
    launch.Directory = scratch.Root();
    launch.Show = SW_HIDE;
    TBatchRun run(launch);
    EXPECT_TRUE(harness::ProcessUntil([&] { return run.Started("ping.exe"); }, 30000)) << "the batch did not wait";
    EXPECT_EQ(FileBytes(rewritten).size(), 50u) << "the old package is not replaced while in use";
    held.reset();
    EXPECT_TRUE(run.Wait());
    EXPECT_EQ(FileBytes(package), RandomBytes(50, 28));
    EXPECT_FALSE(FileExists(rewritten));
    EXPECT_FALSE(FileExists(batch));
}

struct TWindowSearch {
    const char* caption;
    HWND found;
};

BOOL CALLBACK TakeForeignWindow(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<TWindowSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char text[64] = {};
    GetWindowTextA(window, text, sizeof text);
    if (process == GetCurrentProcessId() || strcmp(text, search.caption) != 0 || !IsWindowVisible(window)) return TRUE;
    search.found = window;
    return FALSE;
}

// The visible window of another process with this caption; null when there is none.
HWND ForeignWindow(const char* caption) {
    TWindowSearch search{caption, nullptr};
    EnumWindows(&TakeForeignWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST_F(StubDelete, SwapThatGivesUpRemovesTheNewPackageAndThePackageSaysSo) {
    const std::string package = Package(kThree, "held.exe");
    const std::vector<uint8_t> before = FileBytes(package);
    const std::string rewritten = scratch / "~held.exe";
    const std::string batch = scratch / "temp.bat";
    PutFile(rewritten, RandomBytes(50, 28));
    PutFile(batch, FileBytesOf(Stub::SwapBatchText("held.exe", 2)));
    ASSERT_TRUE(Stub::SetSwapNames("held.exe"));
    {
        // Held as a running program holds its file: it can be read and started, not replaced.
        const TKernelHandle held(
            CreateFileA(package.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(held);
        TServiceCall launch;
        launch.Text = batch;
        launch.Directory = scratch.Root();
        launch.Show = SW_HIDE;
        EXPECT_TRUE(TBatchRun(launch).Wait());
    }
    EXPECT_EQ(FileBytes(package), before);
    EXPECT_FALSE(FileExists(rewritten));
    EXPECT_FALSE(FileExists(batch));
    // The old package, started with the switch, shows only the failure.
    HWND box = nullptr;
    EXPECT_TRUE(harness::ProcessUntil([&] { return (box = ForeignWindow("Quiverlock")) != nullptr; }, 60000));
    if (box == nullptr) return;
    char text[512] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    EXPECT_STREQ(text, Stub::kSwapFailed);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(harness::ProcessUntil([] { return ForeignWindow("Quiverlock") == nullptr; }, 30000));
}

}  // namespace
