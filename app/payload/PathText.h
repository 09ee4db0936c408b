// Path texts shared by both programs: joining, file and folder parts.
#pragma once

#include <cstddef>
#include <string>

// The folder with "\" appended when it does not end with one, followed by the name.
std::string JoinPath(const std::string& folder, const std::string& name);

// The file name after the last "\" or ":" (or the whole text).
std::string BareFileName(const std::string& path);

// The folder that holds path: the part up to the last backslash or colon, without a final backslash
// unless a colon or another backslash stands before it (so a drive root keeps it: "C:\").
std::string ParentFolder(const std::string& path);

// The text less its last count characters; empty when it is not longer than that.
std::string DropLast(const std::string& text, size_t count);
