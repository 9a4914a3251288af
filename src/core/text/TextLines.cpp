#include "core/text/TextLines.h"

namespace quirn {

std::vector<std::string> splitLines(std::string_view bytes, std::size_t maxLines) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size() && lines.size() < maxLines) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(bytes.substr(start));
            break;
        }
        lines.emplace_back(bytes.substr(start, end - start));
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
    }
    return lines;
}

std::string joinLinesCrlf(const std::vector<std::string>& lines, std::size_t maxBytes) {
    std::string out;
    for (const std::string& line : lines) {
        if (line.size() + 2 > maxBytes - out.size()) break;
        out += line;
        out += "\r\n";
    }
    return out;
}

} // namespace quirn
