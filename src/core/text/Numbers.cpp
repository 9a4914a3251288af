#include "core/text/Numbers.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace quirn {

std::optional<double> parseDecimal(std::string_view text) {
    std::size_t p = 0;
    const bool hasSign = p < text.size() && (text[p] == '+' || text[p] == '-');
    if (hasSign) ++p;
    const std::size_t mantissa = p;
    std::size_t digits = 0;
    while (p < text.size() && std::isdigit(static_cast<unsigned char>(text[p]))) ++p, ++digits;
    if (p < text.size() && text[p] == '.') {
        ++p;
        while (p < text.size() && std::isdigit(static_cast<unsigned char>(text[p]))) ++p, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
        std::size_t q = p + 1;
        if (q < text.size() && (text[q] == '+' || text[q] == '-')) ++q;
        const std::size_t exponentStart = q;
        while (q < text.size() && std::isdigit(static_cast<unsigned char>(text[q]))) ++q;
        if (q == exponentStart) return std::nullopt;
        p = q;
    }
    if (p != text.size()) return std::nullopt;
    // from_chars takes neither a plus sign nor a locale.
    double value = 0;
    const char* first = text.data() + mantissa;
    const auto [end, ec] = std::from_chars(first, text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return hasSign && text[0] == '-' ? -value : value;
}

std::optional<double> parseDecimalWithBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return parseDecimal(text);
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
