// The game's own files as tests lay them into a program folder.
#pragma once

#include <string>
#include <vector>

namespace quirn::test {

using Texts = std::vector<std::string>;

// Each line followed by CR LF, as the game writes its files.
inline std::string crlf(const Texts& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// quirn.cfg: the size class, the Red Glow theme, and the sound line.
inline std::string config(const std::string& sizeClass, const std::string& sound = "True") {
    return crlf({sizeClass, "red.jpg", "65535", "192", "16777215", sound});
}

// level.dat as the game writes it.
inline std::string progress(int number) {
    return " " + std::to_string(number) + " \r\n";
}

inline std::string level(const std::string& solution, const std::string& clues,
                         const std::string& message = "Well done!") {
    return crlf({solution, clues, "", message});
}

// The loop around squares 0 and 1 at the top left, and the presses that draw it.
inline const std::string kTwoSquares = "12,13,14,17,21,23,";
inline const std::vector<int> kTwoSquarePresses = {23, 12, 13, 14, 17, 21};
inline std::string twoSquareLevel(const std::string& message = "Well done!") {
    return level(kTwoSquares, ",0-3,1-3,2-1,5-1,6-1,", message);
}

} // namespace quirn::test
