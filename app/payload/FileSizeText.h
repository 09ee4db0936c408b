// Size texts of the status bar: one byte count in KB, MB or GB, and the totals line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// "%.2f GB", "%.2f MB" or "%.2f KB" in units of 1024 with the given decimal symbol, or the byte
// count and " byte(s)" below 1024. Two decimals, halves rounded away from zero after the exact
// quotient is rounded to 18 significant digits.
std::string FormatFileSize(int64_t size, char decimalSymbol);

// How a size text that does not convert counts in the totals.
enum class TTotalsVariant {
    tvMainProgram,  // its rows always hold digits: anything else raises Exception
    tvStub          // the row counts as a file but adds no size
};

// "Total files: %d     Total size: %s" for rows with these size texts (blanks and control
// characters around them are ignored).
std::string UpdateTotalsText(const std::vector<std::string>& sizeTexts, TTotalsVariant variant, char decimalSymbol);
// The same line for a file count and the sum of their sizes already known (a running total).
std::string UpdateTotalsText(size_t fileCount, int64_t totalSize, char decimalSymbol);
