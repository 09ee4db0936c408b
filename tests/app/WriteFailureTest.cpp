// Writes that fail in the dialogs: a full disk is reported with the system's reason and never as a success,
// a carrier that cannot be cut back says so, and a carrier too long for its trailer is refused untouched.
#include "app/payload/CarrierTrailer.h"
#include "app/payload/WriteFailure.h"
#include "tests/support/DialogRuns.h"
#include "tests/app/DialogTestSupport.h"
#include "tests/support/UnixLinks.h"

namespace {

using unixlinks::TUnixLink;

const std::string kPassword = "no room";

// A Unix device on which every write fails because "the disk is full".
constexpr const char* kFullDevice = "/dev/full";

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

TEST_F(WriteFailure, FullDiskInEncryptShowsTheSystemsReasonNotSuccessAndKeepsTheSources) {
    ASSERT_FALSE(SystemErrorText(ERROR_DISK_FULL).empty());
    const TStubFile stub(RandomBytes(700, 1));
    const std::string source = scratch / "a.bin";
    const std::vector<uint8_t> bytes = RandomBytes(20000, 2);
    AddSource(list, source, bytes);
    const TUnixLink full(kFullDevice, FolderOf(source) + "full.qvl");
    ASSERT_TRUE(full.Made());
    for (TEncryptMode mode : {emStandard, emPackage}) {
        scripted.services = TScriptedServices();
        TForm2 form(nullptr);
        EXPECT_FALSE(RunEncrypt(form, mode, kPassword, full.Path(), [&] { EXPECT_TRUE(form.Button1->Enabled()); }));
        ExpectOneError(DiskFull(full.Path()));
        EXPECT_EQ(FileBytes(source), bytes);
        EXPECT_TRUE(list.erased.empty());
    }
}

TEST_F(WriteFailure, FullDiskInDecryptShowsTheSystemsReasonNotSuccessAndKeepsTheContainer) {
    TMemoryStream payload;
    ASSERT_EQ(WritePayload(kPassword, {{"a.txt", RandomBytes(30000, 3)}}, payload), TPayloadResult::prOk);
    const std::string container = scratch / "box.qvl";
    PutFile(container, payload.Bytes());
    TScratchFolder out("qvl-full-out-");
    const TUnixLink full(kFullDevice, FolderOf(out / "-") + "a.txt");
    ASSERT_TRUE(full.Made());
    TForm5 form(nullptr);
    EXPECT_FALSE(RunDecrypt(form, container, FolderOf(full.Path()), kPassword, [&] {
        EXPECT_TRUE(form.Button2->Enabled());
        EXPECT_TRUE(DecryptStopFlag);
    }));
    ExpectOneError(DiskFull(full.Path()));
    EXPECT_EQ(FileBytes(container), payload.Bytes());
}

// The carrier as a run sees it: its disk fills after `room` bytes and its length cannot be set.
class TStuckCarrier : public TFullVolume {
public:
    TStuckCarrier(std::unique_ptr<TByteStream> file, int64_t room)
        : TFullVolume(*file, room, ERROR_DISK_FULL), file_(std::move(file)) {}
    bool SetSize(int64_t) override { return false; }

private:
    std::unique_ptr<TByteStream> file_;
};

class TStuckCarrierForm : public TForm2 {
public:
    using TForm2::TForm2;

protected:
    std::unique_ptr<TByteStream> OpenDestination(const std::string& path, TFileMode mode) override {
        std::unique_ptr<TByteStream> file = TForm2::OpenDestination(path, mode);
        if (!file) return nullptr;
        return std::make_unique<TStuckCarrier>(std::move(file), 100);
    }
};

TEST_F(WriteFailure, CarrierThatCannotBeCutBackAfterAFailedRunIsReported) {
    const TStubFile stub(RandomBytes(700, 4));
    AddSource(list, scratch / "a.bin", RandomBytes(20000, 5));
    const std::string carrier = scratch / "holiday.jpg";
    PutFile(carrier, RandomBytes(1234, 6));
    TStuckCarrierForm form(nullptr);
    EXPECT_FALSE(RunEncrypt(form, emCarrier, kPassword, carrier));
    EXPECT_EQ(scripted.services.MessageTexts(),
              (std::vector<std::string>{DiskFull(carrier),
                                        "The carrier file could not be cut back to its own length: it still holds "
                                        "part of a package.\r" + carrier}));
    EXPECT_EQ(FileBytes(carrier).size(), 1234u + 100u);
}

FILETIME LastWrite(const std::string& path) {
    FILETIME written{};
    const HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                    nullptr);
    GetFileTime(file, nullptr, nullptr, &written);
    CloseHandle(file);
    return written;
}

TEST_F(WriteFailure, CarrierTooLongForItsTrailerIsRefusedUntouchedAndTheLongestThatFitsWorks) {
    const TStubFile stub(RandomBytes(700, 7));
    AddSource(list, scratch / "a.bin", RandomBytes(100, 8));
    constexpr int64_t kLongestCarrier = 9999999999LL;
    const std::string tooLong = scratch / "too-long.img";
    const std::string longest = scratch / "longest.img";
    ASSERT_TRUE(PutHole(tooLong, kLongestCarrier + 1));
    ASSERT_TRUE(PutHole(longest, kLongestCarrier));
    const FILETIME before = LastWrite(tooLong);
    Sleep(20);
    {
        TForm2 form(nullptr);
        EXPECT_FALSE(RunEncrypt(form, emCarrier, kPassword, tooLong));
    }
    ExpectOneError("The carrier file is too large: files can be hidden only in a file of less than "
                   "10,000,000,000 bytes.\r" + tooLong);
    EXPECT_EQ(TWin32FileStream(tooLong, TFileMode::fmOpenRead).Size(), kLongestCarrier + 1);
    const FILETIME after = LastWrite(tooLong);
    EXPECT_EQ(CompareFileTime(&before, &after), 0) << "the carrier was written to";

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
