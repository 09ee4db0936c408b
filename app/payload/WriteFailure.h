// The text for a file that could not be written: the system's reason for a full disk, else access denied.
#pragma once

#include <cstdint>
#include <string>

// True for the system's error codes of a volume that has no room left.
bool IsDiskFull(uint32_t error);

// The system's own sentence for an error code, without its line end; empty when it has none.
std::string SystemErrorText(uint32_t error);

// "File access denied.\r" + path; for a full disk the system's reason ("There is not enough space on
// the disk.") stands in place of "File access denied.".
std::string WriteFailureText(const std::string& path, uint32_t error);
