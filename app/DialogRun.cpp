// The frame of a dialog's long run: the inputs it disables, its stop flag and question, one run at a time.
#include "app/DialogRun.h"

#include "app/shared/BusyScope.h"
#include "app/shared/MessageBoxes.h"
#include "app/shared/RunHooks.h"

void TDialogRun::Enable(bool enabled) {
    for (TWinControl* control : inputs_) control->SetEnabled(enabled);
    stopFlag_ = enabled;
}

void TDialogRun::Once(const std::function<void()>& run) {
    if (running_) return;
    const TBusyScope busy(running_);
    run();
}

void TDialogRun::End(bool close) {
    Enable(true);
    if (close) form_.Close();
}

void TDialogRun::Cancel() { CancelOrAskStop(form_, stopFlag_, stopQuestion_); }

bool TDialogRun::AnswerClose(TMessage& message) {
    if (message.Msg != WM_CLOSE || stopFlag_) return false;
    Cancel();
    message.Result = 0;
    return true;
}

void TDialogRun::Refuse(const std::string& text, UINT icon, TWinControl& focus) {
    ShowDialogMessage(form_, text, kProductCaption, MB_OK | icon);
    focus.SetFocus();
}

void TDialogRun::ShowFile(TLabel& label, size_t index, size_t count, const std::string& name) {
    label.SetCaption(std::to_string(index + 1) + "/" + std::to_string(count) + ": " + name);
}
