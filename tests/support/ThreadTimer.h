// A timer of the test's own thread that calls a function at each tick while the thread lets messages run
// (modal loops included), until the timer is destroyed.
#pragma once

#include <windows.h>

#include <functional>
#include <unordered_map>
#include <utility>

class TThreadTimer {
public:
    TThreadTimer(UINT intervalMs, std::function<void()> tick) : tick_(std::move(tick)) {
        timer_ = SetTimer(nullptr, 0, intervalMs, &TThreadTimer::Tick);
        Live()[timer_] = this;
    }
    ~TThreadTimer() {
        KillTimer(nullptr, timer_);
        Live().erase(timer_);
    }
    TThreadTimer(const TThreadTimer&) = delete;
    TThreadTimer& operator=(const TThreadTimer&) = delete;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
        const auto found = Live().find(timer);
        if (found != Live().end()) found->second->tick_();
    }
    static std::unordered_map<UINT_PTR, TThreadTimer*>& Live() {
        static std::unordered_map<UINT_PTR, TThreadTimer*> timers;
        return timers;
    }

    std::function<void()> tick_;
    UINT_PTR timer_ = 0;
};
