// The user's temp folder (Windows).
#pragma once

#include <string>

// The temp folder with one trailing backslash; empty when the system cannot tell it in full or it names no
// existing folder.
std::string GetTempDir();
