// Letter case for file names, keywords and typed answers. Only ASCII letters have a case
// here: the game's texts are single-byte, and other bytes compare as they are, whatever
// the desktop's locale.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quirn {

std::string lowerCase(std::string_view text);
std::string upperCase(std::string_view text);
bool equalsIgnoringCase(std::string_view a, std::string_view b);
bool startsWithIgnoringCase(std::string_view text, std::string_view prefix);
bool endsWithIgnoringCase(std::string_view text, std::string_view suffix);
// Sorts names as a reader orders them: letter case aside, then byte order, so that names
// differing only in case still have a fixed order.
void sortIgnoringCase(std::vector<std::string>& names);

} // namespace quirn
