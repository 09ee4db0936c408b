// Decimal text of the container formats: 10-character zero-padded fields and strict conversions.
#pragma once

#include <cstdint>
#include <string>

// The decimal digits of value with "0" added at the front until the text has 10 characters
// (longer values keep all their digits). value must not be negative.
std::string PadDecimal10(int64_t value);

// Converts text made only of decimal digits (at least one, no sign, no blanks) that fits a signed
// 64-bit integer. False for anything else.
bool TryParseDigits(const std::string& text, int64_t& value);

// Converts an optional "+" or "-" followed by decimal digits, fitting a signed 64-bit integer.
bool TryParseInt64(const std::string& text, int64_t& value);

// The text without leading and trailing blanks and control characters.
std::string TrimBlanks(const std::string& text);
