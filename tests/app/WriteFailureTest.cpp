// Reads and writes that fail in the dialogs: a full disk is reported with the system's reason and never as a
// success, a failed read names its file, neither leaves an output, a carrier that cannot be cut back says so,
// and a carrier too long for its trailer is refused untouched.
#include "app/payload/CarrierTrailer.h"
#include "app/payload/WriteFailure.h"
#include "tests/support/DialogRuns.h"
#include "tests/app/DialogTestSupport.h"

namespace {

const std::string kPassword = "no room";

class WriteFailure : public ::testing::Test {
protected:
    WriteFailure() { harness::TestApplication(); }

    std::string DiskFull(const std::string& path) { return SystemErrorText(ERROR_DISK_FULL) + "\r" + path; }

    void ExpectOneError(const std::string& text) {
        ASSERT_EQ(scripted.services.MessageTexts(), std::vector<std::string>{text});
        EXPECT_EQ(scripted.services.Calls()[0].Caption, std::optional<std::string>("Quiverlock"));
        EXPECT_EQ(scripted.services.Calls()[0].Flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
    }

    TScriptedScope scripted;
    TFakeFileList list;
    TScratchFolder scratch{"qvl-full-"};
};

// Over an existing destination, Yes to the overwrite question: the old file stays and no part of the new one.
TEST_F(WriteFailure, FullDiskInEncryptShowsTheSystemsReasonAndLeavesTheOldDestination) {
    ASSERT_FALSE(SystemErrorText(ERROR_DISK_FULL).empty());
    const TStubFile stub(RandomBytes(700, 1));
    const std::string source = scratch / "a.bin";
    const std::vector<uint8_t> bytes = RandomBytes(20000, 2);
    AddSource(list, source, bytes);
    const std::string destination = scratch / "old.exe";
    const std::vector<uint8_t> old = RandomBytes(500, 3);
    PutFile(destination, old);
    for (TEncryptMode mode : {emStandard, emPackage}) {
        scripted.services = TScriptedServices();
        scripted.services.AnswerMessageBox(IDYES);
        TIntercepted<TForm2> form(At<TFullVolume>(destination, 5000, uint32_t{ERROR_DISK_FULL}));
        EXPECT_FALSE(RunEncrypt(form, mode, kPassword, destination, [&] { EXPECT_TRUE(form.Button1->Enabled()); }));
        ASSERT_EQ(scripted.services.MessageTexts().size(), 2u);
        EXPECT_EQ(scripted.services.MessageTexts()[1], DiskFull(destination));
        EXPECT_EQ(FileBytes(destination), old);
        EXPECT_TRUE(NoNewFileLeft(scratch.Root()));
        EXPECT_EQ(FileBytes(source), bytes);
        EXPECT_TRUE(list.erased.empty());
    }
}

TEST_F(WriteFailure, FullDiskInDecryptShowsTheSystemsReasonAndLeavesTheOldFile) {
    TMemoryStream payload;
    ASSERT_EQ(WritePayload(kPassword, {{"a.txt", RandomBytes(30000, 3)}, {"b.txt", RandomBytes(10, 4)}}, payload),
              TPayloadResult::prOk);
    const std::string container = scratch / "box.qvl";
    PutFile(container, payload.Bytes());
    TScratchFolder out("qvl-full-out-");
    const std::string target = out / "a.txt";
    PutFile(target, {'o', 'l', 'd'});
    scripted.services.AnswerMessageBox(IDYES);
    TIntercepted<TForm5> form(At<TFullVolume>(target, 5000, uint32_t{ERROR_DISK_FULL}));
    EXPECT_FALSE(RunDecrypt(form, container, out.Root(), kPassword, [&] {
        EXPECT_TRUE(form.Button2->Enabled());
        EXPECT_TRUE(DecryptStopFlag);
    }));
    ASSERT_EQ(scripted.services.MessageTexts().size(), 2u);
    EXPECT_EQ(scripted.services.MessageTexts()[1], DiskFull(target) + "\r\rNot decrypted:\ra.txt\rb.txt");
    EXPECT_EQ(FileBytes(target), (std::vector<uint8_t>{'o', 'l', 'd'}));
    EXPECT_TRUE(NoNewFileLeft(out.Root()));
    EXPECT_EQ(FileBytes(container), payload.Bytes());
}

// A read that fails names the file that could not be read, as a file that cannot be opened is named, and
// leaves the destination as it was.
TEST_F(WriteFailure, FailedReadNamesTheUnreadableFileAndLeavesTheOldDestination) {
    const TStubFile stub(RandomBytes(700, 5));
    const std::string source = scratch / "a.bin";
    AddSource(list, source, RandomBytes(20000, 6));
    const std::string destination = scratch / "old.exe";
    const std::vector<uint8_t> old = RandomBytes(500, 7);
    for (const auto& [mode, unreadable] : {std::pair{emPackage, TStubFile::Path()}, std::pair{emStandard, source}}) {
        PutFile(destination, old);
        scripted.services = TScriptedServices();
        scripted.services.AnswerMessageBox(IDYES);
        TIntercepted<TForm2> form(At<TFailingRead>(unreadable, 1000));
        EXPECT_FALSE(RunEncrypt(form, mode, kPassword, destination));
        ASSERT_EQ(scripted.services.MessageTexts().size(), 2u);
        EXPECT_EQ(scripted.services.MessageTexts()[1], "File access denied.\r" + unreadable);
        EXPECT_EQ(FileBytes(destination), old);
        EXPECT_TRUE(NoNewFileLeft(scratch.Root()));
    }

    TMemoryStream payload;
    ASSERT_EQ(WritePayload(kPassword, {{"a.txt", RandomBytes(30000, 8)}}, payload), TPayloadResult::prOk);
    const std::string container = scratch / "box.qvl";
    PutFile(container, payload.Bytes());
    TScratchFolder out("qvl-read-out-");
    scripted.services = TScriptedServices();
    TIntercepted<TForm5> form(At<TFailingRead>(container, 1000));
    EXPECT_FALSE(RunDecrypt(form, container, out.Root(), kPassword));
    ExpectOneError("File access denied.\r" + container + "\r\rNot decrypted:\ra.txt");
    EXPECT_FALSE(FileExists(out / "a.txt"));
    EXPECT_TRUE(NoNewFileLeft(out.Root()));
}

// The carrier as a run sees it: its disk fills after `room` bytes and its length cannot be set.
class TStuckCarrier : public TFullVolume {
public:
    TStuckCarrier(TByteStream& file, int64_t room) : TFullVolume(file, room, ERROR_DISK_FULL) {}
    bool SetSize(int64_t) override { return false; }
};

TEST_F(WriteFailure, CarrierThatCannotBeCutBackAfterAFailedRunIsReported) {
    const TStubFile stub(RandomBytes(700, 4));
    AddSource(list, scratch / "a.bin", RandomBytes(20000, 5));
    const std::string carrier = scratch / "holiday.jpg";
    PutFile(carrier, RandomBytes(1234, 6));
    TIntercepted<TForm2> form(At<TStuckCarrier>(carrier, int64_t{100}));
    EXPECT_FALSE(RunEncrypt(form, emCarrier, kPassword, carrier));
    EXPECT_EQ(scripted.services.MessageTexts(),
              (std::vector<std::string>{DiskFull(carrier),
                                        "The carrier file could not be cut back to its own length: it still holds "
                                        "part of a package.\r" + carrier}));
    EXPECT_EQ(FileBytes(carrier).size(), 1234u + 100u);
}

// A day long past, given to a file as its last-write time so that any write to it shows.
constexpr FILETIME kLongAgo{0xC89DC000, 0x01C07385};  // 1 January 2001

FILETIME LastWrite(const std::string& path) {
    FILETIME written{};
    const TKernelHandle file(CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                         OPEN_EXISTING, 0, nullptr));
    GetFileTime(file.Get(), nullptr, nullptr, &written);
    return written;
}

bool DateBack(const std::string& path) {
    const TKernelHandle file(CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                         nullptr, OPEN_EXISTING, 0, nullptr));
    return SetFileTime(file.Get(), nullptr, nullptr, &kLongAgo) != FALSE;
}

TEST_F(WriteFailure, CarrierTooLongForItsTrailerIsRefusedUntouchedAndTheLongestThatFitsWorks) {
    const TStubFile stub(RandomBytes(700, 7));
    AddSource(list, scratch / "a.bin", RandomBytes(100, 8));
    constexpr int64_t kLongestCarrier = 9999999999LL;
    const std::string tooLong = scratch / "too-long.img";
    const std::string longest = scratch / "longest.img";
    ASSERT_TRUE(PutHole(tooLong, kLongestCarrier + 1));
    ASSERT_TRUE(PutHole(longest, kLongestCarrier));
    ASSERT_TRUE(DateBack(tooLong));
    {
        TForm2 form(nullptr);
        EXPECT_FALSE(RunEncrypt(form, emCarrier, kPassword, tooLong));
    }
    ExpectOneError("The carrier file is too large: files can be hidden only in a file of less than "
                   "10,000,000,000 bytes.\r" + tooLong);
    EXPECT_EQ(TWin32FileStream(tooLong, TFileMode::fmOpenRead).Size(), kLongestCarrier + 1);
    const FILETIME after = LastWrite(tooLong);
    EXPECT_EQ(CompareFileTime(&kLongAgo, &after), 0) << "the carrier was written to";

    scripted.services = TScriptedServices();
    scripted.services.AnswerMessageBox(IDNO);  // erase question
    TForm2 form(nullptr);
    EXPECT_TRUE(RunEncrypt(form, emCarrier, kPassword, longest));
    TWin32FileStream carrier(longest, TFileMode::fmOpenRead);
    int64_t hidden = -1;
    ASSERT_TRUE(ReadCarrierTrailer(carrier, hidden));
    EXPECT_EQ(hidden, kLongestCarrier);
}

}  // namespace
