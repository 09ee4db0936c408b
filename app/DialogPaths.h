// Path texts of the Encrypt dialog: proposed destinations and save-dialog extensions.
#pragma once

#include <string>

// The container proposed beside a folder and named after it: C:\Data\Photos gives C:\Data\Photos.qvl,
// a drive root C:\ gives C:\C.qvl. extension ".qvl" or ".exe"; an empty extension gives an empty text.
std::string ProposedContainer(const std::string& folder, const std::string& extension);

// The chosen name with the extension appended unless its own extension is exactly that text
// (case-sensitive: "a.QVL" gets ".qvl" appended).
std::string WithExtension(const std::string& chosen, const std::string& extension);
