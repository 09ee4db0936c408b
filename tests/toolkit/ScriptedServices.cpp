// Test stand-in for the system services: records every call and answers from a script.
#include "tests/toolkit/ScriptedServices.h"

#include <gtest/gtest.h>

void TScriptedServices::AnswerMessageBox(int answer, std::function<void()> during) {
    messageAnswers_.push_back({answer, std::move(during)});
}

void TScriptedServices::AnswerSaveDialog(std::optional<std::string> chosen, std::function<void()> during) {
    saveAnswers_.push_back({std::move(chosen), std::move(during)});
}

void TScriptedServices::AnswerFolder(std::optional<std::string> chosen) { folderAnswers_.push_back(std::move(chosen)); }

void TScriptedServices::AnswerShellExecute(INT_PTR result) { shellAnswers_.push_back(result); }

std::vector<TServiceCall> TScriptedServices::CallsOf(TServiceKind kind) const {
    std::vector<TServiceCall> found;
    for (const TServiceCall& call : calls_)
        if (call.Kind == kind) found.push_back(call);
    return found;
}

std::vector<std::string> TScriptedServices::MessageTexts() const {
    std::vector<std::string> texts;
    for (const TServiceCall& call : CallsOf(TServiceKind::MessageBox)) texts.push_back(call.Text);
    return texts;
}

int TScriptedServices::ShowMessageBox(HWND owner, const std::string& text, const char* caption, UINT flags) {
    TServiceCall call;
    call.Kind = TServiceKind::MessageBox;
    call.Owner = owner;
    call.Text = text;
    if (caption != nullptr) call.Caption = std::string(caption);
    call.Flags = flags;
    calls_.push_back(call);
    if (messageAnswers_.empty()) {
        // A box with an OK button only needs no script; a question does.
        if ((flags & MB_TYPEMASK) == MB_OK) return IDOK;
        ADD_FAILURE() << "unscripted question: " << text;
        return IDCANCEL;
    }
    TScripted<int> answer = std::move(messageAnswers_.front());
    messageAnswers_.pop_front();
    if (answer.During) answer.During();
    return answer.Value;
}

bool TScriptedServices::ShowSaveDialog(HWND owner, TSaveFileRequest& request) {
    TServiceCall call;
    call.Kind = TServiceKind::SaveDialog;
    call.Owner = owner;
    call.Save = request;
    calls_.push_back(call);
    if (saveAnswers_.empty()) {
        ADD_FAILURE() << "unscripted save dialog";
        return false;
    }
    auto answer = std::move(saveAnswers_.front());
    saveAnswers_.pop_front();
    if (answer.During) answer.During();
    if (!answer.Value) return false;
    request.FileName = *answer.Value;
    return true;
}

std::optional<std::string> TScriptedServices::BrowseForFolder(HWND owner, const std::string& title) {
    TServiceCall call;
    call.Kind = TServiceKind::FolderBrowser;
    call.Owner = owner;
    call.Text = title;
    calls_.push_back(call);
    if (folderAnswers_.empty()) {
        ADD_FAILURE() << "unscripted folder browser";
        return std::nullopt;
    }
    auto answer = folderAnswers_.front();
    folderAnswers_.pop_front();
    return answer;
}

INT_PTR TScriptedServices::ShellExecuteFile(HWND owner, const std::string& verb, const std::string& file,
                                            const std::string& parameters, const std::string& directory, int show) {
    TServiceCall call;
    call.Kind = TServiceKind::ShellExecute;
    call.Owner = owner;
    call.Verb = verb;
    call.Text = file;
    call.Parameters = parameters;
    call.Directory = directory;
    call.Show = show;
    calls_.push_back(call);
    if (shellAnswers_.empty()) return 42;  // a launch that worked
    INT_PTR answer = shellAnswers_.front();
    shellAnswers_.pop_front();
    return answer;
}

TRegistryLocation TScriptedServices::SettingsKey(const std::string& path) {
    TServiceCall call;
    call.Kind = TServiceKind::SettingsKey;
    call.Text = path;
    calls_.push_back(call);
    if (settingsBase_.empty()) return TRegistryLocation{HKEY_CURRENT_USER, path};
    return TRegistryLocation{HKEY_CURRENT_USER, settingsBase_ + "\\" + path};
}
