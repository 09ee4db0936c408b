// What the Encrypt and Decrypt dialogs share while a run goes on: piece hooks and the stop question.
#include "app/DialogRun.h"

#include "app/DialogMessages.h"
#include "toolkit/Application.h"

namespace {
constexpr DWORD kMessageIntervalMs = 10;
}

void LetPendingMessagesRun() {
    // Asking the system for messages costs more than a piece of work; once per 10 ms keeps the window
    // painted and Cancel answering.
    static DWORD last = 0;
    const DWORD now = GetTickCount();
    if (now - last < kMessageIntervalMs) return;
    last = now;
    Application->ProcessMessages();
}

TPieceHooks RunHooks(const bool& stopFlag, TProgressBar& progress) {
    TPieceHooks hooks;
    hooks.stopRequested = [&stopFlag] { return stopFlag; };
    hooks.pieceDone = [&progress](int64_t done, int64_t total) {
        LetPendingMessagesRun();
        const int percent = ProgressPercent(done, total);
        if (total != 0 && percent != progress.Position()) progress.SetPosition(percent);
    };
    return hooks;
}

void CancelOrAskStop(TForm& form, bool& stopFlag, const std::string& question) {
    if (stopFlag) {
        form.Close();
        return;
    }
    stopFlag = ShowDialogMessage(form, question, kProductCaption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}
