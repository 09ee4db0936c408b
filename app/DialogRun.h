// The frame of a dialog's long run: the inputs it disables, its stop flag and question, one run at a time.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/controls/Label.h"
#include "toolkit/forms/Form.h"

class TDialogRun {
public:
    // stopFlag is set while the dialog is idle or the user asked to stop, clear while a run goes on.
    TDialogRun(TForm& form, bool& stopFlag, std::string stopQuestion)
        : form_(form), stopFlag_(stopFlag), stopQuestion_(std::move(stopQuestion)) {}
    TDialogRun(const TDialogRun&) = delete;
    TDialogRun& operator=(const TDialogRun&) = delete;

    // The controls a run disables; Cancel is not among them.
    void SetInputs(std::vector<TWinControl*> inputs) { inputs_ = std::move(inputs); }
    // Enables or disables the inputs together with the stop flag.
    void Enable(bool enabled);
    // Calls run unless a run is going on already (a second Enter or click during a run or its questions).
    void Once(const std::function<void()>& run);
    // Ends a run: the inputs enabled again and, with close, the dialog closed.
    void End(bool close);

    // Cancel: closes the idle dialog, or asks the stop question and sets the stop flag to the answer Yes.
    void Cancel();
    // The close box during a run asks the stop question instead of closing; true when the message is answered.
    bool AnswerClose(TMessage& message);

    // A notice before the run (MB_OK and icon), then the focus to the field it is about.
    void Refuse(const std::string& text, UINT icon, TWinControl& focus);
    // "2/5: name": file index of count, counted from one.
    static void ShowFile(TLabel& label, size_t index, size_t count, const std::string& name);

private:
    TForm& form_;
    bool& stopFlag_;
    const std::string stopQuestion_;
    std::vector<TWinControl*> inputs_;
    bool running_ = false;
};
