// Splits one script line into its words: blanks separate them, and a word in double
// quotes may hold blanks, with \" and \\ standing for a quote and a backslash.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quirn::script {

struct TokenizedLine {
    std::vector<std::string> words;
    std::string error; // empty when the line is well formed
    bool ok() const { return error.empty(); }
};

// A comment line (first non-blank character '#') and a blank line give no words.
TokenizedLine tokenizeLine(std::string_view line);

} // namespace quirn::script
