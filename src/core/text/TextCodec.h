// Windows-1252 <-> UTF-8. The core keeps file text as single-byte strings;
// only display and typed input cross this boundary. File names are UTF-8 already.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quirn {

std::string cp1252ToUtf8(std::string_view bytes);
// A character the code page can't hold (or broken UTF-8) becomes '?'.
std::string utf8ToCp1252(std::string_view utf8);

// A file name as the player reads it: names on this system are UTF-8; a byte that is
// not part of valid UTF-8 shows as U+FFFD.
std::string fileNameToUtf8(std::string_view name);

// The code point of the UTF-8 character at `at`, moving `at` past it; nullopt (past one
// byte) for a byte that starts no valid character. `at` must be within the text.
std::optional<char32_t> nextUtf8(std::string_view utf8, std::size_t& at);

} // namespace quirn
