// Size texts of the status bar: one byte count in KB, MB or GB, and the totals line.
#include "app/payload/FileSizeText.h"

#include <limits>

#include "app/payload/DecimalText.h"
#include "toolkit/core/Exception.h"

namespace {

// Keeps the first `keep` digits of digits, rounding the dropped part half up; a carry out of the
// leading digit lengthens the integer part.
void RoundDigits(std::string& digits, size_t& integerDigits, size_t keep) {
    if (digits.size() <= keep) return;
    const bool up = digits[keep] >= '5';
    digits.resize(keep);
    if (!up) return;
    size_t i = keep;
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
        digits.insert(digits.begin(), '1');
        ++integerDigits;
    } else {
        ++digits[i - 1];
    }
}

// size / 2^shift with two decimals; size >= 2^shift.
std::string FormatUnits(int64_t size, unsigned shift, char decimalSymbol) {
    const uint64_t mask = (uint64_t{1} << shift) - 1;
    std::string digits = std::to_string(static_cast<uint64_t>(size) >> shift);
    size_t integerDigits = digits.size();
    // A fraction of 2^shift has exactly `shift` decimal digits: produce all of them.
    uint64_t fraction = static_cast<uint64_t>(size) & mask;
    for (unsigned i = 0; i < shift; ++i) {
        fraction *= 10;
        digits += static_cast<char>('0' + (fraction >> shift));
        fraction &= mask;
    }
    RoundDigits(digits, integerDigits, 18);
    RoundDigits(digits, integerDigits, integerDigits + 2);
    digits.resize(integerDigits + 2, '0');
    return digits.substr(0, integerDigits) + decimalSymbol + digits.substr(integerDigits);
}

}  // namespace

std::string FormatFileSize(int64_t size, char decimalSymbol) {
    if (size >= (int64_t{1} << 30)) return FormatUnits(size, 30, decimalSymbol) + " GB";
    if (size >= (int64_t{1} << 20)) return FormatUnits(size, 20, decimalSymbol) + " MB";
    if (size >= (int64_t{1} << 10)) return FormatUnits(size, 10, decimalSymbol) + " KB";
    return std::to_string(size) + " byte(s)";
}

std::string UpdateTotalsText(const std::vector<std::string>& sizeTexts, TTotalsVariant variant,
                             char decimalSymbol) {
    int64_t sum = 0;
    for (const std::string& text : sizeTexts) {
        int64_t size = 0;
        const bool converts = TryParseInt64(TrimBlanks(text), size);
        const bool fits = converts && (size >= 0 ? sum <= std::numeric_limits<int64_t>::max() - size
                                                 : sum >= std::numeric_limits<int64_t>::min() - size);
        if (fits) {
            sum += size;
        } else if (variant == TTotalsVariant::tvMainProgram) {
            throw Exception("'" + text + "' is not a valid integer value");
        }
    }
    return UpdateTotalsText(sizeTexts.size(), sum, decimalSymbol);
}

std::string UpdateTotalsText(size_t fileCount, int64_t totalSize, char decimalSymbol) {
    return "Total files: " + std::to_string(fileCount) + "     Total size: " + FormatFileSize(totalSize, decimalSymbol);
}
