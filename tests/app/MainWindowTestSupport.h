// Helpers of the main window tests: the window with its dialogs on a scratch registry key, scratch file trees.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "app/Unit5.h"
#include "app/payload/TempDir.h"
#include "tests/support/Harness.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScriptedServices.h"

// The main window and its dialogs, created as the program creates them, with scripted services and a
// scratch settings key.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        harness::TestApplication();
        settingsBase_ = "Software\\QvlTests\\MainWindow" + std::to_string(GetCurrentProcessId());
        scope_.services.SetSettingsBase(settingsBase_);
        RegDeleteTreeA(HKEY_CURRENT_USER, settingsBase_.c_str());
    }
    void TearDown() override {
        DestroyForms();
        RegDeleteTreeA(HKEY_CURRENT_USER, settingsBase_.c_str());
    }

    // Builds the four windows; the main one is not shown yet.
    void CreateForms() {
        Form1 = new TForm1(&harness::TestApplication());
        Form2 = new TForm2(&harness::TestApplication());
        Form3 = new TForm3(&harness::TestApplication());
        Form5 = new TForm5(&harness::TestApplication());
    }
    void DestroyForms() {
        delete Form5;
        delete Form3;
        delete Form2;
        delete Form1;
        Form5 = nullptr;
        Form3 = nullptr;
        Form2 = nullptr;
        Form1 = nullptr;
    }
    TForm1& Window() {
        if (Form1 == nullptr) CreateForms();
        return *Form1;
    }
    // The main window shown, its settings read.
    TForm1& ShownWindow() {
        Window().Show();
        harness::ProcessMessages();
        return *Form1;
    }

    std::string SettingsPath() const { return settingsBase_ + "\\Software\\Torvane\\Quiverlock"; }
    void StoreSetting(const std::string& name, DWORD value) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, SettingsPath().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                                  nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
        RegCloseKey(key);
    }
    void StoreText(const std::string& name, const std::string& text) {
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, SettingsPath().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
        RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1));
        RegCloseKey(key);
    }
    // The stored DWORD, or -1 when missing.
    long long StoredSetting(const std::string& name) {
        DWORD value = 0;
        DWORD size = sizeof value;
        DWORD type = 0;
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, SettingsPath().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return -1;
        LONG result = RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
        RegCloseKey(key);
        return result == ERROR_SUCCESS && type == REG_DWORD ? static_cast<long long>(value) : -1;
    }

    // Row captions in displayed order.
    std::vector<std::string> Captions() {
        std::vector<std::string> names;
        for (int i = 0; i < Form1->ListView1->Count(); ++i) names.push_back(Form1->ListView1->Row(i).Caption);
        return names;
    }
    std::vector<int> SelectedRows() {
        std::vector<int> rows;
        for (int i = 0; i < Form1->ListView1->Count(); ++i)
            if (Form1->ListView1->Selected(i)) rows.push_back(i);
        return rows;
    }
    std::string TotalsText() { return Form1->StatusBar1->PanelText(1); }

    TScriptedServices& Services() { return scope_.services; }

private:
    TScriptedScope scope_;
    std::string settingsBase_;
};
