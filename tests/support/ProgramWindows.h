// A built program started for a test, and the visible top-level windows of a process.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "toolkit/system/WinGuards.h"

// Started from a whole command line; ended by force if it still runs when the test lets it go.
class TStartedProgram {
public:
    explicit TStartedProgram(std::string line) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
            return;
        process_.Reset(started.hProcess);
        thread_.Reset(started.hThread);
        id_ = started.dwProcessId;
    }
    ~TStartedProgram() {
        if (Running()) TerminateProcess(process_.Get(), 1);
    }
    TStartedProgram(const TStartedProgram&) = delete;
    TStartedProgram& operator=(const TStartedProgram&) = delete;

    bool Started() const { return id_ != 0; }
    DWORD Id() const { return id_; }
    // Waits up to `ms` for the program to end; true while it still runs.
    bool Running(DWORD ms = 0) const { return Started() && WaitForSingleObject(process_.Get(), ms) == WAIT_TIMEOUT; }

private:
    TKernelHandle process_;
    TKernelHandle thread_;
    DWORD id_ = 0;
};

namespace program_windows {

struct TQuery {
    DWORD ProcessId;
    std::vector<std::pair<HWND, std::string>> Found;
};

inline BOOL CALLBACK AddIfVisible(HWND window, LPARAM data) {
    auto& query = *reinterpret_cast<TQuery*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char caption[256] = "";
    if (owner == query.ProcessId && IsWindowVisible(window)) {
        GetWindowTextA(window, caption, sizeof caption);
        query.Found.emplace_back(window, caption);
    }
    return TRUE;
}

}  // namespace program_windows

// The visible top-level windows of one process, with their captions.
inline std::vector<std::pair<HWND, std::string>> VisibleWindowsOf(DWORD processId) {
    program_windows::TQuery query{processId, {}};
    EnumWindows(&program_windows::AddIfVisible, reinterpret_cast<LPARAM>(&query));
    return query.Found;
}
