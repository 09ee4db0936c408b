// Times the Encrypt and Decrypt dialogs over one set of files, driven through their own controls:
// bench_dialogs.exe <work folder> [MiB, default 256] [files, default 4]
// Writes the sources into <work folder>\src, the container beside it, the decrypted files into
// <work folder>\out, and prints one line per run with the program's working set, and the best of three
// runs. Questions are answered No, notices OK.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/MainWindowFiles.h"
#include "app/Unit2.h"
#include "app/Unit5.h"
#include "bench/BenchServices.h"
#include "bench/WinBenchSupport.h"
#include "toolkit/forms/Application.h"

namespace {

const std::string kPassword = "bench password";
constexpr int kRuns = 3;

class TBenchFiles : public TMainWindowFiles {
public:
    int FileRowCount() override { return static_cast<int>(rows.size()); }
    TFileListRow FileRow(int index) override { return rows.at(static_cast<size_t>(index)); }
    void EraseFile(const std::string&) override {}
    std::vector<TFileListRow> rows;
};

// The click that starts a run, made from inside the dialog's modal loop.
std::function<void()> g_start;
void CALLBACK StartOnce(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (g_start) std::exchange(g_start, nullptr)();
}

// The working set now and at its peak so far, in MiB.
void PrintWorkingSet(const char* when) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return;
    std::printf("  working set %s: %.1f MiB, peak %.1f MiB\n", when,
                static_cast<double>(counters.WorkingSetSize) / (1 << 20),
                static_cast<double>(counters.PeakWorkingSetSize) / (1 << 20));
}

double TimedRun(TForm& form, std::function<void()> fillAndClick) {
    double seconds = 0;
    g_start = [&] {
        const double start = Now();
        fillAndClick();
        seconds = Now() - start;
    };
    SetTimer(nullptr, 0, 50, &StartOnce);
    form.ShowModal();
    return seconds;
}

// The sources: total bytes over `files` files of random bytes in folder, listed as the main window lists them.
void WriteSources(const std::string& folder, int64_t total, int files, TBenchFiles& list) {
    for (int i = 0; i < files; ++i) {
        const int64_t size = total / files + (i == 0 ? total % files : 0);
        const std::string name = "part" + std::to_string(i) + ".bin";
        WriteRandomFile(folder + "\\" + name, size, static_cast<uint32_t>(i + 1));
        list.rows.push_back({name, std::to_string(size), folder});
    }
}

void PrintStart(const char* what) {
    std::printf("%s start\n", what);
    std::fflush(stdout);
}

void PrintRun(const char* what, int run, double mib, double seconds) {
    std::printf("%s run %d: %.1f MiB in %.3f s: %.1f MiB/s\n", what, run, mib, seconds, mib / seconds);
}

// A standard container of the listed files, written anew.
double TimedEncrypt(const std::string& container) {
    DeleteFileA(container.c_str());
    PrintStart("encrypt");
    return TimedRun(*Form2, [&] {
        Form2->ComboBox1->SetItemIndex(emStandard);
        Form2->Edit1->SetText(kPassword);
        Form2->Edit2->SetText(kPassword);
        Form2->Edit3->SetText(container);
        Form2->Button1->Click();
    });
}

// The container's files into output, written anew.
double TimedDecrypt(const std::string& container, const std::string& output, const TBenchFiles& list) {
    for (const TFileListRow& row : list.rows) DeleteFileA((output + "\\" + row.Caption).c_str());
    PrintStart("decrypt");
    return TimedRun(*Form5, [&] {
        Form5->Edit1->SetText(container);
        Form5->Edit2->SetText(output);
        Form5->Edit3->SetText(kPassword);
        Form5->Button2->Click();
    });
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_dialogs <work folder> [MiB] [files]\n");
        return 2;
    }
    const std::string work = argv[1];
    const int64_t total = (argc > 2 ? std::atoll(argv[2]) : 256) << 20;
    const int files = argc > 3 ? std::atoi(argv[3]) : 4;
    const std::string sources = work + "\\src";
    const std::string output = work + "\\out";
    CreateDirectoryA(work.c_str(), nullptr);
    CreateDirectoryA(sources.c_str(), nullptr);

    TBenchServices services;
    TScopedSystemServices scope(services);
    TBenchFiles list;
    MainWindowFiles = &list;
    TApplication application;
    application.Initialize();
    application.CreateForm(Form2);
    application.CreateForm(Form5);

    WriteSources(sources, total, files, list);
    PrintWorkingSet("before the runs");
    const std::string container = work + "\\bench.qvl";
    const double mib = static_cast<double>(total) / (1 << 20);

    // Best of kRuns, as the OpenSSL figures beside them; each run writes new files.
    double encrypt = 1e30;
    double decrypt = 1e30;
    for (int run = 1; run <= kRuns; ++run) {
        const double encryptRun = TimedEncrypt(container);
        PrintRun("encrypt", run, mib, encryptRun);
        encrypt = std::min(encrypt, encryptRun);
        PrintWorkingSet("after encrypting");

        const double decryptRun = TimedDecrypt(container, output, list);
        PrintRun("decrypt", run, mib, decryptRun);
        decrypt = std::min(decrypt, decryptRun);
        PrintWorkingSet("after decrypting");
        std::fflush(stdout);
    }
    std::printf("encrypt %.1f MiB in %.3f s: %.1f MiB/s\n", mib, encrypt, mib / encrypt);
    std::printf("decrypt %.1f MiB in %.3f s: %.1f MiB/s\n", mib, decrypt, mib / decrypt);
    std::fflush(stdout);
    return 0;
}
