// Times adding a folder of small files to the main window's list, for several folder sizes, so that the
// growth shows: bench_folder_add.exe <work folder> [file counts, default 5000 10000 20000]
// Each folder holds its files in subfolders of 1000; the list is emptied between sizes. Best of three.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "bench/WinBenchSupport.h"
#include "toolkit/system/Application.h"
#include "toolkit/system/SystemServices.h"

namespace {

constexpr int kRuns = 3;
constexpr int kFilesPerFolder = 1000;

class TQuietServices : public TSystemServices {
public:
    int ShowMessageBox(HWND, const std::string& text, const char*, UINT) override {
        std::printf("  message: %s\n", text.substr(0, text.find('\r')).c_str());
        return IDOK;
    }
    bool ShowSaveDialog(HWND, TSaveFileRequest&) override { return false; }
    std::optional<std::string> BrowseForFolder(HWND, const std::string&) override { return std::nullopt; }
    INT_PTR ShellExecuteFile(HWND, const std::string&, const std::string&, const std::string&, const std::string&,
                             int) override {
        return 0;
    }
    TRegistryLocation SettingsKey(const std::string& path) override {
        return {HKEY_CURRENT_USER, "Software\\QvlBench\\" + path};
    }
};

// A folder of count files of 16 bytes, in subfolders of kFilesPerFolder.
std::string MakeFolder(const std::string& work, int count) {
    const std::string root = work + "\\files" + std::to_string(count);
    CreateDirectoryA(root.c_str(), nullptr);
    const std::string bytes(16, 'x');
    for (int i = 0; i < count; ++i) {
        const std::string folder = root + "\\d" + std::to_string(i / kFilesPerFolder);
        if (i % kFilesPerFolder == 0) CreateDirectoryA(folder.c_str(), nullptr);
        TWin32FileStream file(folder + "\\file" + std::to_string(i), TFileMode::fmCreate);
        file.Write(bytes.data(), static_cast<int32_t>(bytes.size()));
    }
    return root;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_folder_add <work folder> [file counts]\n");
        return 2;
    }
    const std::string work = argv[1];
    std::vector<int> counts;
    for (int i = 2; i < argc; ++i) counts.push_back(std::atoi(argv[i]));
    if (counts.empty()) counts = {5000, 10000, 20000};
    CreateDirectoryA(work.c_str(), nullptr);

    TQuietServices services;
    TScopedSystemServices scope(services);
    TApplication application;
    application.Initialize();
    application.CreateForm(Form1);
    Form1->SetStartFile("");
    Form1->Show();
    application.ProcessMessages();

    for (int count : counts) {
        const std::string folder = MakeFolder(work, count);
        double best = 1e30;
        for (int run = 1; run <= kRuns; ++run) {
            Form1->ListView1->Clear();
            const double start = Now();
            Form1->AddPath(folder);
            application.ProcessMessages();  // the list and the totals painted
            const double seconds = Now() - start;
            best = std::min(best, seconds);
            if (run == 1) std::printf("  first run: %.3f s\n", seconds);
            if (Form1->ListView1->Count() != count) std::printf("  wrong row count %d\n", Form1->ListView1->Count());
        }
        std::printf("add folder of %5d files: %.3f s (%.1f us per file)\n", count, best, best * 1e6 / count);
        std::fflush(stdout);
    }
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\QvlBench");
    return 0;
}
