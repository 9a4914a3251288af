// The four-line level file: solution, clues, a free third line, the success message.
#pragma once

#include "core/board/Lattice.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quirn {

// The game reads a level file no further than this; a file the level tool is asked to
// check must fit in it.
inline constexpr std::size_t kLevelFileLimit = 1 << 20;

// Lines the file has, up to four; a missing line is nullopt.
struct LevelLines {
    std::array<std::optional<std::string>, 4> lines;
};
LevelLines readLevelLines(std::string_view bytes);

// Four lines, each ended by CR LF.
std::string formatLevelFile(const std::string& solution, const std::string& clues,
                            const std::string& extra, const std::string& message);

// Clue of each square as the game reads line 2: for square i the first ",i-" is looked
// up, and of the five characters from that comma the fourth is taken when the fifth is
// a comma, else the last. Squares not named get the empty clue.
std::array<std::string, kSquareCount> parseClues(std::string_view clueText);

// "," then "i-d," for every square with a clue, ascending.
std::string formatClueText(const std::array<std::string, kSquareCount>& clues);

// Ascending indexes, each followed by ",".
std::string formatSegmentList(const std::vector<int>& ascendingSegments);

// Splits "a,b,c," at commas as the editor and hints walk it: each item up to a comma;
// a last item without its comma still counts.
std::vector<std::string> splitSegmentItems(std::string_view text);

// Reads an item as a segment index 0..186; anything else gives nullopt.
std::optional<int> segmentIndexOf(std::string_view item);

// Commas before the last character, plus one; 0 for the empty text; at most 32767.
int countSolutionSegments(std::string_view solutionText);

// The canonical lines `quirn-levels check` asks for, as the editor writes them.
// Line 1 in canonical form: ascending indexes 0..186, decimal without leading zeros,
// each followed by ",". Empty on success, else what is wrong.
std::string solutionLineProblem(std::string_view line, std::vector<int>* segments = nullptr);
// Line 2 in canonical form: ",", then "i-d," per clue, ascending squares 0..83, d 0..3.
std::string clueLineProblem(std::string_view line);

} // namespace quirn
