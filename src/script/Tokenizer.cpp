#include "script/Tokenizer.h"

namespace quirn::script {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

TokenizedLine tokenizeLine(std::string_view line) {
    TokenizedLine result;
    std::size_t p = 0;
    while (p < line.size() && isBlank(line[p])) ++p;
    if (p < line.size() && line[p] == '#') return result;

    while (p < line.size()) {
        if (isBlank(line[p])) {
            ++p;
            continue;
        }
        std::string word;
        if (line[p] != '"') {
            while (p < line.size() && !isBlank(line[p])) {
                if (line[p] == '"') {
                    result.error = "quote inside a word";
                    return result;
                }
                word += line[p++];
            }
            result.words.push_back(std::move(word));
            continue;
        }
        ++p; // the opening quote
        bool closed = false;
        while (p < line.size()) {
            const char c = line[p++];
            if (c == '"') {
                closed = true;
                break;
            }
            if (c != '\\') {
                word += c;
                continue;
            }
            if (p == line.size() || (line[p] != '"' && line[p] != '\\')) {
                result.error = "bad escape in quotes (only \\\" and \\\\)";
                return result;
            }
            word += line[p++];
        }
        if (!closed) {
            result.error = "unterminated quote";
            return result;
        }
        if (p < line.size() && !isBlank(line[p])) {
            result.error = "no blank after closing quote";
            return result;
        }
        result.words.push_back(std::move(word));
    }
    return result;
}

} // namespace quirn::script
