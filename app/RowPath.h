// How a file path becomes the name and folder of a file list row.
#pragma once

#include <string>

// The part after the last backslash or colon.
std::string RowFileName(const std::string& path);
// The part up to the last backslash or colon, without a final backslash unless a colon or another
// backslash stands before it (so a drive root keeps it: "C:\").
std::string RowFolder(const std::string& path);
