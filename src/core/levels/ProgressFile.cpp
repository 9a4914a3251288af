#include "core/levels/ProgressFile.h"

#include "core/text/LetterCase.h"
#include "core/text/Numbers.h"

#include <cctype>

namespace quirn {

std::optional<std::int16_t> parseProgress(std::string_view bytes) {
    std::size_t p = 0;
    while (p < bytes.size() && std::isspace(static_cast<unsigned char>(bytes[p]))) ++p;
    // The number runs to the next blank, comma or line end; a fraction is rounded.
    std::size_t end = p;
    while (end < bytes.size() && bytes[end] != ',' &&
           !std::isspace(static_cast<unsigned char>(bytes[end])))
        ++end;
    const std::optional<double> value = readNumber(bytes.substr(p, end - p));
    const std::optional<std::int64_t> number =
        value ? roundedWithin(*value, -32768, 32767) : std::nullopt;
    if (!number) return std::nullopt;
    return static_cast<std::int16_t>(*number);
}

std::string formatProgress(int number) {
    std::string text = number < 0 ? "" : " ";
    text += std::to_string(number);
    text += " \r\n";
    return text;
}

std::set<int> seriesNumbers(const std::vector<std::string>& fileNames) {
    std::set<int> numbers;
    for (const std::string& name : fileNames) {
        if (name.size() < 9 || !startsWithIgnoringCase(name, "game") ||
            !endsWithIgnoringCase(name, ".puz"))
            continue;
        const std::string middle = name.substr(4, name.size() - 8);
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
