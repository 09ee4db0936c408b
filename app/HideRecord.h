// The record of a hide under way: the carrier's own length, kept beside it until the package is whole.
#pragma once

#include <cstdint>
#include <string>

// The record's name: the carrier's name and ".qvlhide".
std::string HideRecordPath(const std::string& carrier);

// Creates the record (never over an existing file) holding the length in 10 digits, on the disk. False when
// it cannot be created or written; nothing is left then.
bool WriteHideRecord(const std::string& carrier, int64_t length);

// The length a record beside the carrier holds; false when there is none or it does not read as one.
bool ReadHideRecord(const std::string& carrier, int64_t& length);

void DropHideRecord(const std::string& carrier);
