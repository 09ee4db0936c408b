// Changes to shared state that last for one scope and are undone on every way out of it: a process-wide
// service replaced, a flag set, a component's updates held.
#pragma once

// Replaces a process-wide service for the life of the scope; a scope inside another puts the outer
// replacement back when it ends.
template <class TService>
class TScopedOverride {
public:
    explicit TScopedOverride(TService& replacement) : previous_(current_) { current_ = &replacement; }
    ~TScopedOverride() { current_ = previous_; }
    TScopedOverride(const TScopedOverride&) = delete;
    TScopedOverride& operator=(const TScopedOverride&) = delete;

    // The replacement in force, or the given service when no scope has put one in place.
    static TService& InForce(TService& otherwise) { return current_ != nullptr ? *current_ : otherwise; }

private:
    static inline TService* current_ = nullptr;
    TService* previous_;
};

// Sets a flag on entry and clears it on every way out.
class TFlagScope {
public:
    explicit TFlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~TFlagScope() { flag_ = false; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& flag_;
};

// Holds a component's updates (BeginUpdate) until the scope ends (EndUpdate).
template <class TTarget>
class TUpdateScope {
public:
    explicit TUpdateScope(TTarget& target) : target_(target) { target_.BeginUpdate(); }
    ~TUpdateScope() { target_.EndUpdate(); }
    TUpdateScope(const TUpdateScope&) = delete;
    TUpdateScope& operator=(const TUpdateScope&) = delete;

private:
    TTarget& target_;
};
