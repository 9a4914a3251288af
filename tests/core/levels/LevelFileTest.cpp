#include "core/levels/LevelFile.h"

#include <gtest/gtest.h>
#include <map>

namespace quirn {
namespace {

// For square i the first ",i-" counts; of the five characters from its comma the fourth
// is the clue when the fifth is a comma, else the fifth.
TEST(LevelFile, CluesAsTheGameReadsThem) {
    const std::pair<const char*, std::map<int, std::string>> cases[] = {
        {",0-3,1-3,12-2,", {{0, "3"}, {1, "3"}, {12, "2"}}},
        {",6-1,0-3", {{0, "3"}, {6, "1"}}},
        {"0-3,1-2,", {{1, "2"}}},
        {",7-1,7-2,", {{7, "1"}}},
        {",5-,", {{5, ","}}},
        {",12-", {{12, "-"}}},
        {",84-1,x-,,", {}},
    };
    for (const auto& [text, expected] : cases) {
        std::map<int, std::string> found;
        const auto clues = parseClues(text);
        for (int i = 0; i < kSquareCount; ++i)
            if (!clues[i].empty()) found[i] = clues[i];
        EXPECT_EQ(found, expected) << text;
    }
    std::array<std::string, kSquareCount> clues;
    clues[0] = "3";
    clues[83] = "4";
    EXPECT_EQ(formatClueText(clues), ",0-3,83-4,");
}

TEST(LevelFile, LinesItemsAndTheBestScore) {
    using Lines = std::array<std::optional<std::string>, 4>;
    EXPECT_EQ(readLevelLines("1\r2\n3\r\n4\r\n5").lines, (Lines{"1", "2", "3", "4"}));
    EXPECT_EQ(readLevelLines("1\r\n\r\n").lines, (Lines{"1", "", std::nullopt, std::nullopt}));
    EXPECT_EQ(splitSegmentItems("3,,17"), (std::vector<std::string>{"3", "", "17"}));
    for (const char* bad : {"", "x", "187", "-1", "1.5"}) EXPECT_FALSE(segmentIndexOf(bad)) << bad;
    EXPECT_EQ(segmentIndexOf(" 186 "), 186);
    for (const auto& [solution, count] :
         {std::pair{"12,13,14,", 3}, {"12,13,14", 3}, {"", 0}, {",", 1}, {"1,,2,", 3}})
        EXPECT_EQ(countSolutionSegments(solution), count) << solution;
    EXPECT_EQ(countSolutionSegments(std::string(100000, ',')), 32767);
}

} // namespace
} // namespace quirn
