// TAltKeyFix: repaints every form's controls after WM_UPDATEUISTATE on themed Windows 6 and later.
#pragma once

#include <memory>
#include <vector>

#include "toolkit/controls/WindowProcHook.h"
#include "toolkit/core/Component.h"
#include "toolkit/forms/Form.h"
#include "toolkit/forms/ApplicationEvents.h"

// One tracked form: its window procedure is passed every message first and notes keyboard-cue changes.
class TFormObj {
public:
    TFormObj(TForm* form, bool wholeRepaint);
    TFormObj(const TFormObj&) = delete;
    TFormObj& operator=(const TFormObj&) = delete;

    TForm* TrackedForm() const { return trackedForm_; }
    bool Seen = true;
    bool PendingRepaint = false;
    bool WholeRepaint() const { return wholeRepaint_; }
    // The form's procedure as it stood when tracking began.
    const TWndMethod& SavedWndProc() const { return hook_.Saved(); }

    void FormWndProc(TMessage& message);

private:
    TForm* trackedForm_;
    bool wholeRepaint_;
    TWindowProcHook hook_;  // unhooks when the tracker goes first; inert when the form went first
};

// Owned by a form; no code needs to refer to it. Tracks every form of the application from the first idle pass
// at which the form exists.
class TAltKeyFix : public TComponent {
public:
    explicit TAltKeyFix(TComponent* owner);
    ~TAltKeyFix() override;
    const char* ClassName() const override { return "TAltKeyFix"; }

    // True: repaint every windowed control; false: button controls only. Read when a form is first tracked.
    bool RepaintAll = true;

    static bool IsVistaThemed();
    // Inert (designing, or not themed Windows 6+ when created): no trackers and no idle handler.
    bool Inert() const { return appEvents_ == nullptr; }
    const std::vector<std::unique_ptr<TFormObj>>& Trackers() const { return trackers_; }

    void IdleCheck(TComponent* sender, bool& done);
    static void ProcessForm(TFormObj& tracker);
    static void RepaintAllControls(TControl* control);
    static void RepaintButtons(TControl* control);

private:
    std::vector<std::unique_ptr<TFormObj>> trackers_;
    std::unique_ptr<TApplicationEvents> appEvents_;
};
