// Size texts with the user locale's decimal symbol (Windows).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/payload/FileSizeText.h"

// The user locale's decimal symbol, "." when it cannot be read.
char LocaleDecimalSymbol();

std::string FormatFileSize(int64_t size);
std::string UpdateTotalsText(const std::vector<std::string>& sizeTexts, TTotalsVariant variant);
std::string UpdateTotalsText(size_t fileCount, int64_t totalSize);
