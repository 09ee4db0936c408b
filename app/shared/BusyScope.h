// Marks a command as running for the life of a scope.
#pragma once

#include "toolkit/core/Scoped.h"

// Sets the busy flag on entry and clears it on every way out; given a stop request too, clears that on entry.
class TBusyScope : public TFlagScope {
public:
    explicit TBusyScope(bool& busy) : TFlagScope(busy) {}
    TBusyScope(bool& busy, bool& stopRequested) : TFlagScope(busy) { stopRequested = false; }
};
