// Steps that run in order inside a form's modal loop, each once its condition holds, with a deadline.
#include "tests/support/ModalScript.h"

#include <gtest/gtest.h>

namespace harness {

namespace {

constexpr UINT kTickMs = 15;
constexpr DWORD kDeadlineMs = 3000;

TModalScript*& Innermost() {
    static TModalScript* script = nullptr;
    return script;
}

}  // namespace

TModalScript::TModalScript(TForm& form, std::vector<TStep> steps, std::string stayedOpen)
    : form_(form), steps_(std::move(steps)), stayedOpen_(std::move(stayedOpen)), outer_(Innermost()),
      timer_(kTickMs, [this] { Tick(); }) {
    Innermost() = this;
}

TModalScript::~TModalScript() {
    Innermost() = outer_;
    if (outer_ != nullptr) outer_->lastStep_ = GetTickCount();  // its wait was held while this one ran
}

void TModalScript::Tick() {
    if (Innermost() != this || expired_) return;
    if (!Done() && form_.IsModal() && (!steps_[next_].Ready || steps_[next_].Ready())) {
        RunNext();
        return;
    }
    // The form cannot close while the last step still runs inside its loop.
    const bool stalled = !Done() || (form_.IsModal() && running_ == 0);
    if (stalled && GetTickCount() - lastStep_ > kDeadlineMs) Expire();
}

void TModalScript::RunNext() {
    const TStep& step = steps_[next_++];  // counted first: a step may let messages in, and the next one run inside it
    ++running_;
    lastStep_ = GetTickCount();
    step.Run();
    lastStep_ = GetTickCount();
    --running_;
}

void TModalScript::Expire() {
    expired_ = true;
    ADD_FAILURE() << (Done() ? stayedOpen_ : "a scripted step waited in vain for its condition");
    if (form_.IsModal()) form_.SetModalResult(mrAbort);
}

}  // namespace harness
