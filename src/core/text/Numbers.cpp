#include "core/text/Numbers.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace quirn {
namespace {

// The pieces of a decimal text: sign, digits before and after the point, exponent.
struct DecimalParts {
    bool negative = false;
    std::string_view wholeDigits;
    std::string_view fractionDigits;
    bool negativeExponent = false;
    std::string_view exponentDigits;
};

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

std::string_view takeDigits(std::string_view text, std::size_t& p) {
    const std::size_t start = p;
    while (p < text.size() && isDigit(text[p])) ++p;
    return text.substr(start, p - start);
}

std::optional<DecimalParts> scanDecimal(std::string_view text) {
    DecimalParts parts;
    std::size_t p = 0;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) parts.negative = text[p++] == '-';
    parts.wholeDigits = takeDigits(text, p);
    if (p < text.size() && text[p] == '.') parts.fractionDigits = takeDigits(text, ++p);
    if (parts.wholeDigits.empty() && parts.fractionDigits.empty()) return std::nullopt;
    if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
        ++p;
        if (p < text.size() && (text[p] == '+' || text[p] == '-'))
            parts.negativeExponent = text[p++] == '-';
        parts.exponentDigits = takeDigits(text, p);
        if (parts.exponentDigits.empty()) return std::nullopt;
    }
    if (p != text.size()) return std::nullopt;
    return parts;
}

std::string_view withoutBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// A magnitude as 0.digits x 10^exponent: digits without leading or trailing zeros, none
// for zero.
struct Magnitude {
    std::string digits;
    std::int64_t exponent = 0;
};

// Exponents beyond this compare the same as this: no text can hold that many digits.
constexpr std::int64_t kExponentLimit = std::int64_t{1} << 60;

Magnitude magnitudeOf(const DecimalParts& parts) {
    std::string digits = std::string(parts.wholeDigits) + std::string(parts.fractionDigits);
    const std::size_t leading = std::min(digits.find_first_not_of('0'), digits.size());
    digits.erase(0, leading);
    digits.erase(digits.find_last_not_of('0') + 1);
    std::int64_t exponent = 0;
    for (char c : parts.exponentDigits)
        exponent = exponent >= kExponentLimit / 10 ? kExponentLimit : exponent * 10 + (c - '0');
    if (parts.negativeExponent) exponent = -exponent;
    return {digits, exponent + static_cast<std::int64_t>(parts.wholeDigits.size()) -
                        static_cast<std::int64_t>(leading)};
}

std::strong_ordering compareMagnitudes(const Magnitude& a, const Magnitude& b) {
    if (a.digits.empty() || b.digits.empty()) return !a.digits.empty() <=> !b.digits.empty();
    if (a.exponent != b.exponent) return a.exponent <=> b.exponent;
    return a.digits.compare(b.digits) <=> 0;
}

} // namespace

std::optional<double> parseDecimal(std::string_view text) {
    const std::optional<DecimalParts> parts = scanDecimal(text);
    if (!parts) return std::nullopt;
    // from_chars takes neither a plus sign nor a locale.
    const std::size_t mantissa = text[0] == '+' || text[0] == '-' ? 1 : 0;
    double value = 0;
    const auto [end, ec] =
        std::from_chars(text.data() + mantissa, text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return parts->negative ? -value : value;
}

std::optional<double> parseDecimalWithBlanks(std::string_view text) {
    return parseDecimal(withoutBlanks(text));
}

std::optional<std::strong_ordering> compareDecimal(std::string_view text, std::int64_t number) {
    const std::optional<DecimalParts> parts = scanDecimal(withoutBlanks(text));
    if (!parts) return std::nullopt;
    const Magnitude magnitude = magnitudeOf(*parts);
    const bool negative = parts->negative && !magnitude.digits.empty();
    const std::uint64_t size =
        number < 0 ? 0 - static_cast<std::uint64_t>(number) : static_cast<std::uint64_t>(number);
    const std::string numberDigits = std::to_string(size);
    const Magnitude numberMagnitude = magnitudeOf({false, numberDigits, {}, false, {}});
    if (negative != (number < 0))
        return negative ? std::strong_ordering::less : std::strong_ordering::greater;
    const std::strong_ordering order = compareMagnitudes(magnitude, numberMagnitude);
    return negative ? 0 <=> order : order;
}

std::optional<double> readNumber(std::string_view text) {
    if (text.size() > kLongestNumberText) return std::nullopt;
    return parseDecimalWithBlanks(text);
}

std::optional<std::int64_t> roundedWithin(double value, double lowest, double highest) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= lowest && rounded <= highest)) return std::nullopt;
    return static_cast<std::int64_t>(rounded);
}

std::string ordinaryNumberText(double value) {
    if (value == 0) return "0";
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    for (char& c : text)
        if (c == 'e') c = 'E';
    return text;
}

} // namespace quirn
