// Marks a command as running for the life of a scope.
#pragma once

// Sets the busy flag on entry and clears it on every way out; given a stop request too, clears that on entry.
class TBusyScope {
public:
    explicit TBusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    TBusyScope(bool& busy, bool& stopRequested) : TBusyScope(busy) { stopRequested = false; }
    ~TBusyScope() { busy_ = false; }
    TBusyScope(const TBusyScope&) = delete;
    TBusyScope& operator=(const TBusyScope&) = delete;

private:
    bool& busy_;
};
