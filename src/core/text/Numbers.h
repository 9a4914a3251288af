// Reading and writing decimal numbers the same way whatever the desktop's locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quirn {

// An optional sign, digits with an optional decimal point, an optional exponent, and
// nothing else (no blanks); nullopt for anything else or a value beyond a double.
std::optional<double> parseDecimal(std::string_view text);

// The same with blanks (spaces and tabs) allowed around it.
std::optional<double> parseDecimalWithBlanks(std::string_view text);

// A number's ordinary text: up to 15 significant digits, no trailing zeros, an
// exponent ("1E+20") only for very large or very small values.
std::string ordinaryNumberText(double value);

} // namespace quirn
