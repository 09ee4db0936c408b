// Unhide files and Clear on carriers written by the Encrypt dialog and on files that only look like carriers.
#include <optional>

#include "app/CarrierPackage.h"
#include "app/HideRecord.h"
#include "app/payload/DecimalText.h"
#include "app/payload/WriteFailure.h"
#include "tests/support/DialogRuns.h"
#include "tests/app/DialogTestSupport.h"
#include "tests/app/MainWindowTestSupport.h"

namespace {

const std::string kPassword = "carrier pw";
using Bytes = std::vector<uint8_t>;

Bytes Joined(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// What a package looks like to the carrier commands: a Windows program's "MZ" and "PE" heads, then anything.
Bytes Package(size_t size, uint32_t seed) {
    Bytes bytes = RandomBytes(size, seed);
    StampProgramHeads(bytes);
    return bytes;
}

Bytes Trailer(int64_t length) {
    const std::string digits = PadDecimal10(length);
    return Bytes(digits.begin(), digits.end());
}

// The main window as the program's main form (Unhide files minimises the application through it), shown.
class CarrierCommands : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        harness::TestApplication().CreateForm(Form1);
        Form1->SetStartFile("");
        Form2 = new TForm2(&harness::TestApplication());
        Form3 = new TForm3(&harness::TestApplication());
        Form5 = new TForm5(&harness::TestApplication());
        ShownWindow();
        // The program's temp folder becomes one of this run: the package's name is fixed.
        TempDir = scratch.Folder("temp") + "\\";
        package = TempDir + "QVL.exe";
        DeleteFileA(package.c_str());
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        DeleteFileA(package.c_str());
    }

    // Hides the file into the carrier through the Encrypt dialog, declining to erase it.
    void HideInto(const std::string& carrier, const std::string& file) {
        Form1->ListView1->Clear();
        Form1->AddPath(file);
        Services().AnswerMessageBox(IDNO);
        RunEncrypt(*Form2, emCarrier, kPassword, carrier);
    }
    void Select(const std::string& path) {
        // The tree reads a folder once; files made in it since need a refresh.
        if (!Form1->ShellTreeView1->SelectPath(path)) Form1->ShellTreeView1->Refresh();
        ASSERT_TRUE(Form1->ShellTreeView1->SelectPath(path));
    }
    void Unhide(const std::string& carrier) {
        Select(carrier);
        Form1->Unhidefiles2->Click();
    }
    void Clear(int answer) {
        Services().AnswerMessageBox(answer);
        Form1->Clear2->Click();
    }

    // Clear items, taken carrier and launches agree with a carrier taken (or not).
    void ExpectCarrierTaken(const std::string& carrier, size_t launches) {
        EXPECT_EQ(CarrierFile, carrier);
        EXPECT_EQ(Form1->Clear1->Enabled(), !carrier.empty());
        EXPECT_EQ(Form1->Clear2->Enabled(), !carrier.empty());
        EXPECT_EQ(Services().CallsOf(TServiceKind::ShellExecute).size(), launches);
    }
    // The only message so far, with the window caption and the error icon.
    void ExpectOnlyError(const std::string& text) {
        ASSERT_EQ(Services().MessageTexts(), std::vector<std::string>{text});
        EXPECT_EQ(Services().Calls()[0].Caption, std::optional<std::string>("Quiverlock 2.0"));
        EXPECT_EQ(Services().Calls()[0].Flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
    }
    // A new file of the scratch folder.
    std::string Put(const std::string& name, const Bytes& bytes) {
        const std::string path = scratch / name;
        PutFile(path, bytes);
        return path;
    }
    // Names of the files packed in the temp package, read with the password behind the stub.
    std::vector<std::string> PackedNames(size_t stubSize) {
        std::vector<std::string> names;
        for (const TPackedFile& file : ReadPayloadFile(package, static_cast<int64_t>(stubSize), kPassword))
            names.push_back(file.name);
        return names;
    }

    TScratchFolder scratch{"qvl-carrier-"};
    std::string package;
};

TEST_F(CarrierCommands, UnhideStartsTheCarriersPackageAndClearAfterAYesGivesBackItsOwnBytes) {
    const TStubFile stub(RandomBytes(3000, 1));
    const Bytes own = RandomBytes(1234, 3);
    const std::string carrier = Put("holiday.jpg", own);
    HideInto(carrier, Put("notes.txt", RandomBytes(30000, 2)));
    const Bytes hidden = FileBytes(carrier);

    Unhide(carrier);
    EXPECT_EQ(FileBytes(package), Bytes(hidden.begin() + static_cast<std::ptrdiff_t>(own.size()), hidden.end()));
    EXPECT_EQ(PackedNames(stub.Bytes().size()), std::vector<std::string>{"notes.txt"});
    EXPECT_TRUE(IsIconic(Form1->Handle()));
    ExpectCarrierTaken(carrier, 1);
    const TServiceCall launch = Services().CallsOf(TServiceKind::ShellExecute)[0];
    EXPECT_EQ(launch.Owner, Application->Handle());
    EXPECT_EQ(launch.Verb + " " + launch.Text + " in " + launch.Directory, "open QVL.exe in " + TempDir);
    EXPECT_EQ(launch.Show, SW_SHOWNORMAL);

    Clear(IDNO);
    EXPECT_EQ(FileBytes(carrier), hidden);
    EXPECT_TRUE(FileExists(package));
    ExpectCarrierTaken(carrier, 1);
    Clear(IDYES);
    EXPECT_EQ(FileBytes(carrier), own);
    EXPECT_FALSE(FileExists(package)) << "the temp copy is wiped";
    ExpectCarrierTaken("", 1);
    const std::vector<TServiceCall> boxes = Services().CallsOf(TServiceKind::MessageBox);
    ASSERT_EQ(boxes.size(), 4u);  // erase question, Clear question twice, done
    EXPECT_EQ(boxes[1].Text, "Are you sure you want to clear the carrier file:\r" + carrier);
    EXPECT_EQ(boxes[1].Flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(boxes[3].Text, "File \"" + carrier + "\" is clear.");
    EXPECT_EQ(boxes[3].Flags, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    Form1->Clear1Click(nullptr);  // nothing taken: nothing asked, even past the disabled items
    EXPECT_EQ(Services().MessageTexts().size(), 4u);
}

// With the stub the program ships: every carrier it writes is taken as one.
TEST_F(CarrierCommands, CarrierHiddenIntoTwiceShowsTheNewerPackageAndClearTakesOffBoth) {
    const TStubFile stub(FileBytes(QVL_BUILT_STUB));
    ASSERT_GT(stub.Bytes().size(), 1000u);
    const Bytes own = RandomBytes(4321, 10);
    const std::string carrier = Put("twice.doc", own);
    HideInto(carrier, Put("first.txt", RandomBytes(100, 8)));
    HideInto(carrier, Put("second.txt", RandomBytes(200, 9)));
    EXPECT_FALSE(FileExists(HideRecordPath(carrier))) << "a finished hide keeps no record";
    // Clear takes off every package hidden in turn, not only the newer one.
    Unhide(carrier);
    EXPECT_EQ(PackedNames(stub.Bytes().size()), std::vector<std::string>{"second.txt"});
    Clear(IDYES);
    EXPECT_EQ(FileBytes(carrier), own);
}

TEST_F(CarrierCommands, BytesFromTheTrailersOffsetOnAreCopiedExactlyAroundWholeBlocks) {
    const Bytes own = RandomBytes(100, 11);
    size_t runs = 0;
    for (size_t after : {size_t{120}, size_t{20479}, size_t{20480}, size_t{20481}, size_t{2 * 20480}}) {
        const Bytes tail = Joined({Package(after - 10, static_cast<uint32_t>(after)), Trailer(100)});
        const std::string carrier = Put("blocks" + std::to_string(after), Joined({own, tail}));
        Unhide(carrier);
        EXPECT_EQ(FileBytes(package), tail) << after;
        ExpectCarrierTaken(carrier, ++runs);
    }
    EXPECT_TRUE(Services().MessageTexts().empty());
}

// Any file whose last 10 bytes are digits looked like a carrier; a carrier holds a whole package at N.
TEST_F(CarrierCommands, FilesWithoutAPackageAtTheirTrailersOffsetAreInvalidCarriersForUnhideAndClear) {
    const std::string text = "Order 4711, shipped in 12 parts, weighing 0000000012";
    const struct {
        const char* name;
        Bytes bytes;
    } cases[] = {
        {"letters.txt", Joined({RandomBytes(50, 12), {'0', '0', '0', '0', '0', '0', '0', '0', '1', 'x'}})},
        {"five.bin", {'0', '0', '0', '0', '5'}},
        {"beyond.bin", Joined({RandomBytes(20, 13), Trailer(21)})},
        {"far.bin", Joined({RandomBytes(20, 14), Trailer(9999999999LL)})},
        {"negative.bin", Joined({RandomBytes(20, 15), {'-', '0', '0', '0', '0', '0', '0', '0', '0', '1'}})},
        {"digits.txt", Bytes(text.begin(), text.end())},
        {"no-mz.bin", Joined({RandomBytes(20, 16), {'Z', 'M'}, RandomBytes(100, 17), Trailer(20)})},
        {"too-short.bin", Joined({RandomBytes(20, 18), Package(109, 19), Trailer(20)})},
        // "MZ" at N in plain text, ten digits at the end: no program's head there.
        {"mz-text.txt", Joined({RandomBytes(17, 27), {'M', 'Z'}, Bytes(680, 'a'), Trailer(17)})},
        // A program that ends in ten "0": its whole self is no stub followed by a payload.
        {"program.exe", Joined({Package(60, 28), Trailer(0)})},
    };
    for (const auto& c : cases) {
        const std::string path = Put(c.name, c.bytes);
        DeleteFileA(package.c_str());  // left by the last round's Unhide files
        Form1->SetClearEnabled(true);
        CarrierFile = "C:\\earlier.jpg";
        Services() = TScriptedServices();
        Unhide(path);
        ExpectOnlyError("Invalid carrier file.\r" + path);
        ExpectCarrierTaken("", 0);
        EXPECT_FALSE(FileExists(package)) << c.name;
        EXPECT_EQ(FileBytes(path), c.bytes) << c.name;

        // A carrier that turned into this file after Unhide files took it is not cut either.
        const std::string changed = Put("changed.bin", Joined({RandomBytes(40, 20), Package(200, 21), Trailer(40)}));
        Unhide(changed);
        ExpectCarrierTaken(changed, 1);
        PutFile(changed, c.bytes);
        Services() = TScriptedServices();
        Clear(IDYES);
        EXPECT_EQ(FileBytes(changed), c.bytes) << c.name;
        EXPECT_EQ(Services().MessageTexts().back(), "Invalid carrier file.\r" + changed);
        ExpectCarrierTaken("", 0);
    }
}

// Runs a step when the application window gets the message posted for it: inside the next run of pending messages.
struct TPostedStep {
    std::function<void()> step;
    bool Hook(TMessage& message) {
        if (message.Msg != WM_APP + 12) return false;
        step();
        return true;
    }
};

TEST_F(CarrierCommands, CarrierCommandsWaitWhileAnUnhideCopyLetsMessagesRun) {
    const Bytes tail = Joined({Package(3 * 20480, 25), Trailer(10)});
    const std::string carrier = Put("big.bin", Joined({RandomBytes(10, 26), tail}));
    bool ranDuringCopy = false;
    TPostedStep posted{[&] {
        ranDuringCopy = true;
        Form1->Unhidefiles1Click(nullptr);
        Form1->Clear1Click(nullptr);
    }};
    const TWindowHook hook = MethodOf<&TPostedStep::Hook>(&posted);
    Application->HookMainWindow(hook);
    Select(carrier);
    harness::ProcessMessages();
    PostMessageA(Application->Handle(), WM_APP + 12, 0, 0);
    Form1->Unhidefiles1->Click();
    Application->UnhookMainWindow(hook);
    EXPECT_TRUE(ranDuringCopy);
    EXPECT_TRUE(Services().MessageTexts().empty());
    EXPECT_EQ(FileBytes(package), tail);
    ExpectCarrierTaken(carrier, 1);
}

TEST_F(CarrierCommands, TempPackageThatIsRunningOrIsTheCarrierItselfIsNeverOverwritten) {
    const std::string carrier = Put("valid.bin", Joined({RandomBytes(60, 20), Package(500, 21), Trailer(60)}));
    const Bytes running = Joined({RandomBytes(30, 22), Package(300, 23), Trailer(30)});
    const std::string link = scratch / "link-to-temp.exe";
    PutFile(package, running);
    ASSERT_TRUE(CreateHardLinkA(link.c_str(), package.c_str(), nullptr));
    for (const auto& [selected, heldOpen] : {std::pair{carrier, true}, std::pair{package, false},
                                             std::pair{link, false}}) {
        Services() = TScriptedServices();
        Services().AnswerMessageBox(IDYES);  // a temp package this run did not write is replaced after a Yes
        {
            std::optional<TWin32FileStream> holder;
            if (heldOpen) holder.emplace(package, TFileMode::fmOpenRead);
            Unhide(selected);
        }
        const std::vector<std::string> texts = Services().MessageTexts();
        ASSERT_EQ(texts.size(), heldOpen ? 2u : 1u) << "the carrier itself is refused unasked";
        const std::string stillRunning =
            "The package of the last Unhide files is still running; close it first.\r" + package;
        EXPECT_EQ(texts.back(), heldOpen ? stillRunning : "File access denied.\rQVL.exe");
        EXPECT_EQ(Services().CallsOf(TServiceKind::MessageBox).back().Flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
        EXPECT_EQ(FileBytes(package), running) << selected;
        ExpectCarrierTaken("", 0);
    }
}

// Clear and closing erase the temp package only while it is the file this run wrote there.
TEST_F(CarrierCommands, TempPackageThatThisRunDidNotWriteIsReplacedOnlyAfterAYesAndNeverErased) {
    const Bytes packed = Package(500, 41);
    const std::string carrier = Put("valid.bin", Joined({RandomBytes(60, 40), packed, Trailer(60)}));
    const Bytes foreign = Package(200, 42);
    PutFile(package, foreign);
    TCloseAction action = caHide;
    Services().AnswerMessageBox(IDNO);
    Unhide(carrier);
    EXPECT_EQ(Services().MessageTexts(), std::vector<std::string>{"File \"" + package + "\" already exists.\rOverwrite?"});
    EXPECT_EQ(Services().CallsOf(TServiceKind::MessageBox)[0].Flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    ExpectCarrierTaken("", 0);
    Form1->FormClose(nullptr, action);
    EXPECT_EQ(FileBytes(package), foreign);

    Services().AnswerMessageBox(IDYES);
    Unhide(carrier);
    Unhide(carrier);  // its own copy now: replaced unasked
    EXPECT_EQ(Services().MessageTexts().size(), 2u);
    EXPECT_EQ(FileBytes(package), Joined({packed, Trailer(60)}));
    ExpectCarrierTaken(carrier, 2);
    Form1->FormClose(nullptr, action);
    EXPECT_FALSE(FileExists(package));

    // Another file under the name since the copy: Clear leaves it.
    Unhide(carrier);
    ASSERT_TRUE(DeleteFileA(package.c_str()));
    PutFile(package, foreign);
    Clear(IDYES);
    EXPECT_EQ(FileBytes(carrier).size(), 60u) << "cut back";
    EXPECT_EQ(FileBytes(package), foreign);

    // Its own copy, still in use when Clear wipes it, goes on close.
    ASSERT_TRUE(DeleteFileA(package.c_str()));
    const std::string second = Put("second.bin", Joined({RandomBytes(70, 43), packed, Trailer(70)}));
    Unhide(second);
    {
        TWin32FileStream running(package, TFileMode::fmOpenRead);
        Clear(IDYES);
    }
    EXPECT_EQ(Services().MessageTexts().back(), "File access denied.\r" + package);
    Form1->FormClose(nullptr, action);
    EXPECT_FALSE(FileExists(package));
}

// The package is started only from a temp folder that exists, and only when the window is still there;
// one that does not start is reported, and so is a carrier that another program holds open.
TEST_F(CarrierCommands, UnhideStartsNothingWithoutATempFolderOrAfterACloseAndSaysWhatFailed) {
    const Bytes tail = Joined({Package(3 * 20480, 30), Trailer(40)});
    const std::string carrier = Put("photo.jpg", Joined({RandomBytes(40, 31), tail}));
    const std::string temp = TempDir;
    for (const std::string& unusable : {std::string(), scratch / "gone\\"}) {
        Services() = TScriptedServices();
        TempDir = unusable;
        Unhide(carrier);
        ExpectOnlyError("There is no usable temp folder to start the package from; nothing was written.");
        ExpectCarrierTaken("", 0);
        EXPECT_FALSE(FileExists("QVL.exe")) << "never the current folder";
    }
    TempDir = temp;
    Services() = TScriptedServices();
    {
        TWin32FileStream other(carrier, TFileMode::fmOpenRead);  // held without sharing
        Unhide(carrier);
    }
    ASSERT_EQ(Services().MessageTexts().size(), 1u);
    EXPECT_EQ(Services().MessageTexts()[0].rfind("The carrier file could not be opened: ", 0), 0u);
    EXPECT_NE(Services().MessageTexts()[0].find(SystemErrorText(ERROR_SHARING_VIOLATION)), std::string::npos);

    Services() = TScriptedServices();
    Services().AnswerShellExecute(SE_ERR_FNF);
    Unhide(carrier);
    EXPECT_EQ(Services().MessageTexts(), std::vector<std::string>{"The package could not be started.\r" + package});

    TPostedStep posted{[&] {
        TCloseAction action = caHide;
        Form1->FormClose(nullptr, action);
    }};
    const TWindowHook hook = MethodOf<&TPostedStep::Hook>(&posted);
    Application->HookMainWindow(hook);
    Select(carrier);
    ASSERT_TRUE(DeleteFileA(package.c_str()));
    Services() = TScriptedServices();
    harness::ProcessMessages();
    PostMessageA(Application->Handle(), WM_APP + 12, 0, 0);
    Form1->Unhidefiles1->Click();
    Application->UnhookMainWindow(hook);
    EXPECT_EQ(Services().CallsOf(TServiceKind::ShellExecute).size(), 0u);
    EXPECT_FALSE(FileExists(package));
}

// A hide cut short (killed, a crash) leaves its record beside the carrier: Unhide says so and Clear gives the
// file back at its own length.
TEST_F(CarrierCommands, HideThatWasKilledMidwayIsUndoneByTheNextClear) {
    const Bytes own = RandomBytes(5000, 32);
    const std::string carrier = Put("photo.jpg", own);
    ASSERT_TRUE(WriteHideRecord(carrier, 5000));
    EXPECT_FALSE(WriteHideRecord(carrier, 1)) << "a record is never replaced";
    const Bytes cut = Joined({own, Package(30000, 33)});  // part of the package appended, no trailer
    PutFile(carrier, cut);
    const TStubFile stub(RandomBytes(100, 35));
    HideInto(carrier, Put("more.txt", RandomBytes(50, 34)));  // no new hide over an unfinished one
    EXPECT_EQ(FileBytes(carrier), cut);
    ASSERT_FALSE(Services().MessageTexts().empty());
    EXPECT_NE(Services().MessageTexts().back().find(HideRecordPath(carrier)), std::string::npos);
    Services() = TScriptedServices();
    Unhide(carrier);
    EXPECT_EQ(Services().MessageTexts().size(), 1u);
    ExpectCarrierTaken(carrier, 0);
    Clear(IDYES);
    EXPECT_EQ(FileBytes(carrier), own);
    EXPECT_FALSE(FileExists(HideRecordPath(carrier)));
    ExpectCarrierTaken("", 0);
}

// Reads like the bytes it holds until `readable` bytes have been read, then nothing (a failing disk).
class TReadFailsAfter : public TMemoryStream {
public:
    TReadFailsAfter(std::vector<uint8_t> bytes, int64_t readable) : TMemoryStream(std::move(bytes)), readable_(readable) {}
    int32_t Read(void* buffer, int32_t count) override {
        const int32_t n = TMemoryStream::Read(buffer, static_cast<int32_t>(std::min<int64_t>(count, readable_)));
        readable_ -= n;
        return n;
    }

private:
    int64_t readable_;
};

TEST(ExtractCarrierPackage, CopyThatEndsShortLeavesNoFileAndAWholeCopyPumpsOncePerBlock) {
    TScratchFolder scratch("qvl-extract-");
    const std::string path = scratch / "QVL.exe";
    const Bytes carrier = RandomBytes(100 + 3 * 20480 + 5, 24);
    const struct {
        int64_t readable;
        TExtractResult expected;
        int pumps;
    } cases[] = {{INT64_MAX, TExtractResult::erDone, 4}, {30000, TExtractResult::erReadShort, 2},
                 {0, TExtractResult::erReadShort, 1}};
    for (const auto& c : cases) {
        PutFile(path, {1, 2, 3});  // an earlier package is replaced either way
        TReadFailsAfter stream(carrier, c.readable);
        int pumps = 0;
        EXPECT_EQ(ExtractCarrierPackage(stream, 100, path, [&] { ++pumps; }), c.expected) << c.readable;
        EXPECT_EQ(pumps, c.pumps) << c.readable;
        const Bytes expected = c.expected == TExtractResult::erDone ? Bytes(carrier.begin() + 100, carrier.end()) : Bytes{};
        EXPECT_EQ(FileBytes(path), expected) << "a partial package must never be left to start";
        EXPECT_EQ(FileExists(path), c.expected == TExtractResult::erDone);
    }
}

}  // namespace
