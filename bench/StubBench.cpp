// Times the package stub under Wine, driven through its own windows, and the start of a real package:
// bench_stub.exe <work folder> [MiB, default 256]
// Writes a package of one packed file of that size (plus a small one) beside the stub that this build made,
// prints where the packed bytes lie, then the best of three Save As runs of the big file, of three Delete
// runs of the small one (a new package of the big one), and of three starts of the package up to its
// password prompt. With MiB 0 it writes a small demo package <work folder>\demo.exe (password "demo") and ends.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/payload/PayloadWriter.h"
#include "bench/BenchServices.h"
#include "bench/WinBenchSupport.h"
#include "app/payload/StubSize.h"
#include "stub/Unit1.h"
#include "stub/Unit2.h"
#include "toolkit/forms/Application.h"
#include "toolkit/system/SystemServices.h"

namespace {

constexpr int kRuns = 3;
const std::string kPassword = "bench password";

// The built stub followed by a payload of the files (name, path of its contents).
void WritePackage(const std::string& package, const std::string& password,
                  const std::vector<std::pair<std::string, std::string>>& files) {
    CopyFileA(QVL_BUILT_STUB, package.c_str(), FALSE);
    TWin32FileStream out(package, TFileMode::fmOpenReadWrite);
    out.Seek(out.Size());
    TQC_blowfish cipher(nullptr);
    TPayloadWriter writer(cipher, out);
    std::vector<THeaderEntry> entries;
    for (const auto& [name, path] : files) {
        TWin32FileStream source(path, TFileMode::fmOpenRead);
        entries.push_back({name, std::to_string(source.Size())});
    }
    writer.WriteHead(password, nullptr, entries);
    for (const auto& file : files) {
        TWin32FileStream source(file.second, TFileMode::fmOpenRead);
        writer.WriteContents(source, {});
    }
}

// Answers the password prompt once it is up.
void CALLBACK AnswerPrompt(HWND, UINT, UINT_PTR timer, DWORD) {
    if (Stub::Form2 == nullptr || !Stub::Form2->IsModal()) return;
    KillTimer(nullptr, timer);
    Stub::Form2->Edit1->SetText(kPassword);
    Stub::Form2->Button1->Click();
}

// Shows the stub's windows over the package and opens it.
void OpenStub(TApplication& application, const std::string& package) {
    delete Stub::Form2;
    delete Stub::Form1;
    Stub::Form1 = new Stub::TForm1(&application);
    Stub::Form2 = new Stub::TForm2(&application);
    Stub::Form1->SetPackagePath(package);
    SetTimer(nullptr, 0, 20, &AnswerPrompt);
    Stub::Form1->Show();
}

struct TWindowSearch {
    DWORD process;
    bool found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<TWindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->process && IsWindowVisible(window)) search->found = true;
    return !search->found;
}

bool HasVisibleWindow(DWORD process) {
    TWindowSearch search{process, false};
    EnumWindows(&FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Seconds from starting the package to its first visible window, the password prompt.
double TimeToPrompt(const std::string& package) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string command = "\"" + package + "\"";
    const double start = Now();
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    double seconds = -1;
    while (Now() - start < 30) {
        if (HasVisibleWindow(process.dwProcessId)) {
            seconds = Now() - start;
            break;
        }
        Sleep(1);
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return seconds;
}

// The small demo package demo.exe, password "demo".
void WriteDemoPackage(const std::string& work, const std::string& small) {
    const std::string photo = work + "\\holiday photo.jpg";
    WriteRandomFile(photo, 1 << 20, 3);
    WritePackage(work + "\\demo.exe", "demo",
                 {{"notes & plans.txt", small}, {"holiday photo.jpg", photo}, {"budget 2026.xls", small}});
}

// Seconds of one click of the stub's button.
double TimedClick(TSpeedButton& button) {
    const double start = Now();
    button.Click();
    return Now() - start;
}

// The best of kRuns Save As runs of big.bin (to saveAs) and Delete runs of small.txt, through the stub's windows.
void TimeSaveAndDelete(TApplication& application, const std::string& work, const std::string& package, double mib,
                       const std::string& saveAs) {
    double save = 1e30;
    double remove = 1e30;
    for (int run = 1; run <= kRuns; ++run) {
        OpenStub(application, package);
        Stub::Form1->ListView1->SetSelected(0, true);
        DeleteFileA(saveAs.c_str());
        const double saveRun = TimedClick(*Stub::Form1->SpeedButton2);
        std::printf("save as run %d: %.1f MiB in %.3f s: %.1f MiB/s\n", run, mib, saveRun, mib / saveRun);
        save = std::min(save, saveRun);

        Stub::Form1->ListView1->SetSelected(0, false);
        Stub::Form1->ListView1->SetSelected(1, true);
        const double removeRun = TimedClick(*Stub::Form1->SpeedButton3);
        std::printf("delete run %d: %.1f MiB package in %.3f s: %.1f MiB/s\n", run, mib, removeRun, mib / removeRun);
        remove = std::min(remove, removeRun);
        DeleteFileA((work + "\\~bench.exe").c_str());
        DeleteFileA((work + "\\temp.bat").c_str());
        std::fflush(stdout);
    }
    std::printf("save as %.1f MiB in %.3f s: %.1f MiB/s\n", mib, save, mib / save);
    std::printf("delete %.1f MiB package in %.3f s: %.1f MiB/s\n", mib, remove, mib / remove);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_stub <work folder> [MiB]\n");
        return 2;
    }
    const std::string work = argv[1];
    const int64_t size = (argc > 2 ? std::atoll(argv[2]) : 256) << 20;
    CreateDirectoryA(work.c_str(), nullptr);
    const std::string small = work + "\\small.txt";
    WriteRandomFile(small, 1000, 2);
    if (size == 0) {
        WriteDemoPackage(work, small);
        return 0;
    }
    const std::string big = work + "\\big.bin";
    WriteRandomFile(big, size, 1);
    const std::string package = work + "\\bench.exe";
    WritePackage(package, kPassword, {{"big.bin", big}, {"small.txt", small}});
    const int64_t header = std::string("big.bin?" + std::to_string(size) + "?small.txt?1000?").size();
    std::printf("packed bytes of big.bin: offset %lld, %lld bytes\n",
                static_cast<long long>(Stub::StubSize + 42 + header), static_cast<long long>(size));

    TBenchServices services;
    services.questionAnswer = IDYES;
    services.saveAs = work + "\\saved.bin";
    services.shellResult = 42;
    TScopedSystemServices scope(services);
    TApplication application;
    application.Initialize();
    TimeSaveAndDelete(application, work, package, static_cast<double>(size) / (1 << 20), *services.saveAs);
    double prompt = 1e30;
    for (int run = 1; run <= kRuns; ++run) prompt = std::min(prompt, TimeToPrompt(package));
    std::printf("start to password prompt: %.3f s\n", prompt);
    std::fflush(stdout);
    delete Stub::Form2;
    delete Stub::Form1;
    return 0;
}
