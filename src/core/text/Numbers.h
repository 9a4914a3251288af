// Reading and writing decimal numbers the same way whatever the desktop's locale.
#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quirn {

// An optional sign, digits with an optional decimal point, an optional exponent, and
// nothing else (no blanks); nullopt for anything else or a value beyond a double.
std::optional<double> parseDecimal(std::string_view text);

// The same with blanks (spaces and tabs) allowed around it.
std::optional<double> parseDecimalWithBlanks(std::string_view text);

// How the exact value of a text that parseDecimalWithBlanks would take, of any length and
// any exponent, compares with a whole number; nullopt when the text is no such number.
std::optional<std::strong_ordering> compareDecimal(std::string_view text, std::int64_t number);

// Texts longer than this are never read as numbers: no number the game writes or a player
// types comes near it.
inline constexpr std::size_t kLongestNumberText = 64;

// A number as the game reads settings, progress and typed answers: parseDecimalWithBlanks
// for a text of at most kLongestNumberText characters.
std::optional<double> readNumber(std::string_view text);

// The value rounded half to even, when the result lies within [lowest, highest].
std::optional<std::int64_t> roundedWithin(double value, double lowest, double highest);

// A number's ordinary text: up to 15 significant digits, no trailing zeros, an
// exponent ("1E+20") only for very large or very small values.
std::string ordinaryNumberText(double value);

} // namespace quirn
