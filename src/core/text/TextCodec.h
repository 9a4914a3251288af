// Windows-1252 <-> UTF-8. The core keeps file text as single-byte strings;
// only display and typed input cross this boundary.
#pragma once

#include <string>
#include <string_view>

namespace quirn {

std::string cp1252ToUtf8(std::string_view bytes);
// A character the code page can't hold (or broken UTF-8) becomes '?'.
std::string utf8ToCp1252(std::string_view utf8);

} // namespace quirn
