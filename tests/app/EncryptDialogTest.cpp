// The Encrypt dialog driven through its controls: validation, destinations, the three containers, Cancel.
#include "app/Unit2.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <optional>
#include <cstdio>
#include <thread>

#include "app/payload/DecimalText.h"
#include "tests/support/DialogRuns.h"
#include "tests/app/DialogTestSupport.h"

namespace {

const std::string kPassword = "Tr0ub4dor";

class EncryptDialog : public ::testing::Test {
protected:
    EncryptDialog() {
        harness::TestApplication();
        form = std::make_unique<TForm2>(nullptr);
    }

    void Fill(TEncryptMode mode, const std::string& password, const std::string& verify,
              const std::string& destination) {
        form->ComboBox1->SetItemIndex(mode);
        form->ComboBox1Change(form->ComboBox1);
        form->Edit1->SetText(password);
        form->Edit2->SetText(verify);
        form->Edit3->SetText(destination);
    }

    // Fills the dialog and clicks Encrypt (see FillAndClick); returns whether the run closed the dialog.
    bool Encrypt(TEncryptMode mode, const std::string& password, const std::string& verify,
                 const std::string& destination, const std::function<void()>& check = {}) {
        return FillAndClick(*form, [&] { Fill(mode, password, verify, destination); }, *form->Button1, check);
    }

    bool Encrypt(TEncryptMode mode, const std::string& destination, const std::function<void()>& check = {}) {
        return Encrypt(mode, kPassword, kPassword, destination, check);
    }

    // A fresh dialog with no answers or calls left from the last run.
    void Reopen() {
        scripted.services = TScriptedServices();
        form = std::make_unique<TForm2>(nullptr);
    }

    bool InputsEnabled() const {
        return form->ComboBox1->Enabled() && form->Edit1->Enabled() && form->Edit3->Enabled() &&
               form->Button1->Enabled() && EncryptStopFlag;
    }

    TScriptedScope scripted;
    TFakeFileList list;
    TScratchFolder scratch{"qvl-encrypt-"};
    std::unique_ptr<TForm2> form;
};

TEST_F(EncryptDialog, EachRefusedInputShowsItsMessageFocusesItsFieldAndWritesNothing) {
    const std::string source = scratch / "a.txt";
    AddSource(list, source, RandomBytes(100, 1));
    const std::string destination = scratch / "out.qvl";
    const std::string missingCarrier = scratch / "nowhere.jpg";
    struct {
        TEncryptMode mode;
        std::string password, verify, destination;
        std::string message;
        TEdit* TForm2::*focus;
    } cases[] = {
        {emStandard, "", "", destination, "Please enter the password.", &TForm2::Edit1},
        {emStandard, "Secret", "secret", destination, "Passwords must be identical.", &TForm2::Edit2},
        {emStandard, "x", "x", "", "Please specify the destination file.", &TForm2::Edit3},
        {emPackage, "x", "x", "", "Please specify the destination file.", &TForm2::Edit3},
        {emCarrier, "x", "x", "", "Please specify the carrier file.", &TForm2::Edit3},
        {emCarrier, "x", "x", missingCarrier, "Please specify the carrier file.", &TForm2::Edit3},
    };
    for (const auto& c : cases) {
        Reopen();
        EXPECT_FALSE(Encrypt(c.mode, c.password, c.verify, c.destination, [&] {
            EXPECT_TRUE(HasFocus(*(form.get()->*c.focus))) << c.message;
            EXPECT_TRUE(InputsEnabled());
        }));
        ASSERT_EQ(scripted.services.MessageTexts(), std::vector<std::string>{c.message});
        const TServiceCall call = scripted.services.Calls().front();
        EXPECT_EQ(call.Caption, std::optional<std::string>("Quiverlock"));
        EXPECT_EQ(call.Flags, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
        EXPECT_EQ(call.Owner, form->Handle());
        EXPECT_FALSE(FileExists(destination));
        EXPECT_FALSE(FileExists(missingCarrier));
    }
}

TEST_F(EncryptDialog, BlankPasswordIsAcceptedAndHashedWithItsBlanks) {
    const std::vector<uint8_t> bytes = RandomBytes(5000, 2);
    AddSource(list, scratch / "a.bin", bytes);
    const std::string destination = scratch / "blank.qvl";
    scripted.services.AnswerMessageBox(IDNO);  // erase question
    EXPECT_TRUE(Encrypt(emStandard, "   ", "   ", destination));
    EXPECT_TRUE(ReadPayloadFile(destination, 0, "").empty());
    EXPECT_TRUE(ReadPayloadFile(destination, 0, " ").empty());
    const std::vector<TPackedFile> files = ReadPayloadFile(destination, 0, "   ");
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].contents, bytes);
}

TEST_F(EncryptDialog, ProposedDestinationLiesBesideTheFirstFilesFolder) {
    struct {
        std::string folder;
        std::string standard, package;
    } cases[] = {
        {"C:\\", "C:\\C.qvl", "C:\\C.exe"},
        {"C:\\Data\\Photos", "C:\\Data\\Photos.qvl", "C:\\Data\\Photos.exe"},
        {"D:\\Data\\Photos\\", "D:\\Data\\Photos.qvl", "D:\\Data\\Photos.exe"},
    };
    for (const auto& c : cases) {
        list.rows.clear();
        list.Add(c.folder, "first.txt", "1");
        list.Add("E:\\Other", "second.txt", "1");
        form = std::make_unique<TForm2>(nullptr);
        harness::ShowModalWith(*form, {[&] {
                                   EXPECT_EQ(form->ComboBox1->ItemIndex(), emPackage);
                                   EXPECT_EQ(form->Edit3->Text(), c.package);
                                   EXPECT_EQ(form->Label4->Caption(), "Destination file:");
                                   EXPECT_TRUE(HasFocus(*form->Edit1));
                                   form->ComboBox1->SetItemIndex(emStandard);
                                   form->ComboBox1Change(form->ComboBox1);
                                   EXPECT_EQ(form->Edit3->Text(), c.standard);
                                   form->ComboBox1->SetItemIndex(emCarrier);
                                   form->ComboBox1Change(form->ComboBox1);
                                   EXPECT_EQ(form->Edit3->Text(), "");
                                   EXPECT_EQ(form->Label4->Caption(), "Carrier file:");
                                   harness::ClickButton(*form->Button2);  // idle Cancel closes
                               }});
    }
}

TEST_F(EncryptDialog, SaveDialogAppendsTheModesExtensionUnlessItIsExactlyThere) {
    struct {
        TEncryptMode mode;
        std::optional<std::string> chosen;
        std::string filter, expected;
    } cases[] = {
        {emStandard, "C:\\x\\box.qvl", "Encrypted Files (*.qvl)|*.qvl", "C:\\x\\box.qvl"},
        {emStandard, "C:\\x\\box.QVL", "Encrypted Files (*.qvl)|*.qvl", "C:\\x\\box.QVL.qvl"},
        {emStandard, "C:\\x.y\\box", "Encrypted Files (*.qvl)|*.qvl", "C:\\x.y\\box.qvl"},
        {emPackage, "C:\\x\\run.exe", "Executable Files (*.exe)|*.exe", "C:\\x\\run.exe"},
        {emPackage, "C:\\x\\run.txt", "Executable Files (*.exe)|*.exe", "C:\\x\\run.txt.exe"},
        {emCarrier, "C:\\x\\pic.jpg", "Any Files (*.*)|*.*", "C:\\x\\pic.jpg"},
        {emStandard, std::nullopt, "Encrypted Files (*.qvl)|*.qvl", "C:\\start.qvl"},
    };
    for (const auto& c : cases) {
        Reopen();
        scripted.services.AnswerSaveDialog(c.chosen);
        harness::ShowModalWith(*form, {[&] {
                                   Fill(c.mode, "", "", "C:\\start.qvl");
                                   harness::ClickButton(*form->BitBtn1);
                                   EXPECT_EQ(form->Edit3->Text(), c.expected);
                                   form->Close();
                               }});
        const std::vector<TServiceCall> saves = scripted.services.CallsOf(TServiceKind::SaveDialog);
        ASSERT_EQ(saves.size(), 1u);
        EXPECT_EQ(saves[0].Save.Filter, c.filter);
        EXPECT_EQ(saves[0].Save.FileName, "C:\\start.qvl");
        EXPECT_TRUE(scripted.services.MessageTexts().empty());
    }
}

TEST_F(EncryptDialog, PackageAndCarrierHoldStubPayloadAndTrailer) {
    const TStubFile stub(RandomBytes(3000, 3));
    const std::vector<uint8_t> first = RandomBytes(8192 * 2, 4);
    const std::vector<uint8_t> second = RandomBytes(13, 5);
    AddSource(list, scratch / "first.bin", first);
    AddSource(list, scratch / "second.bin", second);
    const auto checkPayload = [&](const std::string& path, int64_t offset) {
        const std::vector<TPackedFile> files = ReadPayloadFile(path, offset, kPassword);
        ASSERT_EQ(files.size(), 2u);
        EXPECT_EQ(files[0].name, "first.bin");
        EXPECT_EQ(files[0].contents, first);
        EXPECT_EQ(files[1].contents, second);
    };

    const std::string package = scratch / "package.exe";
    scripted.services.AnswerMessageBox(IDNO);
    EXPECT_TRUE(Encrypt(emPackage, package));
    std::vector<uint8_t> bytes = FileBytes(package);
    ASSERT_GT(bytes.size(), stub.Bytes().size());
    EXPECT_TRUE(std::equal(stub.Bytes().begin(), stub.Bytes().end(), bytes.begin()));
    checkPayload(package, Stub::StubSize);
    const size_t payloadSize = bytes.size() - stub.Bytes().size();

    const std::string carrier = scratch / "holiday.jpg";
    const std::vector<uint8_t> picture = RandomBytes(1234, 6);
    PutFile(carrier, picture);
    scripted.services.AnswerMessageBox(IDNO);
    form = std::make_unique<TForm2>(nullptr);
    EXPECT_TRUE(Encrypt(emCarrier, carrier));
    bytes = FileBytes(carrier);
    ASSERT_EQ(bytes.size(), picture.size() + stub.Bytes().size() + payloadSize + 10);
    EXPECT_TRUE(std::equal(picture.begin(), picture.end(), bytes.begin()));
    EXPECT_TRUE(std::equal(stub.Bytes().begin(), stub.Bytes().end(), bytes.begin() + 1234));
    EXPECT_EQ(std::string(bytes.end() - 10, bytes.end()), "0000001234");
    checkPayload(carrier, 1234 + Stub::StubSize);
    // A carrier is never asked about: the only question was the erase question.
    EXPECT_EQ(scripted.services.MessageTexts().size(), 2u);
}

// Nothing is written, nor asked, unless the stub is there and whole: a program of the stub's size.
TEST_F(EncryptDialog, MissingOrDamagedStubFailsPackageAndCarrierBeforeAnythingIsWritten) {
    AddSource(list, scratch / "a.txt", RandomBytes(10, 7));
    const std::string package = scratch / "p.exe";
    const std::vector<uint8_t> oldPackage = RandomBytes(60, 9);
    PutFile(package, oldPackage);
    const std::string carrier = scratch / "c.jpg";
    const std::vector<uint8_t> picture = RandomBytes(50, 8);
    PutFile(carrier, picture);
    const std::string stubPath = TStubFile::Path();
    const std::string damaged = "The package stub is damaged. Please install Quiverlock again.\r" + stubPath;
    std::vector<uint8_t> program = TStubFile(RandomBytes(10, 9)).Bytes();
    std::vector<uint8_t> foreign = program;
    foreign[0] = 'Q';
    program.pop_back();
    struct {
        std::optional<std::vector<uint8_t>> stub;
        std::string message;
    } cases[] = {
        {std::nullopt, "File access denied.\r" + stubPath},
        {program, damaged},
        {foreign, damaged},
        {std::vector<uint8_t>(33, 'x'), damaged},
    };
    for (const auto& c : cases) {
        if (c.stub) PutFile(stubPath, *c.stub);
        for (const auto& [mode, path] : {std::pair{emPackage, package}, std::pair{emCarrier, carrier}}) {
            Reopen();
            EXPECT_FALSE(Encrypt(mode, path, [&] { EXPECT_TRUE(InputsEnabled()); }));
            ASSERT_EQ(scripted.services.MessageTexts(), std::vector<std::string>{c.message});
            EXPECT_EQ(scripted.services.Calls()[0].Flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
        }
        DeleteFileA(stubPath.c_str());
        EXPECT_EQ(FileBytes(package), oldPackage);
        EXPECT_EQ(FileBytes(carrier), picture);
        EXPECT_TRUE(NoNewFileLeft(scratch.Root()));
    }

    Reopen();
    scripted.services.AnswerMessageBox(IDNO);
    EXPECT_TRUE(Encrypt(emStandard, scratch / "plain.qvl"));
}

TEST_F(EncryptDialog, ExistingDestinationIsOverwrittenOnlyAfterYes) {
    const std::vector<uint8_t> bytes = RandomBytes(77, 9);
    AddSource(list, scratch / "a.txt", bytes);
    const std::string destination = scratch / "old.qvl";
    const std::vector<uint8_t> old = RandomBytes(40, 10);
    PutFile(destination, old);
    scripted.services.AnswerMessageBox(IDNO);
    EXPECT_FALSE(Encrypt(emStandard, kPassword, kPassword, destination, [&] { EXPECT_TRUE(HasFocus(*form->Edit3)); }));
    EXPECT_EQ(FileBytes(destination), old);
    const TServiceCall question = scripted.services.Calls()[0];
    EXPECT_EQ(question.Text, "File \"old.qvl\" already exists.\rWould you like to overwrite this file?");
    EXPECT_EQ(question.Flags, static_cast<UINT>(MB_YESNO | MB_ICONWARNING));

    scripted.services.AnswerMessageBox(IDYES);
    scripted.services.AnswerMessageBox(IDNO);
    form = std::make_unique<TForm2>(nullptr);
    EXPECT_TRUE(Encrypt(emStandard, destination));
    EXPECT_EQ(ReadPayloadFile(destination, 0, kPassword).at(0).contents, bytes);
}

TEST_F(EncryptDialog, SourceThatIsTheDestinationIsRefusedBeforeAnythingIsTouched) {
    const std::string source = scratch / "Keep.txt";
    const std::vector<uint8_t> bytes = RandomBytes(300, 11);
    AddSource(list, source, bytes);
    std::string otherCase = source;
    for (char& c : otherCase) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    for (const auto& [mode, role] : {std::pair{emStandard, "destination"}, std::pair{emCarrier, "carrier"}}) {
        Reopen();
        EXPECT_FALSE(Encrypt(mode, otherCase));
        ASSERT_EQ(scripted.services.MessageTexts(),
                  std::vector<std::string>{"File access denied.\r" + source + "\rThe " + role + " file \"" + otherCase +
                                           "\" is this same file."});
        EXPECT_FALSE(scripted.services.Calls()[0].Caption.has_value());
        EXPECT_EQ(FileBytes(source), bytes);
    }
}

TEST_F(EncryptDialog, LockedSourceEndsTheRunWithTheDialogOpenAndEnabled) {
    AddSource(list, scratch / "a.bin", RandomBytes(100, 12));
    const std::string locked = scratch / "locked.bin";
    AddSource(list, locked, RandomBytes(100, 13));
    const TWin32FileStream holder(locked, TFileMode::fmOpenRead);
    ASSERT_TRUE(holder.IsOpen());
    EXPECT_FALSE(Encrypt(emStandard, scratch / "out.qvl", [&] { EXPECT_TRUE(InputsEnabled()); }));
    ASSERT_EQ(scripted.services.MessageTexts(), std::vector<std::string>{"File access denied.\r" + locked});
    EXPECT_FALSE(scripted.services.Calls()[0].Caption.has_value());
}

TEST_F(EncryptDialog, CarrierOfARunThatEndsEarlyGetsItsOwnLengthBack) {
    const TStubFile stub(RandomBytes(500, 30));
    AddSource(list, scratch / "a.bin", RandomBytes(9000, 31));
    const std::string locked = scratch / "locked.bin";
    AddSource(list, locked, RandomBytes(100, 32));
    const std::vector<uint8_t> picture = RandomBytes(1234, 33);
    const std::string carrier = scratch / "holiday.jpg";
    PutFile(carrier, picture);
    {
        const TWin32FileStream holder(locked, TFileMode::fmOpenRead);
        ASSERT_TRUE(holder.IsOpen());
        EXPECT_FALSE(Encrypt(emCarrier, carrier));
    }
    EXPECT_EQ(FileBytes(carrier), picture);

    // Too long for the trailer: refused when opened, before anything is appended.
    constexpr int64_t kTooLong = 10000000000LL;
    const std::string big = scratch / "big.img";
    ASSERT_TRUE(PutHole(big, kTooLong));
    form = std::make_unique<TForm2>(nullptr);
    EXPECT_FALSE(Encrypt(emCarrier, big));
    EXPECT_EQ(TWin32FileStream(big, TFileMode::fmOpenRead).Size(), kTooLong);
}

TEST_F(EncryptDialog, SourceChangedAfterMeasuringEndsTheRunInsteadOfMisplacingFiles) {
    const std::string grows = scratch / "grows.txt";
    AddSource(list, grows, RandomBytes(100, 14));
    const std::string destination = scratch / "out.qvl";
    PutFile(destination, {1, 2, 3});
    // The overwrite question comes after the sources were measured.
    scripted.services.AnswerMessageBox(IDYES, [&] { PutFile(grows, RandomBytes(150, 15)); });
    EXPECT_FALSE(Encrypt(emStandard, destination));
    const std::vector<std::string> texts = scripted.services.MessageTexts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1], "The file changed while it was being encrypted.\r" + grows);
    EXPECT_EQ(FileBytes(destination), (std::vector<uint8_t>{1, 2, 3}));
}

// Appends to the first source when the run opens the second: a file that grows after its own copy.
class TAppendToFirst : public TForm2 {
public:
    TAppendToFirst(std::string first, std::string second) : TForm2(nullptr), first_(first), second_(second) {}

protected:
    std::unique_ptr<TByteStream> Intercept(TByteStream&, const std::string& path) override {
        if (path == second_) {
            TWin32FileStream file(first_, TFileMode::fmOpenWrite);
            EXPECT_TRUE(file.Seek(file.Size()));
            EXPECT_EQ(file.Write("more", 4), 4);
        }
        return nullptr;
    }

private:
    std::string first_, second_;
};

TEST_F(EncryptDialog, SourceThatGrowsAfterItsCopyIsNoSuccessAndNothingIsErased) {
    const std::string first = scratch / "first.txt";
    const std::string second = scratch / "second.txt";
    AddSource(list, first, RandomBytes(100, 14));
    AddSource(list, second, RandomBytes(100, 15));
    scripted.services.AnswerMessageBox(IDYES);  // an erase question would take it
    form = std::make_unique<TAppendToFirst>(first, second);
    EXPECT_FALSE(Encrypt(emStandard, scratch / "out.qvl", [&] { EXPECT_TRUE(InputsEnabled()); }));
    EXPECT_EQ(scripted.services.MessageTexts(),
              std::vector<std::string>{"The file changed while it was being encrypted.\r" + first});
    EXPECT_TRUE(list.erased.empty());
    EXPECT_FALSE(FileExists(scratch / "out.qvl"));
}

// Yes erases the files of the run as they were encrypted: a file dropped on the list while the question is up
// and one that another program wrote to meanwhile stay, the latter named.
TEST_F(EncryptDialog, EraseYesErasesOnlyTheRunsFilesThatAreUnchanged) {
    const std::string kept = scratch / "kept.txt";
    const std::string gone = scratch / "gone.txt";
    AddSource(list, kept, RandomBytes(100, 16));
    AddSource(list, gone, RandomBytes(100, 17));
    scripted.services.AnswerMessageBox(IDYES, [&] {
        AddSource(list, scratch / "dropped.txt", RandomBytes(10, 18));
        TWin32FileStream writer(kept, TFileMode::fmOpenWrite);
        EXPECT_TRUE(writer.Seek(writer.Size()));
        EXPECT_EQ(writer.Write("more", 4), 4);
    });
    EXPECT_TRUE(Encrypt(emStandard, scratch / "out.qvl"));
    EXPECT_EQ(list.erased, std::vector<std::string>{gone});
    const std::vector<std::string> texts = scripted.services.MessageTexts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1], "These files changed after they were encrypted and were not erased:\r" + kept);
}

TEST_F(EncryptDialog, HeaderOverTheLimitIsRefusedBeforeAnythingIsWritten) {
    const TStubFile stub(RandomBytes(100, 16));
    for (int i = 0; i < 700; ++i) {
        char name[40];
        snprintf(name, sizeof name, "a-rather-long-file-name-%04d.txt", i);
        AddSource(list, scratch / name, {});
    }
    const std::string package = scratch / "big.exe";
    EXPECT_FALSE(Encrypt(emPackage, package));
    ASSERT_EQ(scripted.services.MessageTexts().size(), 1u);
    EXPECT_NE(scripted.services.MessageTexts()[0].find("20480"), std::string::npos);
    EXPECT_FALSE(FileExists(package));
}

TEST_F(EncryptDialog, CancelAnsweredNoContinuesAndTheCloseBoxAnsweredYesStops) {
    AddSource(list, scratch / "big.bin", RandomBytes(48 << 20, 17));
    const std::string destination = scratch / "big.qvl";
    PutFile(destination, {'o', 'l', 'd'});
    scripted.services.AnswerMessageBox(IDYES);  // overwrite
    int progressAtNo = -1;
    int progressAtYes = -1;
    scripted.services.AnswerMessageBox(IDNO, [&] { progressAtNo = form->ProgressBar1->Position(); });
    scripted.services.AnswerMessageBox(IDYES, [&] { progressAtYes = form->ProgressBar1->Position(); });
    const auto position = [&] { return form->ProgressBar1->Position(); };
    harness::ShowModalWith(*form, {[&] {
                                       Fill(emStandard, kPassword, kPassword, destination);
                                       harness::ClickButton(*form->Button1);
                                   },
                                   harness::When([&] { return position() > 0; },
                                                 [&] { harness::ClickButton(*form->Button2); }),
                                   harness::When([&] { return position() > progressAtNo; },
                                                 [&] { PostMessageA(form->Handle(), WM_CLOSE, 0, 0); })});
    const std::vector<std::string> texts = scripted.services.MessageTexts();
    ASSERT_EQ(texts.size(), 3u) << "the run ended before both questions";
    EXPECT_EQ(texts[1], "Do you want to stop the encryption process?");
    EXPECT_EQ(scripted.services.Calls()[1].Flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_GT(progressAtYes, progressAtNo);
    EXPECT_LT(progressAtYes, 100);
    EXPECT_EQ(FileBytes(destination), (std::vector<uint8_t>{'o', 'l', 'd'})) << "a stopped run replaces nothing";
    EXPECT_TRUE(NoNewFileLeft(scratch.Root()));
    EXPECT_TRUE(EncryptStopFlag);
}

namespace {

using TClock = std::chrono::steady_clock;

// Waits on another thread until the condition holds; the milliseconds it took, or -1 after 5 s.
double MillisecondsUntil(const std::function<bool()>& condition) {
    const TClock::time_point start = TClock::now();
    while (!condition()) {
        if (TClock::now() - start > std::chrono::seconds(5)) return -1;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return std::chrono::duration<double, std::milli>(TClock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

}  // namespace

// While a run goes on, a thread of the test asks the window for a repaint and clicks Cancel, several
// times, and measures how long each takes to be answered on the window thread.
TEST_F(EncryptDialog, RepaintAndCancelAreAnsweredWithinATenthOfASecondDuringARun) {
    constexpr int kProbes = 5;
    constexpr int64_t kSize = 1LL << 30;  // a hole: made at once, and far more than the probes need
    const std::string big = scratch / "big.bin";
    ASSERT_TRUE(PutHole(big, kSize));
    list.Add(FolderOf(big), NameOf(big), std::to_string(kSize));
    std::atomic<int> questions{0};
    for (int i = 0; i < kProbes; ++i) scripted.services.AnswerMessageBox(IDNO, [&] { ++questions; });
    scripted.services.AnswerMessageBox(IDYES);

    std::vector<double> repaint;
    std::vector<double> cancel;
    bool runSeen = false;
    std::thread prober;
    harness::ShowModalWith(*form, {[&] {
        Fill(emStandard, kPassword, kPassword, scratch / "big.qvl");
        const HWND window = form->Handle();
        const HWND encrypt = form->Button1->Handle();
        const HWND cancelButton = form->Button2->Handle();
        prober = std::thread([&, window, encrypt, cancelButton] {
            runSeen = MillisecondsUntil([&] { return !IsWindowEnabled(encrypt); }) >= 0;
            for (int i = 0; runSeen && i < kProbes; ++i) {
                // Apart from each other, so that each probe meets the run in its pieces, not in a message turn.
                std::this_thread::sleep_for(std::chrono::milliseconds(37));
                InvalidateRect(window, nullptr, FALSE);
                repaint.push_back(MillisecondsUntil([&] { return !GetUpdateRect(window, nullptr, FALSE); }));
                std::this_thread::sleep_for(std::chrono::milliseconds(37));
                PostMessageA(cancelButton, BM_CLICK, 0, 0);
                cancel.push_back(MillisecondsUntil([&] { return questions.load() > i; }));
            }
            PostMessageA(cancelButton, BM_CLICK, 0, 0);  // answered Yes: the run stops
        });
        harness::ClickButton(*form->Button1);
    }});
    prober.join();
    ASSERT_TRUE(runSeen);
    ASSERT_EQ(scripted.services.MessageTexts().size(), static_cast<size_t>(kProbes + 1)) << "the run ended first";
    EXPECT_GE(*std::min_element(repaint.begin(), repaint.end()), 0);
    EXPECT_GE(*std::min_element(cancel.begin(), cancel.end()), 0);
    EXPECT_LT(Median(repaint), 100) << "repaint";
    EXPECT_LT(Median(cancel), 100) << "Cancel";
    std::printf("repaint %.1f ms, Cancel %.1f ms (medians of %d)\n", Median(repaint), Median(cancel), kProbes);
    EXPECT_LT(TWin32FileStream(scratch / "big.qvl", TFileMode::fmOpenRead).Size(), kSize);
}

TEST_F(EncryptDialog, EraseYesErasesEveryListedSourceInListOrder) {
    TScratchFolder other("qvl-encrypt-other-");
    const std::string a = scratch / "a.txt";
    const std::string b = other / "b.txt";
    AddSource(list, a, RandomBytes(10, 18));
    AddSource(list, b, RandomBytes(20, 19));
    scripted.services.AnswerMessageBox(IDYES);
    EXPECT_TRUE(Encrypt(emStandard, scratch / "out.qvl"));
    const TServiceCall question = scripted.services.Calls().back();
    EXPECT_EQ(question.Text,
              "The file(s) has been successfully encrypted!\r\rDo you want to erase (delete) the source files?");
    EXPECT_EQ(question.Flags, static_cast<UINT>(MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2));
    EXPECT_EQ(list.erased, (std::vector<std::string>{a, b}));
    EXPECT_EQ(form->ProgressBar1->Position(), 0);
    EXPECT_TRUE(InputsEnabled());
}

// The sources go only once the container is on the disk: one that cannot be flushed then (held open by
// another program) is reported and every source stays.
TEST_F(EncryptDialog, EraseYesErasesNothingWhenTheContainerCannotBeFlushedFirst) {
    const TStubFile stub(RandomBytes(700, 40));
    AddSource(list, scratch / "a.txt", RandomBytes(10, 41));
    const std::string carrier = scratch / "holiday.jpg";
    PutFile(carrier, RandomBytes(300, 42));
    for (const auto& [mode, destination] : {std::pair{emStandard, scratch / "out.qvl"}, std::pair{emCarrier, carrier}}) {
        Reopen();
        std::optional<TWin32FileStream> holder;
        scripted.services.AnswerMessageBox(IDYES, [&, path = destination] { holder.emplace(path, TFileMode::fmOpenRead); });
        EXPECT_TRUE(Encrypt(mode, destination));
        EXPECT_TRUE(list.erased.empty());
        ASSERT_EQ(scripted.services.MessageTexts().size(), 2u);
        const TServiceCall report = scripted.services.Calls().back();
        EXPECT_EQ(report.Text, "File access denied.\r" + destination);
        EXPECT_EQ(report.Caption, std::optional<std::string>("Quiverlock"));
        EXPECT_EQ(report.Flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
    }
}

// Keeps a copy of the first 64 KiB written through it.
class TWriteTap : public TPassThrough {
public:
    TWriteTap(TByteStream& inner, std::vector<uint8_t>* tap) : TPassThrough(inner), tap_(*tap) {}
    int32_t Write(const void* buffer, int32_t count) override {
        constexpr size_t kTapSize = 64 << 10;
        const auto* bytes = static_cast<const uint8_t*>(buffer);
        const size_t room = kTapSize - std::min(tap_.size(), kTapSize);
        const size_t n = std::min(room, static_cast<size_t>(std::max(count, 0)));
        tap_.insert(tap_.end(), bytes, bytes + n);
        return inner_.Write(buffer, count);
    }

private:
    std::vector<uint8_t>& tap_;
};

TEST_F(EncryptDialog, SourceOverFourGibibytesIsRecordedWithItsWholeSize) {
    constexpr int64_t kHuge = (int64_t{5} << 30) + 5;
    const std::string huge = scratch / "huge.bin";
    ASSERT_TRUE(PutHole(huge, kHuge));
    list.Add(FolderOf(huge), "huge.bin", std::to_string(kHuge));
    const std::string destination = scratch / "huge.qvl";
    scripted.services.AnswerMessageBox(IDYES);  // the stop question
    std::vector<uint8_t> head;
    form = std::make_unique<TIntercepted<TForm2>>(At<TWriteTap>(destination, &head));
    harness::ShowModalWith(*form, {[&] {
                                       Fill(emStandard, kPassword, kPassword, destination);
                                       harness::ClickButton(*form->Button1);
                                   },
                                   [&] { harness::ClickButton(*form->Button2); }});
    EXPECT_FALSE(FileExists(destination)) << "a stopped run leaves no output";
    TMemoryStream container(head);
    TQC_blowfish cipher(nullptr);
    TPayloadReader reader(cipher, container, 0);
    ASSERT_EQ(reader.CheckPassword(kPassword, nullptr), TPayloadResult::prOk);
    ASSERT_EQ(reader.ReadHeader(), TPayloadResult::prOk);
    ASSERT_EQ(reader.Entries().size(), 1u);
    EXPECT_EQ(reader.Entries()[0].size, kHuge);
}

}  // namespace
