// Texts for a file that could not be opened or written: access denied, or the system's reason for a full disk.
#pragma once

#include <cstdint>
#include <string>

// "File access denied." and a carriage return before the path.
std::string AccessDeniedText(const std::string& path);

// True for the system's error codes of a volume that has no room left.
bool IsDiskFull(uint32_t error);

// The system's own sentence for an error code, without its line end; empty when it has none.
std::string SystemErrorText(uint32_t error);

// "File access denied.\r" + path; for a full disk the system's reason ("There is not enough space on
// the disk.") stands in place of "File access denied.".
std::string WriteFailureText(const std::string& path, uint32_t error);
