// The batch file that puts a rewritten package in place of the old one once the stub has ended.
#pragma once

#include <string>

namespace Stub {

constexpr const char* kSwapBatchName = "temp.bat";
// How many times the batch tries to replace the old package, about a second apart.
constexpr int kSwapAttempts = 30;

// The lines of the batch for a package named `name` in the batch's own folder; each line ends in CR LF.
// The new package "~" + name replaces the old one in one move, retried while the old one is still in
// use; when every attempt fails both files stay. Names are quoted, "%" doubled, so no other file is touched.
std::string SwapBatchText(const std::string& name);

}  // namespace Stub
