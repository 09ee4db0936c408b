// The payload header: "name?size?" per file, and the checks a reader applies to its entries.
#pragma once

#include <string>
#include <vector>

struct THeaderEntry {
    std::string name;      // bare file name
    std::string sizeText;  // byte count as decimal text
};

// name + "?" + size text + "?" for each entry, in order, nothing between or after.
std::string BuildHeader(const std::vector<THeaderEntry>& entries);

// Splits a header into its entries. Parsing ends at a remainder of one character or less, or at a
// remainder that lacks the "?" closing a name or a size; such an unfinished entry is left out.
std::vector<THeaderEntry> ParseHeader(const std::string& header);

// False for a name that could reach outside the folder it is written into or that no file of the
// platform can bear: empty, holding "\", "/", ":" or a control character, or ending in "." or " "
// (which covers "." and ".."), or naming a device such as "NUL", "COM1.txt", "LPT0" or "COM\xB9" (superscript one).
bool IsSafeEntryName(const std::string& name);
