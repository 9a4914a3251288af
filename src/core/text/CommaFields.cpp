#include "core/text/CommaFields.h"

#include "core/text/Numbers.h"

namespace quirn {
namespace {

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Past one line end: CR LF, a lone CR or a lone LF.
std::size_t skipLineEnd(std::string_view text, std::size_t p) {
    if (p < text.size() && text[p] == '\r') {
        ++p;
        if (p < text.size() && text[p] == '\n') ++p;
    } else if (p < text.size() && text[p] == '\n') {
        ++p;
    }
    return p;
}

std::string numberText(const std::string& field) {
    std::string_view trimmed = field;
    while (!trimmed.empty() && trimmed.back() == ' ') trimmed.remove_suffix(1);
    const std::optional<double> value = readNumber(trimmed);
    return value ? ordinaryNumberText(*value) : field;
}

} // namespace

std::vector<std::string> readCommaFields(std::string_view text, bool convertNumbers) {
    std::vector<std::string> fields;
    std::size_t p = 0;
    while (p < text.size()) {
        while (p < text.size() && text[p] == ' ') ++p;
        std::string field;
        if (p < text.size() && text[p] == '"') {
            const std::size_t close = text.find('"', p + 1);
            const std::size_t end = close == std::string_view::npos ? text.size() : close;
            field = std::string(text.substr(p + 1, end - p - 1));
            p = end == text.size() ? end : end + 1;
            // Whatever follows the closing quote up to the field's end is dropped.
            while (p < text.size() && text[p] != ',' && !isLineEnd(text[p])) ++p;
        } else {
            const std::size_t start = p;
            while (p < text.size() && text[p] != ',' && !isLineEnd(text[p])) ++p;
            field = std::string(text.substr(start, p - start));
            if (convertNumbers) field = numberText(field);
        }
        fields.push_back(std::move(field));
        if (p < text.size() && text[p] == ',') {
            ++p;
            // A comma at the very end of a line still ends a field: an empty one follows.
            if (p == text.size() || isLineEnd(text[p])) {
                fields.emplace_back();
                p = skipLineEnd(text, p);
            }
        } else {
            p = skipLineEnd(text, p);
        }
    }
    return fields;
}

} // namespace quirn
