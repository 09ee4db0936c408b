// Times adding a folder of small files (16 bytes each, 1000 to a subfolder) to the main window's list, for
// several folder sizes so that the growth shows, with the walk alone (no list) beside it; best of five:
// bench_add_folder.exe [file counts, default 5000 10000 20000]
// The folders lie in a scratch folder under the temp folder; the list is emptied before each add.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "bench/BenchServices.h"
#include "bench/WinBenchSupport.h"
#include "tests/support/ScratchFolder.h"
#include "toolkit/forms/Application.h"

namespace {

constexpr int kRuns = 5;
constexpr int kFilesPerFolder = 1000;

// A folder of count files of 16 bytes, in subfolders of kFilesPerFolder; returns its path.
std::string MakeFolder(TScratchFolder& scratch, int count) {
    const std::string root = "files" + std::to_string(count);
    for (int i = 0; i < count; ++i)
        scratch.File(root + "\\d" + std::to_string(i / kFilesPerFolder) + "\\file" + std::to_string(i), 16);
    return scratch / root;
}

// The file system's share of an add: the same walk, each file opened, measured and closed, no list.
double WalkOnly(const std::string& folder, bool measure) {
    const double start = Now();
    WIN32_FIND_DATAA entry{};
    std::vector<std::string> pending{folder};
    while (!pending.empty()) {
        const std::string at = pending.back() + "\\";
        pending.pop_back();
        HANDLE find = FindFirstFileA((at + "*.*").c_str(), &entry);
        if (find == INVALID_HANDLE_VALUE) continue;
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                pending.push_back(at + name);
                continue;
            }
            HANDLE file = CreateFileA((at + name).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            LARGE_INTEGER size{};
            if (measure) GetFileSizeEx(file, &size);
            CloseHandle(file);
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    return Now() - start;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<int> counts;
    for (int i = 1; i < argc; ++i) counts.push_back(std::atoi(argv[i]));
    if (counts.empty()) counts = {5000, 10000, 20000};
    TScratchFolder scratch("qvl_bench_add_");

    TBenchServices services;
    TScopedSystemServices scope(services);
    TApplication application;
    application.Initialize();
    application.CreateForm(Form1);
    Form1->SetStartFile("");
    Form1->Show();
    application.ProcessMessages();

    std::vector<std::string> folders;
    for (int count : counts) folders.push_back(MakeFolder(scratch, count));
    // Runs go round the sizes, so that a burst of load elsewhere on the machine does not fall on one size.
    const size_t sizes = counts.size();
    std::vector<double> add(sizes, 1e30), open(sizes, 1e30), measure(sizes, 1e30);
    for (int run = 1; run <= kRuns; ++run) {
        for (size_t i = 0; i < sizes; ++i) {
            Form1->ListView1->Clear();
            application.ProcessMessages();  // the emptied list painted before the clock starts
            const double start = Now();
            Form1->AddPath(folders[i]);
            application.ProcessMessages();  // the list and the totals painted
            add[i] = std::min(add[i], Now() - start);
            if (Form1->ListView1->Count() != counts[i]) std::printf("  wrong row count %d\n", Form1->ListView1->Count());
            open[i] = std::min(open[i], WalkOnly(folders[i], false));
            measure[i] = std::min(measure[i], WalkOnly(folders[i], true));
        }
    }
    for (size_t i = 0; i < sizes; ++i) {
        std::printf("add folder of %5d files: %.3f s (%.1f us per file); the walk alone, each file opened and "
                    "closed: %.3f s, and measured: %.3f s\n",
                    counts[i], add[i], add[i] * 1e6 / counts[i], open[i], measure[i]);
    }
    TBenchServices::RemoveSettings();
    return 0;
}
