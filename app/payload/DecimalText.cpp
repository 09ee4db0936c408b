// Decimal text of the container formats: 10-character zero-padded fields and strict conversions.
#include "app/payload/DecimalText.h"

#include <cstdint>
#include <limits>

namespace {

// Accumulates the digits of text[first..] as a magnitude up to limit; false on a non-digit,
// no digits or a magnitude above limit.
bool ParseMagnitude(const std::string& text, size_t first, uint64_t limit, uint64_t& magnitude) {
    if (first >= text.size()) return false;
    magnitude = 0;
    for (size_t i = first; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return false;
        const uint64_t digit = static_cast<uint64_t>(c - '0');
        if (magnitude > (limit - digit) / 10) return false;
        magnitude = magnitude * 10 + digit;
    }
    return true;
}

constexpr uint64_t kMaxPositive = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());

}  // namespace

std::string PadDecimal10(int64_t value) {
    std::string digits = std::to_string(value);
    if (digits.size() < 10) digits.insert(0, 10 - digits.size(), '0');
    return digits;
}

bool TryParseDigits(const std::string& text, int64_t& value) {
    uint64_t magnitude = 0;
    if (!ParseMagnitude(text, 0, kMaxPositive, magnitude)) return false;
    value = static_cast<int64_t>(magnitude);
    return true;
}

bool TryParseInt64(const std::string& text, int64_t& value) {
    const bool negative = !text.empty() && text[0] == '-';
    const size_t first = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    uint64_t magnitude = 0;
    if (!ParseMagnitude(text, first, negative ? kMaxPositive + 1 : kMaxPositive, magnitude)) return false;
    // Two's complement negation in unsigned arithmetic reaches the most negative value too.
    value = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
    return true;
}

std::string TrimBlanks(const std::string& text) {
    auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    size_t first = 0;
    size_t last = text.size();
    while (first < last && isBlank(text[first])) ++first;
    while (last > first && isBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}
