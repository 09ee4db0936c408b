// What a window with a long run shares with the others: piece hooks and the stop question.
#include "app/shared/RunHooks.h"

#include "app/shared/MessageBoxes.h"
#include "toolkit/forms/Application.h"

namespace {
constexpr DWORD kMessageIntervalMs = 25;

// True at most once per 25 ms: asking the system for messages costs more than a piece of work, and
// that often keeps the window painted and Cancel answering.
bool MessageIntervalPassed() {
    static DWORD last = 0;
    const DWORD now = GetTickCount();
    if (now - last < kMessageIntervalMs) return false;
    last = now;
    return true;
}
}  // namespace

bool LetPendingMessagesRun() {
    if (!MessageIntervalPassed()) return false;
    Application->ProcessMessages();
    return true;
}

TPieceHooks RunHooks(const bool& stopFlag, TProgressBar& progress) {
    TPieceHooks hooks;
    hooks.stopRequested = [&stopFlag] { return stopFlag; };
    hooks.pieceDone = [&progress](int64_t done, int64_t total) {
        // The bar repaints at once when moved: move it when messages run and at the file's end.
        const bool due = MessageIntervalPassed();
        if (total != 0 && (due || done >= total)) {
            const int percent = ProgressPercent(done, total);
            if (percent != progress.Position()) progress.SetPosition(percent);
        }
        if (due) Application->ProcessMessages();
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
