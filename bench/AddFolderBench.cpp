// Times adding a folder of small files to the main window's list (16 bytes each, 1000 to a subfolder):
// bench_add_folder.exe [files, default 20000]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/Unit1.h"
#include "bench/WinBenchSupport.h"
#include "tests/support/ScratchFolder.h"
#include "toolkit/system/Application.h"

int main(int argc, char** argv) {
    const int files = argc > 1 ? std::atoi(argv[1]) : 20000;
    TScratchFolder tree("qvl_bench_add_");
    for (int i = 0; i < files; ++i) tree.File("d" + std::to_string(i / 1000) + "\\file" + std::to_string(i), 16);

    TApplication application;
    application.Initialize();
    application.CreateForm(Form1);
    Form1->Show();
    application.ProcessMessages();
    const double start = Now();
    Form1->AddPath(tree.Root());
    const double seconds = Now() - start;
    const int rows = Form1->ListView1->Count();
    std::printf("adding a folder of %d files: %d rows in %.2f s\n", files, rows, seconds);
    return rows == files ? 0 : 1;
}
