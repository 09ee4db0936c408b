// The Encrypt and Decrypt dialogs' own keys and check box, and their progress bars at a file's end.
#include "app/Unit2.h"
#include "app/Unit5.h"

#include <commctrl.h>

#include "tests/support/DialogRuns.h"
#include "tests/app/DialogTestSupport.h"

namespace {

const std::string kPassword = "pass word";

char WindowPasswordChar(TEdit& edit) {
    return static_cast<char>(SendMessageA(edit.Handle(), EM_GETPASSWORDCHAR, 0, 0));
}

// Records every position a progress bar is given, in order.
struct TPositionLog {
    TWndMethod saved;
    std::vector<int> positions;
    void Proc(TMessage& message) {
        if (message.Msg == PBM_SETPOS) positions.push_back(static_cast<int>(message.WParam));
        saved(message);
    }
};

class DialogKeys : public ::testing::Test {
protected:
    DialogKeys() {
        harness::TestApplication();
        encrypt = std::make_unique<TForm2>(nullptr);
        decrypt = std::make_unique<TForm5>(nullptr);
    }

    TPositionLog progress;  // outlives the dialogs
    TScriptedScope scripted;
    TFakeFileList list;
    TScratchFolder scratch{"qvl-dialog-keys-"};
    std::unique_ptr<TForm2> encrypt;
    std::unique_ptr<TForm5> decrypt;
};

TEST_F(DialogKeys, EncryptShowPasswordUnmasksBothFieldsAndKeepsItsStateToTheNextOpening) {
    list.Add("C:\\Data", "a.txt", "1");
    harness::ShowModalWith(*encrypt, {[&] {
                                   EXPECT_EQ(WindowPasswordChar(*encrypt->Edit1), '*');
                                   EXPECT_EQ(WindowPasswordChar(*encrypt->Edit2), '*');
                                   harness::ClickButton(*encrypt->CheckBox1);
                                   EXPECT_EQ(WindowPasswordChar(*encrypt->Edit1), '\0');
                                   EXPECT_EQ(WindowPasswordChar(*encrypt->Edit2), '\0');
                                   encrypt->Close();
                               }});
    harness::ShowModalWith(*encrypt, {[&] {
                                   EXPECT_TRUE(encrypt->CheckBox1->Checked());
                                   EXPECT_EQ(WindowPasswordChar(*encrypt->Edit1), '\0');
                                   harness::ClickButton(*encrypt->CheckBox1);
                                   EXPECT_EQ(WindowPasswordChar(*encrypt->Edit1), '*');
                                   EXPECT_EQ(WindowPasswordChar(*encrypt->Edit2), '*');
                                   encrypt->Close();
                               }});
}

TEST_F(DialogKeys, DecryptShowPasswordUnmasksThePasswordAndEachOpeningMasksItAgain) {
    decrypt->Edit1->SetText("C:\\Data\\box.qvl");
    for (int opening = 0; opening < 2; ++opening) {
        harness::ShowModalWith(*decrypt, {[&] {
                                   EXPECT_FALSE(decrypt->CheckBox1->Checked()) << opening;
                                   EXPECT_EQ(WindowPasswordChar(*decrypt->Edit3), '*') << opening;
                                   harness::ClickButton(*decrypt->CheckBox1);
                                   EXPECT_EQ(WindowPasswordChar(*decrypt->Edit3), '\0');
                                   decrypt->Close();
                               }});
    }
}

TEST_F(DialogKeys, EscClosesEitherIdleDialogFromAnyField) {
    list.Add("C:\\Data", "a.txt", "1");
    EXPECT_EQ(harness::ShowModalWith(*encrypt, {[&] {
                                         encrypt->Edit3->SetFocus();
                                         harness::PressKey(VK_ESCAPE);
                                     }}),
              mrCancel);
    decrypt->Edit1->SetText("C:\\Data\\box.qvl");
    EXPECT_EQ(harness::ShowModalWith(*decrypt, {[&] {
                                         decrypt->Edit2->SetFocus();
                                         harness::PressKey(VK_ESCAPE);
                                     }}),
              mrCancel);
    EXPECT_TRUE(scripted.services.MessageTexts().empty());
}

TEST_F(DialogKeys, EnterRunsTheDialogOnlyFromItsLastField) {
    list.Add("C:\\Data", "a.txt", "1");
    // With no password the run stops at once and says so: the message shows that it started.
    const auto enterIn = [&](TForm& form, TWinControl& inner, TWinControl& last, const char* where) {
        scripted.services = TScriptedServices();
        harness::ShowModalWith(form, {[&] {
                                   inner.SetFocus();
                                   harness::PressKey(VK_RETURN);
                                   EXPECT_TRUE(scripted.services.MessageTexts().empty()) << where;
                                   last.SetFocus();
                                   harness::PressKey(VK_RETURN);
                                   EXPECT_EQ(scripted.services.MessageTexts(),
                                             std::vector<std::string>{"Please enter the password."});
                                   form.Close();
                               }});
    };
    enterIn(*encrypt, *encrypt->Edit1, *encrypt->Edit3, "Enter in the password");
    decrypt->Edit1->SetText("C:\\Data\\box.qvl");
    enterIn(*decrypt, *decrypt->Edit2, *decrypt->Edit3, "Enter in the folder");
}

// Two quick Enter presses in the destination field: the second reaches the field while the first run goes on
// and starts nothing, so the first ends with its own question.
TEST_F(DialogKeys, EnterTwiceInTheDestinationRunsOnceToItsOwnEnd) {
    const std::vector<uint8_t> bytes = RandomBytes(4 << 20, 7);
    AddSource(list, scratch / "a.bin", bytes);
    const std::string container = scratch / "twice.qvl";
    scripted.services.AnswerMessageBox(IDNO);  // erase question
    harness::ShowModalWith(*encrypt, {[&] {
                               encrypt->ComboBox1->SetItemIndex(emStandard);
                               encrypt->ComboBox1Change(encrypt->ComboBox1);
                               encrypt->Edit1->SetText(kPassword);
                               encrypt->Edit2->SetText(kPassword);
                               encrypt->Edit3->SetText(container);
                               const HWND field = encrypt->Edit3->Handle();
                               for (int i = 0; i < 2; ++i) PostMessageA(field, WM_KEYDOWN, VK_RETURN, 0);
                           }});
    EXPECT_EQ(scripted.services.MessageTexts(),
              std::vector<std::string>{
                  "The file(s) has been successfully encrypted!\r\rDo you want to erase (delete) the source files?"});
    EXPECT_EQ(ReadPayloadFile(container, 0, kPassword).at(0).contents, bytes);
}

TEST_F(DialogKeys, ProgressReachesOneHundredAtTheEndOfAFileOfWholePieces) {
    for (const size_t pieces : {1u, 3u}) {
        list.rows.clear();
        const std::vector<uint8_t> bytes = RandomBytes(8192 * pieces, static_cast<uint32_t>(pieces));
        AddSource(list, scratch / "whole.bin", bytes);
        const std::string container = scratch / ("whole" + std::to_string(pieces) + ".qvl");
        encrypt = std::make_unique<TForm2>(nullptr);
        progress.positions.clear();
        progress.saved = encrypt->ProgressBar1->WindowProc;
        encrypt->ProgressBar1->WindowProc = MethodOf<&TPositionLog::Proc>(&progress);
        scripted.services = TScriptedServices();
        scripted.services.AnswerMessageBox(IDNO);  // erase question
        RunEncrypt(*encrypt, emStandard, kPassword, container);
        // The bar goes back to 0 once the run is done; just before, it stood at 100.
        ASSERT_GE(progress.positions.size(), 2u) << pieces;
        EXPECT_EQ(progress.positions.back(), 0);
        EXPECT_EQ(progress.positions[progress.positions.size() - 2], 100) << pieces;

        decrypt = std::make_unique<TForm5>(nullptr);
        DeleteFileA((scratch / "whole.bin").c_str());
        int atSuccess = -1;
        scripted.services = TScriptedServices();
        scripted.services.AnswerMessageBox(IDOK, [&] { atSuccess = decrypt->ProgressBar1->Position(); });
        RunDecrypt(*decrypt, container, scratch.Root(), kPassword);
        EXPECT_EQ(scripted.services.MessageTexts(),
                  std::vector<std::string>{"The file(s) has been successfully decrypted!"});
        EXPECT_EQ(atSuccess, 100) << pieces;
        EXPECT_EQ(FileBytes(scratch / "whole.bin"), bytes);
    }
}

}  // namespace
