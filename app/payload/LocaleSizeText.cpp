// Size texts with the user locale's decimal symbol (Windows).
#include "app/payload/LocaleSizeText.h"

#include <windows.h>

char LocaleDecimalSymbol() {
    char symbol[8] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, symbol, sizeof symbol) < 2) return '.';
    return symbol[0];
}

std::string FormatFileSize(int64_t size) { return FormatFileSize(size, LocaleDecimalSymbol()); }

std::string UpdateTotalsText(const std::vector<std::string>& sizeTexts, TTotalsVariant variant) {
    return UpdateTotalsText(sizeTexts, variant, LocaleDecimalSymbol());
}

std::string UpdateTotalsText(size_t fileCount, int64_t totalSize) {
    return UpdateTotalsText(fileCount, totalSize, LocaleDecimalSymbol());
}
