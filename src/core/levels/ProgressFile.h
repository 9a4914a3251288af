// level.dat: the number of the level of a size class to play next.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace quirn {

// The first number in the file, blanks around it ignored, anything after it too.
// nullopt when there is none or it does not fit a 16-bit integer.
std::optional<std::int16_t> parseProgress(std::string_view bytes);

// A blank (or the minus sign) before the digits, a blank after, CR LF: " 12 \r\n".
std::string formatProgress(int number);

// The numbers N whose "game<N>.puz" is among the names, matched without regard to case;
// N written as the series writes it (no leading zeros, no plus sign).
std::set<int> seriesNumbers(const std::vector<std::string>& fileNames);

} // namespace quirn
