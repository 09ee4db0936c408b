// TAltKeyFix and its per-form trackers.
#include "appearance/AltKeyFix.h"

#include "toolkit/controls/BitBtn.h"
#include "toolkit/system/PlatformInfo.h"
#include "toolkit/forms/Screen.h"

TFormObj::TFormObj(TForm* form, bool wholeRepaint) : trackedForm_(form), wholeRepaint_(wholeRepaint) {
    hook_.Hook(*form, MethodOf<&TFormObj::FormWndProc>(this));
}

// Called for every message of the tracked form: passes it on, then notes a change of keyboard cues.
void TFormObj::FormWndProc(TMessage& message) {
    hook_.CallSaved(message);
    if (message.Msg == WM_UPDATEUISTATE) PendingRepaint = true;
}

TAltKeyFix::TAltKeyFix(TComponent* owner) : TComponent(owner) {
    if (!IsVistaThemed() || IsDesigning() || (owner != nullptr && owner->IsDesigning())) return;
    appEvents_ = std::make_unique<TApplicationEvents>(nullptr);
    appEvents_->OnIdle = MethodOf<&TAltKeyFix::IdleCheck>(this);
}

TAltKeyFix::~TAltKeyFix() {
    appEvents_.reset();
    trackers_.clear();
}

bool TAltKeyFix::IsVistaThemed() {
    OSVERSIONINFOA version{};
    if (!PlatformInfo().Version(version) || version.dwMajorVersion < 6) return false;
    return PlatformInfo().ThemesEnabled();
}

void TAltKeyFix::IdleCheck(TComponent*, bool&) {
    if (Screen == nullptr) return;
    for (auto& tracker : trackers_) tracker->Seen = false;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TForm* form = Screen->Forms(i);
        bool found = false;
        for (auto& tracker : trackers_)
            if (tracker->TrackedForm() == form) {
                tracker->Seen = true;
                found = true;
                break;
            }
        if (!found) trackers_.push_back(std::make_unique<TFormObj>(form, RepaintAll));
    }
    for (size_t i = trackers_.size(); i-- > 0;) {
        if (!trackers_[i]->Seen) {
            trackers_.erase(trackers_.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ProcessForm(*trackers_[i]);
        }
    }
}

void TAltKeyFix::ProcessForm(TFormObj& tracker) {
    if (!tracker.PendingRepaint) return;
    tracker.PendingRepaint = false;
    if (tracker.WholeRepaint()) {
        RepaintAllControls(tracker.TrackedForm());
    } else {
        RepaintButtons(tracker.TrackedForm());
    }
}

void TAltKeyFix::RepaintAllControls(TControl* control) {
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (windowed == nullptr) return;
    windowed->Repaint();
    for (int i = 0; i < windowed->ControlCount(); ++i) RepaintAllControls(windowed->Controls(i));
}

void TAltKeyFix::RepaintButtons(TControl* control) {
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (windowed == nullptr || control->Is<TBitBtn>()) return;
    if (control->Is<TButtonControl>()) {
        windowed->Repaint();
        return;
    }
    for (int i = 0; i < windowed->ControlCount(); ++i) RepaintButtons(windowed->Controls(i));
}
