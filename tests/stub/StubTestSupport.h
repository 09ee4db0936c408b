// Helpers of the package stub tests: packages written by the real Encrypt dialog, and the stub's windows
// shown over them with the password prompt answered by script.
#pragma once

#include <windows.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Unit2.h"
#include "app/payload/DecimalText.h"
#include "app/payload/PathText.h"
#include "app/payload/TempDir.h"
#include "app/payload/StubSize.h"
#include "stub/StubTexts.h"
#include "stub/Unit1.h"
#include "stub/Unit2.h"
#include "tests/app/DialogTestSupport.h"
#include "tests/support/DialogRuns.h"

inline std::vector<uint8_t> FileBytesOf(const std::string& text) { return {text.begin(), text.end()}; }

// The QVL.dat that this build made (its folder is given by the build).
inline std::string BuiltStubPath() { return QVL_BUILT_STUB; }

// A prompt step: types the password and clicks OK.
inline std::function<void()> EnterPassword(const std::string& password) {
    return [password] {
        Stub::Form2->Edit1->SetText(password);
        harness::ClickButton(*Stub::Form2->Button1);
    };
}

class StubTest : public ::testing::Test {
protected:
    StubTest() {
        harness::TestApplication();
        // The Encrypt dialog copies the stub from the test program's folder, as the main program does.
        CopyFileA(BuiltStubPath().c_str(), (TestProgramFolder() + "QVL.dat").c_str(), FALSE);
    }
    ~StubTest() override { CloseStub(); }

    // Writes a package (or a carrier) of these files through the real Encrypt dialog.
    void Encrypt(TEncryptMode mode, const std::string& destination, const std::vector<TPackedFile>& files,
                 const std::string& password = "secret") {
        TFakeFileList list;
        const std::string sources = scratch / ("src" + std::to_string(++sourceFolders_));
        CreateDirectoryA(sources.c_str(), nullptr);
        std::vector<std::string> written;
        for (const TPackedFile& file : files) {
            written.push_back(sources + "\\" + file.name);
            AddSource(list, written.back(), file.contents);
        }
        TScriptedScope answers;
        answers.services.AnswerMessageBox(IDNO);  // keep the sources
        ::TForm2 dialog(nullptr);
        RunEncrypt(dialog, mode, password, destination);
        EXPECT_EQ(answers.services.MessageTexts().size(), 1u) << "the run did not end in its erase question";
        for (const std::string& path : written) DeleteFileA(path.c_str());
        RemoveDirectoryA(sources.c_str());
    }

    // A package of these files in the scratch folder.
    std::string Package(const std::vector<TPackedFile>& files, const std::string& name = "package.exe",
                        const std::string& password = "secret") {
        const std::string path = scratch / name;
        Encrypt(emPackage, path, files, password);
        return path;
    }

    // The stub's built bytes followed by the payload bytes given: a package that no writer of ours makes.
    std::string CraftedPackage(const std::vector<uint8_t>& payload, const std::string& name = "crafted.exe") {
        std::vector<uint8_t> bytes = FileBytes(BuiltStubPath());
        bytes.insert(bytes.end(), payload.begin(), payload.end());
        const std::string path = scratch / name;
        PutFile(path, bytes);
        return path;
    }

    // Creates the stub's windows over the package and shows the package window; the steps answer the prompt.
    void OpenStub(const std::string& package, std::vector<std::function<void()>> steps) {
        CloseStub();
        Stub::Form1 = new Stub::TForm1(&harness::TestApplication());
        Stub::Form2 = new Stub::TForm2(&harness::TestApplication());
        Stub::Form1->SetPackagePath(package);
        harness::TModalScript script(*Stub::Form2, std::vector<harness::TStep>(steps.begin(), steps.end()),
                                     "the password prompt stayed open after its steps");
        Stub::Form1->Show();
        harness::ProcessMessages();
        EXPECT_TRUE(script.Done()) << "the prompt closed before all its steps ran";
    }
    void OpenStub(const std::string& package, const std::string& password = "secret") {
        OpenStub(package, {EnterPassword(password)});
        ASSERT_TRUE(Stub::Form1->PackageOpen());
    }
    void CloseStub() {
        if (Stub::Form1 != nullptr && Stub::Form1->Visible()) Stub::Form1->Close();
        delete Stub::Form2;
        delete Stub::Form1;
        Stub::Form2 = nullptr;
        Stub::Form1 = nullptr;
    }

public:
    static Stub::TForm1& Window() { return *Stub::Form1; }
    static std::vector<std::string> Captions() {
        std::vector<std::string> names;
        for (int i = 0; i < Window().ListView1->Count(); ++i) names.push_back(Window().ListView1->Row(i).Caption);
        return names;
    }
    static void Select(std::initializer_list<int> rows) {
        for (int i = 0; i < Window().ListView1->Count(); ++i) Window().ListView1->SetSelected(i, false);
        for (int row : rows) Window().ListView1->SetSelected(row, true);
    }
    static std::string Totals() { return Window().StatusBar1->PanelText(0); }

protected:
    TScriptedScope scope;
    TScratchFolder scratch{"qvl-stub-"};

private:
    int sourceFolders_ = 0;
};
