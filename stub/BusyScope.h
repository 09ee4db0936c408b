// Marks a command of the package window as running for the scope's lifetime.
#pragma once

namespace Stub {

// Sets the busy flag and clears the stop request on entry; clears the busy flag on every way out.
class TBusyScope {
public:
    TBusyScope(bool& busy, bool& stopRequested) : busy_(busy) {
        busy_ = true;
        stopRequested = false;
    }
    ~TBusyScope() { busy_ = false; }
    TBusyScope(const TBusyScope&) = delete;
    TBusyScope& operator=(const TBusyScope&) = delete;

private:
    bool& busy_;
};

}  // namespace Stub
