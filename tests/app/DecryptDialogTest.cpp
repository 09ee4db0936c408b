// The Decrypt dialog driven through its controls: checks, folder creation, overwrite answers, hostile
// containers, Cancel, and round trips through both dialogs.
#include "app/Unit2.h"
#include "app/Unit5.h"

#include "app/payload/DecimalText.h"
#include "tests/support/DialogRuns.h"
#include "tests/app/DialogTestSupport.h"

namespace {

const std::string kPassword = "Correct Horse";
constexpr const char* kWrongPassword = "Incorrect password. Please retype it.";

class DecryptDialog : public ::testing::Test {
protected:
    DecryptDialog() {
        harness::TestApplication();
        form = std::make_unique<TForm5>(nullptr);
    }

    // A fresh dialog run through RunDecrypt; returns whether the run closed the dialog.
    bool Decrypt(const std::string& container, const std::string& folder, const std::string& password,
                 const std::function<void()>& check = {}) {
        form = std::make_unique<TForm5>(nullptr);
        return RunDecrypt(*form, container, folder, password, check);
    }

    std::string Container(const std::string& name, const std::vector<TPackedFile>& files) {
        TMemoryStream out;
        EXPECT_EQ(WritePayload(kPassword, files, out), TPayloadResult::prOk);
        const std::string path = scratch / name;
        PutFile(path, out.Bytes());
        return path;
    }

    // The scratch folder with its trailing backslash.
    std::string Folder() { return FolderOf(scratch / "-"); }

    bool InputsEnabled() const {
        return form->Edit2->Enabled() && form->Edit3->Enabled() && form->Button2->Enabled() && DecryptStopFlag;
    }

    TScriptedScope scripted;
    TScratchFolder scratch{"qvl-decrypt-"};
    std::unique_ptr<TForm5> form;
};

TEST_F(DecryptDialog, RefusalsShowTheirMessageAndCreateNoFolder) {
    const std::string container = Container("box.qvl", {{"a.txt", RandomBytes(10, 1)}});
    const std::string overLimit = scratch / "over.qvl";
    PutFile(overLimit, CraftPayload(kPassword, "0000020481", std::string(20481, 'x')));
    const std::string missingFolder = scratch / "never";
    struct {
        std::string container, folder, password, message;
        UINT icon;
        TEdit* TForm5::*focus;
    } cases[] = {
        {container, missingFolder, "", "Please enter the password.", MB_ICONINFORMATION, &TForm5::Edit3},
        {container, missingFolder, "   ", kWrongPassword, MB_ICONERROR, &TForm5::Edit3},
        {scratch / "missing.qvl", missingFolder, kPassword, "File access denied.\r" + scratch / "missing.qvl",
         MB_ICONERROR, nullptr},
        {container, missingFolder, "correct horse", kWrongPassword, MB_ICONERROR, &TForm5::Edit3},
        {container, missingFolder, " " + kPassword, kWrongPassword, MB_ICONERROR, &TForm5::Edit3},
        {container, "", kPassword, "Directory \"\" does not exist.", MB_ICONERROR, &TForm5::Edit2},
        {overLimit, Folder(), kPassword, kWrongPassword, MB_ICONERROR, &TForm5::Edit3},
    };
    for (const auto& c : cases) {
        scripted.services = TScriptedServices();
        EXPECT_FALSE(Decrypt(c.container, c.folder, c.password, [&] {
            if (c.focus != nullptr) {
                EXPECT_TRUE(HasFocus(*(form.get()->*c.focus))) << c.message;
            }
            EXPECT_TRUE(InputsEnabled());
        }));
        ASSERT_EQ(scripted.services.MessageTexts(), std::vector<std::string>{c.message});
        EXPECT_EQ(scripted.services.Calls()[0].Caption, std::optional<std::string>("Quiverlock"));
        EXPECT_EQ(scripted.services.Calls()[0].Flags, static_cast<UINT>(MB_OK) | c.icon);
        EXPECT_FALSE(FileExists(missingFolder)) << c.message;
    }
}

TEST_F(DecryptDialog, WrongPasswordSelectsTheTypedText) {
    const std::string container = Container("box.qvl", {{"a.txt", RandomBytes(10, 2)}});
    Decrypt(container, Folder(), "nope", [&] {
        EXPECT_EQ(form->Edit3->SelStart(), 0);
        EXPECT_EQ(form->Edit3->SelLength(), 4);
    });
}

TEST_F(DecryptDialog, ProposesTheContainersNameAsFolderAndBrowsesForAnother) {
    scripted.services.AnswerFolder(std::string("D:\\Chosen"));
    scripted.services.AnswerFolder(std::nullopt);
    form->Edit1->SetText("C:\\Data\\photos.qvl");
    harness::ShowModalWith(*form, {[&] {
                                   EXPECT_EQ(form->Edit2->Text(), "C:\\Data\\photos");
                                   EXPECT_TRUE(HasFocus(*form->Edit3));
                                   harness::ClickButton(*form->Button1);
                                   EXPECT_EQ(form->Edit2->Text(), "D:\\Chosen");
                                   harness::ClickButton(*form->Button1);
                                   EXPECT_EQ(form->Edit2->Text(), "D:\\Chosen");
                                   // Only an extension is dropped from the container's name.
                                   for (const auto& [name, folder] :
                                        {std::pair{"C:\\y\\secret", "C:\\y\\secret"},
                                         std::pair{"C:\\y.z\\ab", "C:\\y.z\\ab"},
                                         std::pair{"C:\\y\\.qvl", "C:\\y\\.qvl"},
                                         std::pair{"C:\\y\\a.b.qvl", "C:\\y\\a.b"}}) {
                                       form->Edit1->SetText(name);
                                       form->FormActivate(form.get());
                                       EXPECT_EQ(form->Edit2->Text(), folder);
                                   }
                                   harness::ClickButton(*form->Button3);
                               }});
    const std::vector<TServiceCall> browses = scripted.services.CallsOf(TServiceKind::FolderBrowser);
    ASSERT_EQ(browses.size(), 2u);
    EXPECT_EQ(browses[0].Text, "Select destination folder:");
}

TEST_F(DecryptDialog, OverwriteNoSkipsByTheFilesSizeAndCancelLeavesTheDialogOpen) {
    const std::vector<TPackedFile> files = {
        {"one.bin", RandomBytes(9000, 3)}, {"two.bin", RandomBytes(17, 4)}, {"three.bin", RandomBytes(8192, 5)}};
    const std::string container = Container("three.qvl", files);
    std::vector<std::string> paths;
    for (const TPackedFile& f : files) {
        paths.push_back(scratch / f.name);
        PutFile(paths.back(), {'o', 'l', 'd'});
    }

    scripted.services.AnswerMessageBox(IDNO);
    scripted.services.AnswerMessageBox(IDYES);
    scripted.services.AnswerMessageBox(IDYES);
    EXPECT_TRUE(Decrypt(container, Folder(), kPassword));
    EXPECT_EQ(FileBytes(paths[0]), (std::vector<uint8_t>{'o', 'l', 'd'}));
    EXPECT_EQ(FileBytes(paths[1]), files[1].contents);
    EXPECT_EQ(FileBytes(paths[2]), files[2].contents);
    const std::vector<std::string> texts = scripted.services.MessageTexts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0], "File \"" + paths[0] + "\" already exists.\rOverwrite the existing file?");
    EXPECT_EQ(scripted.services.Calls()[0].Flags, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION));
    EXPECT_EQ(texts[3], "The other file(s) has been successfully decrypted.\r\rNot decrypted:\rone.bin");
    EXPECT_EQ(scripted.services.Calls()[3].Flags, static_cast<UINT>(MB_OK | MB_ICONWARNING));

    PutFile(paths[1], {'o', 'l', 'd'});
    DeleteFileA(paths[2].c_str());
    scripted.services = TScriptedServices();
    scripted.services.AnswerMessageBox(IDYES);
    scripted.services.AnswerMessageBox(IDCANCEL);
    EXPECT_FALSE(Decrypt(container, Folder(), kPassword, [&] { EXPECT_TRUE(InputsEnabled()); }));
    EXPECT_EQ(FileBytes(paths[0]), files[0].contents);
    EXPECT_EQ(FileBytes(paths[1]), (std::vector<uint8_t>{'o', 'l', 'd'}));
    EXPECT_FALSE(FileExists(paths[2]));
    EXPECT_EQ(scripted.services.MessageTexts().size(), 2u);
}

TEST_F(DecryptDialog, EmptyContainersAndEmptyFilesSucceed) {
    const std::string none = Container("none.qvl", {});
    EXPECT_TRUE(Decrypt(none, Folder(), kPassword));
    EXPECT_EQ(scripted.services.MessageTexts(), std::vector<std::string>{"The file(s) has been successfully decrypted!"});
    EXPECT_EQ(form->ListBox1->Items().Count(), 0);

    const std::string empties = Container("empties.qvl", {{"e1.txt", {}}, {"e2.txt", {}}});
    const std::string e1 = scratch / "e1.txt";
    const std::string e2 = scratch / "e2.txt";
    EXPECT_TRUE(Decrypt(empties, Folder(), kPassword));
    EXPECT_TRUE(FileExists(e1) && FileBytes(e1).empty());
    EXPECT_TRUE(FileExists(e2) && FileBytes(e2).empty());
    EXPECT_EQ(form->ListBox2->Items().Count(), 2);
    EXPECT_EQ(form->ListBox2->Items()[1], "0");
}

TEST_F(DecryptDialog, PackageChosenAsSourceFailsThePasswordCheck) {
    TMemoryStream payload;
    ASSERT_EQ(WritePayload(kPassword, {{"a.txt", RandomBytes(100, 6)}}, payload), TPayloadResult::prOk);
    std::vector<uint8_t> package = RandomBytes(4096, 7);
    package.insert(package.end(), payload.Bytes().begin(), payload.Bytes().end());
    const std::string path = scratch / "package.exe";
    PutFile(path, package);
    EXPECT_FALSE(Decrypt(path, Folder(), kPassword));
    EXPECT_EQ(scripted.services.MessageTexts(), std::vector<std::string>{kWrongPassword});
}

TEST_F(DecryptDialog, HostileHeaderEntriesAreNeverWrittenAnywhere) {
    TScratchFolder outside("qvl-decrypt-outside-");
    const std::string folder = outside / "inside";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string escaped = outside / "evil.txt";
    const std::string nested = folder + "\\sub";
    struct {
        std::string header;
        std::string name;  // as the message shows it
    } cases[] = {
        {"..\\evil.txt?3?", "..\\evil.txt"}, {"../evil.txt?3?", "../evil.txt"},
        {escaped + "?3?", escaped},          {"sub\\evil.txt?3?", "sub\\evil.txt"},
        {"a.txt?-3?", "a.txt"},              {"a.txt?3x?", "a.txt"},
        {"a.txt?99999999999999999999?", "a.txt"},
    };
    for (const auto& c : cases) {
        scripted.services = TScriptedServices();
        const std::string container = scratch / "hostile.qvl";
        PutFile(container, CraftHeaderPayload(kPassword, c.header, {'a', 'b', 'c'}));
        EXPECT_FALSE(Decrypt(container, folder, kPassword, [&] { EXPECT_TRUE(InputsEnabled()); })) << c.header;
        const std::string refused = "File access denied.\r" + folder + "\\" + c.name;
        EXPECT_EQ(scripted.services.MessageTexts(), std::vector<std::string>{refused + "\r\rNot decrypted:\r" + c.name});
        EXPECT_FALSE(FileExists(escaped));
        EXPECT_FALSE(FileExists(nested));
        EXPECT_FALSE(FileExists(folder + "\\a.txt"));
    }
}

TEST_F(DecryptDialog, ContainerCutShortIsReportedNotCalledASuccess) {
    TMemoryStream out;
    ASSERT_EQ(WritePayload(kPassword, {{"cut.bin", RandomBytes(20000, 8)}, {"b.txt", RandomBytes(5, 9)}}, out),
              TPayloadResult::prOk);
    std::vector<uint8_t> bytes = out.Bytes();
    bytes.resize(bytes.size() - 10000);
    const std::string container = scratch / "cut.qvl";
    PutFile(container, bytes);
    const std::string cut = scratch / "cut.bin";
    PutFile(cut, {'o', 'l', 'd'});
    scripted.services.AnswerMessageBox(IDYES);
    EXPECT_FALSE(Decrypt(container, Folder(), kPassword, [&] { EXPECT_TRUE(InputsEnabled()); }));
    ASSERT_EQ(scripted.services.MessageTexts().size(), 2u);
    EXPECT_EQ(scripted.services.MessageTexts()[1],
              "The container ends before the end of this file:\r" + cut + "\r\rNot decrypted:\rcut.bin\rb.txt");
    EXPECT_EQ(FileBytes(cut), (std::vector<uint8_t>{'o', 'l', 'd'})) << "the old file is kept";
    EXPECT_TRUE(NoNewFileLeft(scratch.Root()));
}

TEST_F(DecryptDialog, CancelYesStopsTheRunAndClosesTheDialog) {
    const std::string container = Container("big.qvl", {{"big.bin", RandomBytes(48 << 20, 10)}});
    const std::string big = scratch / "big.bin";
    form->Edit1->SetText(container);
    const auto position = [&] { return form->ProgressBar1->Position(); };
    int progressAtNo = -1;
    scripted.services.AnswerMessageBox(IDNO, [&] { progressAtNo = position(); });
    scripted.services.AnswerMessageBox(IDYES);
    harness::ShowModalWith(*form, {[&] {
                                       form->Edit2->SetText(Folder());
                                       form->Edit3->SetText(kPassword);
                                       harness::ClickButton(*form->Button2);
                                   },
                                   harness::When([&] { return position() > 0; },
                                                 [&] { PostMessageA(form->Handle(), WM_CLOSE, 0, 0); }),
                                   harness::When([&] { return progressAtNo >= 0 && position() > progressAtNo; },
                                                 [&] { harness::ClickButton(*form->Button3); })});
    const std::vector<std::string> texts = scripted.services.MessageTexts();
    ASSERT_EQ(texts.size(), 2u) << "the run ended before both questions";
    EXPECT_EQ(texts[0], "Do you want to stop the decryption process?");
    EXPECT_LT(FileBytes(big).size(), static_cast<size_t>(48 << 20));
    EXPECT_TRUE(DecryptStopFlag);
}

TEST_F(DecryptDialog, EntryBeyondFourGibibytesIsReachedBySkipping) {
    constexpr int64_t kHuge = (int64_t{5} << 30) + 3;
    const std::vector<uint8_t> small = RandomBytes(1000, 11);
    TMemoryStream alone;
    ASSERT_EQ(WritePayload(kPassword, {{"small.bin", small}}, alone), TPayloadResult::prOk);
    const std::string container = scratch / "sparse.qvl";
    {
        TWin32FileStream file(container, TFileMode::fmCreate);
        TQC_blowfish cipher(nullptr);
        TPayloadWriter writer(cipher, file);
        ASSERT_EQ(writer.WriteHead(kPassword, nullptr, {{"huge.bin", std::to_string(kHuge)}, {"small.bin", "1000"}}),
                  TPayloadResult::prOk);
        // The huge entry stays a hole; the small one's contents encrypt alike in any payload.
        ASSERT_TRUE(file.Seek(file.Position() + kHuge));
        ASSERT_EQ(file.Write(alone.Bytes().data() + alone.Size() - 1000, 1000), 1000);
    }
    const std::string huge = scratch / "huge.bin";
    const std::string smallPath = scratch / "small.bin";
    PutFile(huge, {'k', 'e', 'e', 'p'});
    scripted.services.AnswerMessageBox(IDNO);
    EXPECT_TRUE(Decrypt(container, Folder(), kPassword));
    EXPECT_EQ(FileBytes(smallPath), small);
    EXPECT_EQ(FileBytes(huge), (std::vector<uint8_t>{'k', 'e', 'e', 'p'}));
    EXPECT_EQ(form->ListBox2->Items()[0], std::to_string(kHuge));
}

// Round trips through both dialogs: what Encrypt writes, Decrypt gives back byte for byte.
class RoundTrip : public DecryptDialog {
protected:
    TFakeFileList list;
};

TEST_F(RoundTrip, RandomFileSetsComeBackByteForByteInAMissingThreeLevelFolder) {
    const std::vector<std::vector<size_t>> sets = {{0}, {8192, 7, 8193}, {1, 16384, 0, 20000, 8191}};
    uint32_t seed = 100;
    for (size_t s = 0; s < sets.size(); ++s) {
        const std::string password = s == 1 ? "   " : "  blank edges ";  // blanks only open too
        list.rows.clear();
        std::vector<TPackedFile> files;
        for (size_t i = 0; i < sets[s].size(); ++i) {
            files.push_back({"f" + std::to_string(s) + "-" + std::to_string(i) + ".bin", RandomBytes(sets[s][i], ++seed)});
            AddSource(list, scratch / files.back().name, files.back().contents);
        }
        const std::string container = scratch / ("set" + std::to_string(s) + ".qvl");
        auto encrypt = std::make_unique<TForm2>(nullptr);
        scripted.services = TScriptedServices();
        scripted.services.AnswerMessageBox(IDNO);
        RunEncrypt(*encrypt, emStandard, password, container);

        const std::string root = "r" + std::to_string(s);
        std::vector<std::string> outputs;
        for (const TPackedFile& f : files) outputs.push_back(scratch / (root + "\\l2\\l3\\" + f.name));
        const std::string level3 = scratch / (root + "\\l2\\l3");
        const std::string level1 = scratch / root;
        EXPECT_FALSE(Decrypt(container, level3, "blank edges"));
        EXPECT_FALSE(FileExists(level1));
        EXPECT_TRUE(Decrypt(container, level3, password));
        for (size_t i = 0; i < files.size(); ++i) {
            EXPECT_EQ(FileBytes(outputs[i]), files[i].contents) << files[i].name;
            EXPECT_EQ(form->ListBox1->Items()[static_cast<int>(i)], files[i].name);
        }
    }
}

}  // namespace
