// Test stand-in for the system services: records every call and answers from a script.
#include "tests/support/ScriptedServices.h"

#include <gtest/gtest.h>

void TScriptedServices::AnswerMessageBox(int answer, std::function<void()> during) {
    messageAnswers_.push_back({answer, std::move(during)});
}

void TScriptedServices::AnswerSaveDialog(std::optional<std::string> chosen, std::function<void()> during) {
    saveAnswers_.push_back({std::move(chosen), std::move(during)});
}

void TScriptedServices::AnswerFolder(std::optional<std::string> chosen, std::function<void()> during) {
    folderAnswers_.push_back({std::move(chosen), std::move(during)});
}

void TScriptedServices::AnswerShellExecute(INT_PTR result) { shellAnswers_.push_back(result); }

TServiceCall& TScriptedServices::Record(TServiceKind kind, HWND owner) {
    calls_.emplace_back();
    calls_.back().Kind = kind;
    calls_.back().Owner = owner;
    return calls_.back();
}

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
    TServiceCall& call = Record(TServiceKind::MessageBox, owner);
    call.Text = text;
    if (caption != nullptr) call.Caption = std::string(caption);
    call.Flags = flags;
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
    TServiceCall& call = Record(TServiceKind::SaveDialog, owner);
    call.Save = request;
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
    TServiceCall& call = Record(TServiceKind::FolderBrowser, owner);
    call.Text = title;
    if (folderAnswers_.empty()) {
        ADD_FAILURE() << "unscripted folder browser";
        return std::nullopt;
    }
    auto answer = std::move(folderAnswers_.front());
    folderAnswers_.pop_front();
    if (answer.During) answer.During();
    return answer.Value;
}

INT_PTR TScriptedServices::ShellExecuteFile(HWND owner, const std::string& verb, const std::string& file,
                                            const std::string& parameters, const std::string& directory, int show) {
    TServiceCall& call = Record(TServiceKind::ShellExecute, owner);
    call.Verb = verb;
    call.Text = file;
    call.Parameters = parameters;
    call.Directory = directory;
    call.Show = show;
    if (shellAnswers_.empty()) return 42;  // a launch that worked
    INT_PTR answer = shellAnswers_.front();
    shellAnswers_.pop_front();
    return answer;
}

TRegistryLocation TScriptedServices::SettingsKey(const std::string& path) {
    TServiceCall& call = Record(TServiceKind::SettingsKey, nullptr);
    call.Text = path;
    if (settingsBase_.empty()) return TRegistryLocation{HKEY_CURRENT_USER, path};
    return TRegistryLocation{HKEY_CURRENT_USER, settingsBase_ + "\\" + path};
}
