// The batch file that puts a rewritten package in place of the old one once the stub has ended.
#pragma once

#include <string>

namespace Stub {

constexpr const char* kSwapBatchName = "temp.bat";
// How many times the batch tries to replace the old package, about a second apart.
constexpr int kSwapAttempts = 30;
// The variables that hand the batch the two names: the new package and the package it replaces.
constexpr const char* kSwapNewVariable = "QVL_SWAP_NEW";
constexpr const char* kSwapOldVariable = "QVL_SWAP_OLD";

// The lines of the batch for a package named `name` in the batch's own folder; each line ends in CR LF.
// The text holds no name: the command interpreter reads a batch file in another code page than the names
// are in, so it takes them from the variables (SetSwapNames), in the code page they were set in. It moves
// the new package "~" + name over the old one, retried while the old one is still in use, and ends when the
// move reports success and the new package has taken the old one's place; when every attempt fails both
// files stay. A name holding "%" is read through delayed expansion, since some interpreters (Wine's) expand
// the value of a variable a second time; the others are read with it off, so a "!" stays a "!". (Wine's
// interpreter therefore misreads a name holding both; Windows' expands once either way.)
std::string SwapBatchText(const std::string& name, int attempts = kSwapAttempts);

// Sets the two variables for the batch started next from this process; false when the system refused.
bool SetSwapNames(const std::string& name);

}  // namespace Stub
