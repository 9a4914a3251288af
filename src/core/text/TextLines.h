// Line splitting and joining for the game's single-byte text files.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quirn {

// Lines end at CR LF, a lone CR, or a lone LF (files edited on this platform).
// A final line without an end still counts; an empty text has no lines.
// At most maxLines lines are returned.
std::vector<std::string> splitLines(std::string_view bytes, std::size_t maxLines = SIZE_MAX);

// Each line followed by CR LF, from the first line on as long as the text stays within
// maxBytes (a file the game writes must stay one it reads back).
std::string joinLinesCrlf(const std::vector<std::string>& lines, std::size_t maxBytes = SIZE_MAX);

} // namespace quirn
