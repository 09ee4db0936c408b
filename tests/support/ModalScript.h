// Steps that run in order inside a form's modal loop, each once its condition holds, with a deadline.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "tests/support/ThreadTimer.h"
#include "toolkit/forms/Form.h"

namespace harness {

// One step of a scripted modal loop: an action, and the condition that must hold before it runs (none: at once).
struct TStep {
    template <class Action, class = std::enable_if_t<std::is_invocable_r_v<void, Action>>>
    TStep(Action action) : Run(std::move(action)) {}
    TStep(std::function<bool()> ready, std::function<void()> action) : Ready(std::move(ready)), Run(std::move(action)) {}

    std::function<bool()> Ready;
    std::function<void()> Run;
};

// A step that waits until `ready` holds (a run's progress, a window's state).
inline TStep When(std::function<bool()> ready, std::function<void()> action) { return TStep(std::move(ready), std::move(action)); }

// While it lives, runs the steps in order on timer ticks of whatever message loop runs, each while the form is
// modal and its condition holds. Some seconds after the last step ran, a step still waiting, or a form still
// modal once all steps have returned, fails the test and ends the form's modal loop with mrAbort. Only the
// innermost of nested scripts runs.
class TModalScript {
public:
    TModalScript(TForm& form, std::vector<TStep> steps,
                 std::string stayedOpen = "the modal form stayed open after its scripted steps");
    ~TModalScript();
    TModalScript(const TModalScript&) = delete;
    TModalScript& operator=(const TModalScript&) = delete;

    bool Done() const { return next_ == steps_.size(); }

private:
    void Tick();
    void RunNext();
    void Expire();

    TForm& form_;
    std::vector<TStep> steps_;
    std::string stayedOpen_;
    size_t next_ = 0;
    int running_ = 0;  // steps of this script running now, one inside another
    DWORD lastStep_ = GetTickCount();
    bool expired_ = false;
    TModalScript* outer_;
    TThreadTimer timer_;  // last: it stops before the state it reads goes
};

}  // namespace harness
