// Test stand-in for the system services: records every call and answers from a script.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/system/SystemServices.h"

enum class TServiceKind { MessageBox, SaveDialog, FolderBrowser, ShellExecute, SettingsKey };

struct TServiceCall {
    TServiceKind Kind = TServiceKind::MessageBox;
    HWND Owner = nullptr;
    std::string Text;                    // message text, folder title, or the file to launch
    std::optional<std::string> Caption;  // message boxes: nothing when the box had no caption of its own
    UINT Flags = 0;
    TSaveFileRequest Save;               // the save dialog's request as it arrived
    std::string Verb, Parameters, Directory;
    int Show = 0;
};

class TScriptedServices : public TSystemServices {
public:
    // Each answer is used once, in order; `during` runs while the box or dialog is "open".
    void AnswerMessageBox(int answer, std::function<void()> during = {});
    void AnswerSaveDialog(std::optional<std::string> chosen, std::function<void()> during = {});
    void AnswerFolder(std::optional<std::string> chosen, std::function<void()> during = {});
    void AnswerShellExecute(INT_PTR result);
    // Settings keys are placed under this path instead of their own (a scratch key for tests).
    void SetSettingsBase(const std::string& base) { settingsBase_ = base; }
    // The system language the code under test sees; English (United States) unless set.
    void SetSystemLanguage(LANGID language) { language_ = language; }

    const std::vector<TServiceCall>& Calls() const { return calls_; }
    std::vector<TServiceCall> CallsOf(TServiceKind kind) const;
    // Texts of the message boxes shown so far.
    std::vector<std::string> MessageTexts() const;

    int ShowMessageBox(HWND owner, const std::string& text, const char* caption, UINT flags) override;
    bool ShowSaveDialog(HWND owner, TSaveFileRequest& request) override;
    std::optional<std::string> BrowseForFolder(HWND owner, const std::string& title) override;
    INT_PTR ShellExecuteFile(HWND owner, const std::string& verb, const std::string& file,
                             const std::string& parameters, const std::string& directory, int show) override;
    TRegistryLocation SettingsKey(const std::string& path) override;
    LANGID SystemDefaultLanguage() override { return language_; }

private:
    template <class T>
    struct TScripted {
        T Value;
        std::function<void()> During;
    };

    TServiceCall& Record(TServiceKind kind, HWND owner);

    std::vector<TServiceCall> calls_;
    std::deque<TScripted<int>> messageAnswers_;
    std::deque<TScripted<std::optional<std::string>>> saveAnswers_;
    std::deque<TScripted<std::optional<std::string>>> folderAnswers_;
    std::deque<INT_PTR> shellAnswers_;
    std::string settingsBase_;
    LANGID language_ = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
};

// Puts scripted services in place for the scope.
class TScriptedScope {
public:
    TScriptedScope() : scope_(services) {}
    TScriptedServices services;

private:
    TScopedSystemServices scope_;
};
