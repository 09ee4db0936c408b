// Both dialogs refuse to write into a file that they read, whatever other name reaches it: hard and
// symbolic links, a second drive letter for the same folder. Nothing is written and the file keeps its bytes.
#include "tests/support/DialogRuns.h"
#include "tests/app/DialogTestSupport.h"
#include "tests/support/UnixLinks.h"

namespace {

using unixlinks::TDriveLetter;
using unixlinks::TUnixLink;
using unixlinks::UnixPathOf;

const std::string kPassword = "same file";

class AliasRefusal : public ::testing::Test {
protected:
    AliasRefusal() { harness::TestApplication(); }

    std::string Refusal(const std::string& input, const std::string& role, const std::string& name) {
        return "File access denied.\r" + input + "\rThe " + role + " \"" + name + "\" is this same file.";
    }

    TScriptedScope scripted;
    TFakeFileList list;
    TScratchFolder scratch{"qvl-alias-"};
};

TEST_F(AliasRefusal, DestinationOrCarrierThatIsASourceUnderAnotherNameIsRefusedBeforeAnythingIsWritten) {
    const TStubFile stub(RandomBytes(700, 1));
    AddSource(list, scratch / "first.bin", RandomBytes(5000, 2));
    const std::string source = scratch / "photo.jpg";
    const std::vector<uint8_t> bytes = RandomBytes(100000, 3);
    AddSource(list, source, bytes);
    const std::string hardLink = scratch / "hard.qvl";
    ASSERT_TRUE(CreateHardLinkA(hardLink.c_str(), source.c_str(), nullptr));
    const TUnixLink symbolicLink(UnixPathOf(source), FolderOf(source) + "soft.exe");
    ASSERT_TRUE(symbolicLink.Made()) << "Wine could not make a symbolic link";
    const TDriveLetter drive(FolderOf(source));
    ASSERT_TRUE(drive.Made()) << "Wine could not map a second drive letter";

    for (const std::string& name : {hardLink, symbolicLink.Path(), drive.Root() + "photo.jpg"}) {
        for (const auto& [mode, role] : {std::pair{emStandard, "destination file"},
                                         std::pair{emPackage, "destination file"},
                                         std::pair{emCarrier, "carrier file"}}) {
            scripted.services = TScriptedServices();
            TForm2 form(nullptr);
            EXPECT_FALSE(RunEncrypt(form, mode, kPassword, name, [&] {
                EXPECT_TRUE(HasFocus(*form.Edit3));
                EXPECT_TRUE(form.Button1->Enabled());
            }));
            // No overwrite question: the refusal comes before it.
            ASSERT_EQ(scripted.services.MessageTexts(), std::vector<std::string>{Refusal(source, role, name)}) << name;
            EXPECT_FALSE(scripted.services.Calls()[0].Caption.has_value());
            EXPECT_EQ(scripted.services.Calls()[0].Flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
            EXPECT_EQ(FileBytes(source), bytes) << name << " mode " << mode;
        }
    }
}

TEST_F(AliasRefusal, PackageOrCarrierThatIsTheStubItCopiesIsRefused) {
    const TStubFile stub(RandomBytes(700, 4));
    AddSource(list, scratch / "a.txt", RandomBytes(10, 5));
    const std::string hardLink = scratch / "stub.exe";
    ASSERT_TRUE(CreateHardLinkA(hardLink.c_str(), TStubFile::Path().c_str(), nullptr));
    for (const auto& [mode, role] : {std::pair{emPackage, "destination file"}, std::pair{emCarrier, "carrier file"}}) {
        scripted.services = TScriptedServices();
        TForm2 form(nullptr);
        EXPECT_FALSE(RunEncrypt(form, mode, kPassword, hardLink));
        EXPECT_EQ(scripted.services.MessageTexts(),
                  std::vector<std::string>{Refusal(TStubFile::Path(), role, hardLink)});
        EXPECT_EQ(FileBytes(TStubFile::Path()), stub.Bytes());
    }
}

TEST_F(AliasRefusal, DecryptEntryWhoseDestinationIsTheContainerIsRefusedBeforeAnyQuestion) {
    const std::vector<uint8_t> first = RandomBytes(300, 6);
    TMemoryStream payload;
    ASSERT_EQ(WritePayload(kPassword, {{"a.txt", first}, {"b.txt", RandomBytes(9000, 7)}}, payload),
              TPayloadResult::prOk);
    const std::string container = scratch / "box.qvl";
    PutFile(container, payload.Bytes());

    // The run writes a.txt, then meets b.txt, which is the container under another name.
    TScratchFolder hardFolder("qvl-alias-hard-");
    const std::string hardWritten = hardFolder / "a.txt";
    const std::string hardLink = hardFolder / "b.txt";
    ASSERT_TRUE(CreateHardLinkA(hardLink.c_str(), container.c_str(), nullptr));
    TScratchFolder softFolder("qvl-alias-soft-");
    const std::string softWritten = softFolder / "a.txt";
    const TUnixLink symbolicLink(UnixPathOf(container), FolderOf(softWritten) + "b.txt");
    ASSERT_TRUE(symbolicLink.Made());

    for (const auto& [entry, written] :
         {std::pair{hardLink, hardWritten}, std::pair{symbolicLink.Path(), softWritten}}) {
        scripted.services = TScriptedServices();
        TForm5 form(nullptr);
        EXPECT_FALSE(RunDecrypt(form, container, FolderOf(entry), kPassword, [&] {
            EXPECT_TRUE(form.Button2->Enabled());
            EXPECT_TRUE(DecryptStopFlag);
        }));
        EXPECT_EQ(scripted.services.MessageTexts(),
                  std::vector<std::string>{Refusal(entry, "source file", container) + "\r\rNot decrypted:\rb.txt"});
        EXPECT_EQ(FileBytes(container), payload.Bytes()) << entry;
        EXPECT_EQ(FileBytes(written), first);
    }
}

}  // namespace
