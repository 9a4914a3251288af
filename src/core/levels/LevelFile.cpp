#include "core/levels/LevelFile.h"

#include "core/text/TextLines.h"

#include <charconv>

namespace quirn {

LevelLines readLevelLines(std::string_view bytes) {
    LevelLines result;
    std::vector<std::string> lines = splitLines(bytes, 4);
    for (std::size_t i = 0; i < lines.size(); ++i) result.lines[i] = std::move(lines[i]);
    return result;
}

std::string formatLevelFile(const std::string& solution, const std::string& clues,
                            const std::string& extra, const std::string& message) {
    return joinLinesCrlf({solution, clues, extra, message});
}

std::array<std::string, kSquareCount> parseClues(std::string_view clueText) {
    std::array<std::string, kSquareCount> clues;
    for (int i = 0; i < kSquareCount; ++i) {
        std::string key(1, ',');
        key += std::to_string(i);
        key += '-';
        const std::size_t at = clueText.find(key);
        if (at == std::string_view::npos) continue;
        const std::string_view five = clueText.substr(at, 5);
        clues[i] = five.back() == ',' ? std::string(1, five[3]) : std::string(1, five.back());
    }
    return clues;
}

std::string formatClueText(const std::array<std::string, kSquareCount>& clues) {
    std::string text = ",";
    for (int i = 0; i < kSquareCount; ++i) {
        if (clues[i].empty()) continue;
        text += std::to_string(i) + "-" + clues[i] + ",";
    }
    return text;
}

std::string formatSegmentList(const std::vector<int>& ascendingSegments) {
    std::string text;
    for (int segment : ascendingSegments) text += std::to_string(segment) + ",";
    return text;
}

std::vector<std::string> splitSegmentItems(std::string_view text) {
    std::vector<std::string> items;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        if (comma == std::string_view::npos) {
            items.emplace_back(text);
            break;
        }
        items.emplace_back(text.substr(0, comma));
        text.remove_prefix(comma + 1);
    }
    return items;
}

std::optional<int> segmentIndexOf(std::string_view item) {
    while (!item.empty() && item.front() == ' ') item.remove_prefix(1);
    while (!item.empty() && item.back() == ' ') item.remove_suffix(1);
    int value = -1;
    const auto [end, ec] = std::from_chars(item.data(), item.data() + item.size(), value);
    if (ec != std::errc() || end != item.data() + item.size()) return std::nullopt;
    if (value < 0 || value >= kSegmentCount) return std::nullopt;
    return value;
}

int countSolutionSegments(std::string_view solutionText) {
    if (solutionText.empty()) return 0;
    long count = 1;
    for (std::size_t p = 0; p + 1 < solutionText.size(); ++p)
        if (solutionText[p] == ',') ++count;
    return count > 32767 ? 32767 : static_cast<int>(count);
}

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string at(std::size_t pos) {
    return " (at column " + std::to_string(pos + 1) + ")";
}

// Reads a decimal at pos without leading zeros; -1 when malformed.
int readNumber(std::string_view s, std::size_t& pos, std::string& why) {
    const std::size_t start = pos;
    while (pos < s.size() && isDigit(s[pos])) ++pos;
    if (pos == start) {
        why = pos < s.size() ? std::string("unexpected '") + s[pos] + "'" : "missing number";
        return -1;
    }
    if (pos - start > 1 && s[start] == '0') {
        why = "leading zero";
        return -1;
    }
    if (pos - start > 4) {
        why = "number too long";
        return -1;
    }
    return std::stoi(std::string(s.substr(start, pos - start)));
}

} // namespace

std::string solutionLineProblem(std::string_view line, std::vector<int>* segments) {
    std::size_t pos = 0;
    int previous = -1;
    while (pos < line.size()) {
        const std::size_t start = pos;
        std::string why;
        const int value = readNumber(line, pos, why);
        if (value < 0) return "line 1 not canonical: " + why + at(start);
        if (value >= kSegmentCount)
            return "line 1 not canonical: segment " + std::to_string(value) + " is not 0..186" +
                   at(start);
        if (value <= previous)
            return "line 1 not canonical: " + std::to_string(value) + " not ascending" + at(start);
        if (pos >= line.size() || line[pos] != ',')
            return "line 1 not canonical: " + std::to_string(value) + " not followed by ','" +
                   at(pos);
        ++pos;
        previous = value;
        if (segments) segments->push_back(value);
    }
    return {};
}

std::string clueLineProblem(std::string_view line) {
    if (line.empty() || line[0] != ',') return "line 2 not canonical: no leading ','";
    std::size_t pos = 1;
    int previous = -1;
    while (pos < line.size()) {
        const std::size_t start = pos;
        std::string why;
        const int square = readNumber(line, pos, why);
        if (square < 0) return "line 2 not canonical: " + why + at(start);
        if (square >= kSquareCount)
            return "line 2 not canonical: square " + std::to_string(square) + " is not 0..83" +
                   at(start);
        if (square <= previous)
            return "line 2 not canonical: square " + std::to_string(square) + " not ascending" +
                   at(start);
        if (pos >= line.size() || line[pos] != '-')
            return "line 2 not canonical: square " + std::to_string(square) +
                   " not followed by '-'" + at(pos);
        ++pos;
        if (pos >= line.size() || line[pos] < '0' || line[pos] > '3')
            return "line 2 not canonical: clue of square " + std::to_string(square) +
                   " is not one digit 0..3" + at(pos);
        ++pos;
        if (pos >= line.size() || line[pos] != ',')
            return "line 2 not canonical: clue of square " + std::to_string(square) +
                   " not followed by ','" + at(pos);
        ++pos;
        previous = square;
    }
    return {};
}

} // namespace quirn
