// Path texts of the Encrypt and Decrypt dialogs: joining, proposed destinations, save-dialog extensions.
#pragma once

#include <string>

// The folder with "\" appended when it does not end with one, followed by the name.
std::string JoinPath(const std::string& folder, const std::string& name);

// The container proposed beside a folder and named after it: C:\Data\Photos gives C:\Data\Photos.qvl,
// a drive root C:\ gives C:\C.qvl. extension ".qvl" or ".exe"; an empty extension gives an empty text.
std::string ProposedContainer(const std::string& folder, const std::string& extension);

// The chosen name with the extension appended unless its own extension is exactly that text
// (case-sensitive: "a.QVL" gets ".qvl" appended).
std::string WithExtension(const std::string& chosen, const std::string& extension);

// The text less its last count characters; empty when it is not longer than that.
std::string DropLast(const std::string& text, size_t count);

// The file name after the last "\" or ":" (or the whole text).
std::string BareFileName(const std::string& path);
