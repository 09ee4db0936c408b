// File-system questions and folder creation shared by both programs (Windows).
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/system/WinGuards.h"

bool IsFile(const std::string& path);
bool IsFolder(const std::string& path);
// An existing file or folder marked read-only.
bool IsReadOnly(const std::string& path);

// Opens the name without reading or writing it: sharing modes of other openers do not apply, and folders open
// too. Invalid when nothing can be opened by that name.
TKernelHandle OpenToAsk(const std::string& path);

// A link or junction (a reparse point): its name leads to another file or folder.
bool IsLink(const std::string& path);

// How many names (hard links) the file has; 0 when it cannot be asked.
uint32_t NameCount(const std::string& path);

// The file's size without opening it (a file that another program holds open can be measured).
bool MeasureFile(const std::string& path, int64_t& size);
// The file's size through a read handle that shares nothing: false when the file cannot be opened so
// (another program holds it open, or reading it is denied).
bool MeasureByOpening(const std::string& path, int64_t& size);

// True when both texts name the same file: full paths compared without regard to letter case, short
// (8.3) names taken in their long form.
bool SameFile(const std::string& a, const std::string& b);

// Creates every missing level of a folder path, from the left; stops silently at the first level
// that cannot be created. An empty path does nothing.
void CreateFolderPath(const std::string& path);

// The program's own executable file.
std::string ProgramPath();

// The program's own folder with its trailing "\".
std::string ProgramFolder();
