#include "core/text/LetterCase.h"

#include <algorithm>

namespace quirn {
namespace {

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool sameLetter(char a, char b) {
    return lower(a) == lower(b);
}

} // namespace

std::string lowerCase(std::string_view text) {
    std::string out(text);
    std::ranges::transform(out, out.begin(), lower);
    return out;
}

std::string upperCase(std::string_view text) {
    std::string out(text);
    std::ranges::transform(out, out.begin(), upper);
    return out;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, sameLetter);
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           equalsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

bool endsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           equalsIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

bool lessIgnoringCase(std::string_view a, std::string_view b) {
    const auto byLetter = [](char x, char y) {
        return static_cast<unsigned char>(lower(x)) < static_cast<unsigned char>(lower(y));
    };
    if (std::ranges::lexicographical_compare(a, b, byLetter)) return true;
    return equalsIgnoringCase(a, b) && a < b;
}

} // namespace quirn
