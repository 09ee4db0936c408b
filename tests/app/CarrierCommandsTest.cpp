// Unhide files and Clear on carriers written by the Encrypt dialog and on files that only look like carriers.
#include <optional>

#include "app/CarrierPackage.h"
#include "app/payload/DecimalText.h"
#include "tests/app/DialogTestSupport.h"
#include "tests/app/MainWindowTestSupport.h"

namespace {

const std::string kPassword = "carrier pw";
constexpr UINT kErrorBox = MB_OK | MB_ICONERROR;

using Bytes = std::vector<uint8_t>;

Bytes Joined(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
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
        package = TempDir + "QVL.exe";
        DeleteFileA(package.c_str());
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        DeleteFileA(package.c_str());
    }

    // Hides the files into the carrier through the Encrypt dialog, declining to erase them.
    void HideInto(const std::string& carrier, const std::vector<std::string>& files) {
        Form1->ListView1->Clear();
        for (const std::string& file : files) Form1->AddPath(file);
        Services().AnswerMessageBox(IDNO);
        harness::ShowModalWith(*Form2, {[&] {
                                   Form2->ComboBox1->SetItemIndex(emCarrier);
                                   Form2->ComboBox1Change(Form2->ComboBox1);
                                   Form2->Edit1->SetText(kPassword);
                                   Form2->Edit2->SetText(kPassword);
                                   Form2->Edit3->SetText(carrier);
                                   harness::ClickButton(*Form2->Button1);
                               }});
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

    bool ClearEnabled() { return Form1->Clear1->Enabled() && Form1->Clear2->Enabled(); }
    bool ClearDisabled() { return !Form1->Clear1->Enabled() && !Form1->Clear2->Enabled(); }
    size_t Launches() { return Services().CallsOf(TServiceKind::ShellExecute).size(); }
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

TEST_F(CarrierCommands, UnhideCopiesStubPayloadAndTrailerMinimisesAndStartsTheCopy) {
    const TStubFile stub(RandomBytes(3000, 1));
    const std::string source = scratch / "notes.txt";
    PutFile(source, RandomBytes(30000, 2));
    const std::string carrier = scratch / "holiday.jpg";
    const Bytes picture = RandomBytes(1234, 3);
    PutFile(carrier, picture);
    HideInto(carrier, {source});
    const Bytes hidden = FileBytes(carrier);
    ASSERT_GT(hidden.size(), picture.size() + stub.Bytes().size() + 10);

    Unhide(carrier);
    EXPECT_EQ(FileBytes(package), Bytes(hidden.begin() + static_cast<std::ptrdiff_t>(picture.size()), hidden.end()));
    EXPECT_EQ(PackedNames(stub.Bytes().size()), std::vector<std::string>{"notes.txt"});
    EXPECT_TRUE(IsIconic(Form1->Handle()));
    const std::vector<TServiceCall> launches = Services().CallsOf(TServiceKind::ShellExecute);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].Owner, Application->Handle());
    EXPECT_EQ(launches[0].Verb, "open");
    EXPECT_EQ(launches[0].Text, "QVL.exe");
    EXPECT_EQ(launches[0].Parameters, "");
    EXPECT_EQ(launches[0].Directory, TempDir);
    EXPECT_EQ(launches[0].Show, SW_SHOWNORMAL);
    EXPECT_EQ(CarrierFile, carrier);
    EXPECT_TRUE(ClearEnabled());
    EXPECT_EQ(Services().MessageTexts().size(), 1u) << "only the Encrypt dialog's erase question";
}

TEST_F(CarrierCommands, ClearAsksThenCutsTheCarrierBackToItsOwnBytesAndWipesTheTempCopy) {
    const TStubFile stub(RandomBytes(2000, 4));
    const std::string source = scratch / "a.bin";
    PutFile(source, RandomBytes(5000, 5));
    const std::string carrier = scratch / "song.mp3";
    const Bytes own = RandomBytes(777, 6);
    PutFile(carrier, own);
    HideInto(carrier, {source});
    const Bytes hidden = FileBytes(carrier);
    Unhide(carrier);
    ASSERT_TRUE(FileExists(package));

    Clear(IDNO);
    EXPECT_EQ(FileBytes(carrier), hidden);
    EXPECT_TRUE(ClearEnabled());
    EXPECT_EQ(CarrierFile, carrier);
    EXPECT_TRUE(FileExists(package));

    Clear(IDYES);
    EXPECT_EQ(FileBytes(carrier), own);
    EXPECT_TRUE(ClearDisabled());
    EXPECT_EQ(CarrierFile, "");
    EXPECT_FALSE(FileExists(package));
    const std::vector<TServiceCall> boxes = Services().CallsOf(TServiceKind::MessageBox);
    ASSERT_EQ(boxes.size(), 4u);  // erase question, Clear question twice, done
    EXPECT_EQ(boxes[1].Text, "Are you sure you want to clear the carrier file:\r" + carrier);
    EXPECT_EQ(boxes[1].Caption, std::optional<std::string>("Quiverlock 2.0"));
    EXPECT_EQ(boxes[1].Flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(boxes[3].Text, "File \"" + carrier + "\" is clear.");
    EXPECT_EQ(boxes[3].Flags, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));

    // Nothing taken: Clear does nothing at all, even reached past its disabled items.
    Form1->Clear1Click(nullptr);
    EXPECT_EQ(Services().MessageTexts().size(), 4u);
}

TEST_F(CarrierCommands, CarrierHiddenIntoTwiceGivesUpItsNewerPackageFirst) {
    const TStubFile stub(RandomBytes(1500, 7));
    const std::string first = scratch / "first.txt";
    const std::string second = scratch / "second.txt";
    PutFile(first, RandomBytes(100, 8));
    PutFile(second, RandomBytes(200, 9));
    const std::string carrier = scratch / "twice.doc";
    const Bytes own = RandomBytes(4321, 10);
    PutFile(carrier, own);
    HideInto(carrier, {first});
    const Bytes once = FileBytes(carrier);
    HideInto(carrier, {second});

    Unhide(carrier);
    EXPECT_EQ(PackedNames(stub.Bytes().size()), std::vector<std::string>{"second.txt"});
    Clear(IDYES);
    EXPECT_EQ(FileBytes(carrier), once);

    Unhide(carrier);
    EXPECT_EQ(PackedNames(stub.Bytes().size()), std::vector<std::string>{"first.txt"});
    Clear(IDYES);
    EXPECT_EQ(FileBytes(carrier), own);
}

TEST_F(CarrierCommands, BytesAfterTheTrailersOffsetAreCopiedExactlyAroundWholeBlocks) {
    const Bytes own = RandomBytes(100, 11);
    for (size_t after : {size_t{10}, size_t{20479}, size_t{20480}, size_t{20481}, size_t{2 * 20480}}) {
        const std::string carrier = scratch / ("blocks" + std::to_string(after));
        const Bytes tail = Joined({RandomBytes(after - 10, static_cast<uint32_t>(after)), Trailer(100)});
        PutFile(carrier, Joined({own, tail}));
        Unhide(carrier);
        EXPECT_EQ(FileBytes(package), tail) << after;
        EXPECT_EQ(CarrierFile, carrier) << after;
    }
    EXPECT_EQ(Launches(), 5u);
    EXPECT_TRUE(Services().MessageTexts().empty());
}

TEST_F(CarrierCommands, FilesWithoutAUsableTrailerAreInvalidCarriersAndLeaveNoCarrierTaken) {
    const struct {
        const char* name;
        Bytes bytes;
    } cases[] = {
        {"letters.txt", Joined({RandomBytes(50, 12), {'0', '0', '0', '0', '0', '0', '0', '0', '1', 'x'}})},
        {"five.bin", {'0', '0', '0', '0', '5'}},
        {"beyond.bin", Joined({RandomBytes(20, 13), Trailer(21)})},
        {"far.bin", Joined({RandomBytes(20, 14), Trailer(9999999999LL)})},
        {"negative.bin", Joined({RandomBytes(20, 15), {'-', '0', '0', '0', '0', '0', '0', '0', '0', '1'}})},
    };
    for (const auto& c : cases) {
        const std::string path = scratch / c.name;
        PutFile(path, c.bytes);
        Form1->SetClearEnabled(true);
        CarrierFile = "C:\\earlier.jpg";
        Services() = TScriptedServices();
        Unhide(path);
        ASSERT_EQ(Services().MessageTexts(), std::vector<std::string>{"Invalid carrier file.\r" + path}) << c.name;
        EXPECT_EQ(Services().Calls()[0].Caption, std::optional<std::string>("Quiverlock 2.0"));
        EXPECT_EQ(Services().Calls()[0].Flags, kErrorBox);
        EXPECT_TRUE(ClearDisabled()) << c.name;
        EXPECT_EQ(CarrierFile, "") << c.name;
        EXPECT_EQ(Launches(), 0u) << c.name;
        EXPECT_FALSE(FileExists(package)) << c.name;
        EXPECT_EQ(FileBytes(path), c.bytes) << c.name;
    }
}

TEST_F(CarrierCommands, ClearOfACarrierWhoseTrailerBrokeMeanwhileChangesNothing) {
    const std::string carrier = scratch / "changed.bin";
    PutFile(carrier, Joined({RandomBytes(40, 17), RandomBytes(30, 18), Trailer(40)}));
    Unhide(carrier);
    ASSERT_TRUE(ClearEnabled());
    const Bytes broken = Joined({RandomBytes(15, 19), Trailer(16)});  // beyond its own start
    PutFile(carrier, broken);
    Clear(IDYES);
    EXPECT_EQ(FileBytes(carrier), broken) << "Clear never makes a file longer";
    EXPECT_EQ(Services().MessageTexts().back(), "Invalid carrier file.\r" + carrier);
    EXPECT_TRUE(ClearDisabled());
    EXPECT_EQ(CarrierFile, "");
}

// Runs a step when the application window gets a message posted before: inside the next pending-message run.
struct TPostedStep {
    std::function<void()> step;
    bool Hook(TMessage& message) {
        if (message.Msg != WM_APP + 12) return false;
        step();
        return true;
    }
};

TEST_F(CarrierCommands, CarrierCommandsWaitWhileAnUnhideCopyLetsMessagesRun) {
    const std::string carrier = scratch / "big.bin";
    const Bytes tail = Joined({RandomBytes(3 * 20480, 25), Trailer(10)});
    PutFile(carrier, Joined({RandomBytes(10, 26), tail}));
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
    EXPECT_EQ(Launches(), 1u);
    EXPECT_EQ(FileBytes(package), tail);
    EXPECT_EQ(CarrierFile, carrier);
    EXPECT_TRUE(ClearEnabled());
}

TEST_F(CarrierCommands, TempPackageThatIsRunningOrIsTheCarrierItselfIsNeverOverwritten) {
    const std::string carrier = scratch / "valid.bin";
    PutFile(carrier, Joined({RandomBytes(60, 20), RandomBytes(500, 21), Trailer(60)}));
    const Bytes running = Joined({RandomBytes(30, 22), RandomBytes(300, 23), Trailer(30)});
    const std::string link = scratch / "link-to-temp.exe";
    PutFile(package, running);
    ASSERT_TRUE(CreateHardLinkA(link.c_str(), package.c_str(), nullptr));

    struct {
        const char* what;
        std::string selected;
        bool heldOpen;
    } cases[] = {{"package still running", carrier, true}, {"carrier is the package", package, false},
                 {"carrier is a link to the package", link, false}};
    for (const auto& c : cases) {
        Services() = TScriptedServices();
        {
            std::optional<TWin32FileStream> holder;
            if (c.heldOpen) holder.emplace(package, TFileMode::fmOpenRead);
            Unhide(c.selected);
        }
        ASSERT_EQ(Services().MessageTexts(), std::vector<std::string>{"File access denied.\rQVL.exe"}) << c.what;
        EXPECT_EQ(Services().Calls()[0].Caption, std::optional<std::string>("Quiverlock 2.0"));
        EXPECT_EQ(Services().Calls()[0].Flags, kErrorBox);
        EXPECT_EQ(FileBytes(package), running) << c.what;
        EXPECT_EQ(Launches(), 0u) << c.what;
        EXPECT_TRUE(ClearDisabled()) << c.what;
        EXPECT_EQ(CarrierFile, "") << c.what;
    }
}

// Reads like the carrier it wraps until `readable` bytes have been read, then nothing (a failing disk).
class TReadFailsAfter : public TMemoryStream {
public:
    TReadFailsAfter(std::vector<uint8_t> bytes, int64_t readable) : TMemoryStream(std::move(bytes)), readable_(readable) {}
    int32_t Read(void* buffer, int32_t count) override {
        const auto allowed = static_cast<int32_t>(std::max<int64_t>(0, std::min<int64_t>(count, readable_)));
        const int32_t n = TMemoryStream::Read(buffer, allowed);
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
    struct {
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
        if (c.expected == TExtractResult::erDone) {
            EXPECT_EQ(FileBytes(path), Bytes(carrier.begin() + 100, carrier.end()));
        } else {
            EXPECT_FALSE(FileExists(path)) << "a partial package must never be left to start";
        }
    }
}

}  // namespace
