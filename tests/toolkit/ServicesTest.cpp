// System services: the scripted stand-in records each call and answers it; scopes nest and restore.
#include <gtest/gtest.h>

#include <memory>

#include "tests/support/Harness.h"
#include "tests/support/ScriptedServices.h"
#include "toolkit/forms/SaveDialog.h"

namespace {

TEST(Services, EachServiceRecordsItsCallAndGivesTheScriptedAnswer) {
    harness::TestApplication();
    TScriptedScope scope;
    TScriptedServices& s = scope.services;
    bool ranDuring = false;
    s.AnswerMessageBox(IDNO, [&] { ranDuring = true; });
    s.AnswerFolder(std::string("C:\\Out"));
    s.AnswerFolder(std::nullopt);
    s.AnswerShellExecute(2);
    s.SetSettingsBase("Software\\Test");

    TSystemServices& live = SystemServices();
    EXPECT_EQ(live.ShowMessageBox(nullptr, "Stop?", "Quiverlock", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_TRUE(ranDuring);
    EXPECT_EQ(live.ShowMessageBox(nullptr, "File access denied.\rC:\\a", nullptr, MB_OK | MB_ICONERROR), IDOK);
    EXPECT_EQ(live.BrowseForFolder(nullptr, "Select destination folder:"), std::optional<std::string>("C:\\Out"));
    EXPECT_EQ(live.BrowseForFolder(nullptr, "Select destination folder:"), std::nullopt);
    EXPECT_EQ(live.ShellExecuteFile(nullptr, "open", "a.txt", "", "C:\\", SW_SHOWNORMAL), 2);
    TRegistryLocation key = live.SettingsKey("Software\\Torvane\\Quiverlock");
    EXPECT_EQ(key.Root, HKEY_CURRENT_USER);
    EXPECT_EQ(key.Path, "Software\\Test\\Software\\Torvane\\Quiverlock");

    const auto& calls = s.Calls();
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_EQ(calls[0].Caption, std::optional<std::string>("Quiverlock"));
    EXPECT_EQ(calls[1].Caption, std::nullopt);
    EXPECT_EQ(calls[1].Text, "File access denied.\rC:\\a");
    EXPECT_EQ(calls[2].Text, "Select destination folder:");
    EXPECT_EQ(calls[4].Verb, "open");
    EXPECT_EQ(calls[4].Text, "a.txt");
    EXPECT_EQ(calls[4].Directory, "C:\\");
    EXPECT_EQ(calls[4].Show, SW_SHOWNORMAL);
    EXPECT_EQ(calls[5].Kind, TServiceKind::SettingsKey);
}

TEST(Services, SaveDialogSendsItsSettingsAndTakesTheChosenNameOnlyWhenConfirmed) {
    harness::TestApplication();
    TScriptedScope scope;
    TForm form(nullptr);
    auto* dialog = new TSaveDialog(&form);
    dialog->Filter = "Encrypted Files (*.qvl)|*.qvl";
    dialog->FileName = "C:\\Data\\Photos.qvl";
    scope.services.AnswerSaveDialog(std::string("C:\\Out.QVL"));
    scope.services.AnswerSaveDialog(std::nullopt);
    EXPECT_TRUE(dialog->Execute());
    EXPECT_EQ(dialog->FileName, "C:\\Out.QVL");
    EXPECT_FALSE(dialog->Execute());
    EXPECT_EQ(dialog->FileName, "C:\\Out.QVL");
    auto calls = scope.services.CallsOf(TServiceKind::SaveDialog);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].Save.Filter, "Encrypted Files (*.qvl)|*.qvl");
    EXPECT_EQ(calls[0].Save.FileName, "C:\\Data\\Photos.qvl");
    EXPECT_EQ(calls[0].Owner, form.Handle());
}

TEST(Services, NestedScopesRestoreTheServicesBeforeThem) {
    TSystemServices* original = &SystemServices();
    {
        TScriptedScope outer;
        {
            TScriptedScope inner;
            EXPECT_EQ(&SystemServices(), &inner.services);
        }
        EXPECT_EQ(&SystemServices(), &outer.services);
    }
    EXPECT_EQ(&SystemServices(), original);
}

}  // namespace
