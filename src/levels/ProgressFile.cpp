#include "levels/ProgressFile.h"

#include <cctype>

namespace quirn {

std::optional<std::int16_t> parseProgress(std::string_view bytes) {
    std::size_t p = 0;
    while (p < bytes.size() && std::isspace(static_cast<unsigned char>(bytes[p]))) ++p;
    bool negative = false;
    if (p < bytes.size() && (bytes[p] == '-' || bytes[p] == '+')) negative = bytes[p++] == '-';
    long value = 0;
    std::size_t digits = 0;
    while (p < bytes.size() && std::isdigit(static_cast<unsigned char>(bytes[p]))) {
        value = value * 10 + (bytes[p++] - '0');
        if (value > 32768) return std::nullopt;
        ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (negative) value = -value;
    if (value < -32768 || value > 32767) return std::nullopt;
    return static_cast<std::int16_t>(value);
}

std::string formatProgress(int number) {
    return (number < 0 ? "" : " ") + std::to_string(number) + " \r\n";
}

std::string seriesFileName(int number) {
    return "game" + std::to_string(number) + ".puz";
}

std::set<int> seriesNumbers(const std::vector<std::string>& fileNames) {
    std::set<int> numbers;
    for (const std::string& name : fileNames) {
        if (name.size() < 9) continue;
        std::string lower;
        for (char c : name) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (lower.compare(0, 4, "game") != 0 || lower.compare(lower.size() - 4, 4, ".puz") != 0)
            continue;
        const std::string middle = lower.substr(4, lower.size() - 8);
        const bool negative = !middle.empty() && middle[0] == '-';
        const std::string digits = negative ? middle.substr(1) : middle;
        if (digits.empty() || digits.size() > 5) continue;
        if (digits.find_first_not_of("0123456789") != std::string::npos) continue;
        if (digits.size() > 1 && digits[0] == '0') continue;
        if (negative && digits == "0") continue;
        numbers.insert(negative ? -std::stoi(digits) : std::stoi(digits));
    }
    return numbers;
}

} // namespace quirn
