#include "core/levels/LevelFile.h"

#include <gtest/gtest.h>
#include <map>

namespace quirn {
namespace {

std::map<int, std::string> cluesOf(std::string_view text) {
    std::map<int, std::string> out;
    const auto clues = parseClues(text);
    for (int i = 0; i < kSquareCount; ++i)
        if (!clues[i].empty()) out[i] = clues[i];
    return out;
}

TEST(LevelFile, ClueParsing) {
    using Clues = std::map<int, std::string>;
    struct Case {
        const char* what;
        std::string text;
        Clues clues;
    };
    const Case cases[] = {
        {"worked example",
         ",0-3,1-3,2-1,5-1,6-1,",
         {{0, "3"}, {1, "3"}, {2, "1"}, {5, "1"}, {6, "1"}}},
        {"two-digit index is not read as one digit", ",12-3,", {{12, "3"}}},
        {"order does not matter",
         ",6-1,5-1,2-1,1-3,0-3,",
         {{0, "3"}, {1, "3"}, {2, "1"}, {5, "1"}, {6, "1"}}},
        {"last entry without its comma", ",4-2,5-3", {{4, "2"}, {5, "3"}}},
        {"no leading comma loses the first entry", "0-3,1-2,", {{1, "2"}}},
        {"outside any block still given", ",83-1,73-2,", {{83, "1"}, {73, "2"}}},
        {"first occurrence wins", ",7-1,7-2,", {{7, "1"}}},
        {"clue 4 from the editor", ",9-4,", {{9, "4"}}},
        {"entry cut after the minus", ",5-", {{5, "-"}}},
        {"entry ending in two commas", ",5-,", {{5, ","}}},
        {"two-digit entry cut short", ",12-", {{12, "-"}}},
        {"empty", "", {}},
        {"only a comma", ",", {}},
        {"garbage", "\xff\x00,x-,--,,", {}},
        {"index beyond the board is ignored", ",84-1,99-2,", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(cluesOf(c.text), c.clues) << c.what;
}

TEST(LevelFile, ClueTextRoundTrip) {
    std::array<std::string, kSquareCount> clues;
    EXPECT_EQ(formatClueText(clues), ",");
    clues[0] = "3";
    clues[12] = "1";
    clues[83] = "0";
    const std::string text = formatClueText(clues);
    EXPECT_EQ(text, ",0-3,12-1,83-0,");
    EXPECT_EQ(parseClues(text), clues);
}

TEST(LevelFile, Lines) {
    struct Case {
        const char* what;
        std::string bytes;
        std::array<std::optional<std::string>, 4> lines;
    };
    const Case cases[] = {
        {"four lines", "a,\r\n,0-1,\r\n\r\nYes!\r\n", {"a,", ",0-1,", "", "Yes!"}},
        {"fifth line ignored", "1\r\n2\r\n3\r\n4\r\n5\r\n", {"1", "2", "3", "4"}},
        {"fourth line without its end", "1\r\n2\r\n3\r\n4", {"1", "2", "3", "4"}},
        {"line 4 missing", "1\r\n2\r\n\r\n", {"1", "2", "", std::nullopt}},
        {"lone CR and LF end lines", "1\r2\n3\r\n4", {"1", "2", "3", "4"}},
        {"empty file", "", {std::nullopt, std::nullopt, std::nullopt, std::nullopt}},
        {"LF CR is two ends", "1\n\r2", {"1", "", "2", std::nullopt}},
    };
    for (const Case& c : cases) EXPECT_EQ(readLevelLines(c.bytes).lines, c.lines) << c.what;
    EXPECT_EQ(formatLevelFile("1,", ",", "", "Hi"), "1,\r\n,\r\n\r\nHi\r\n");
}

TEST(LevelFile, SegmentItems) {
    EXPECT_EQ(splitSegmentItems("3,17,25,"), (std::vector<std::string>{"3", "17", "25"}));
    EXPECT_EQ(splitSegmentItems("3,17"), (std::vector<std::string>{"3", "17"}));
    EXPECT_EQ(splitSegmentItems(""), std::vector<std::string>{});
    EXPECT_EQ(splitSegmentItems(",,"), (std::vector<std::string>{"", ""}));
    for (const char* bad : {"", "x", "187", "-1", "1.5", "99999999999"})
        EXPECT_FALSE(segmentIndexOf(bad).has_value()) << bad;
    EXPECT_EQ(segmentIndexOf("186"), 186);
    EXPECT_EQ(segmentIndexOf("0"), 0);
    EXPECT_EQ(formatSegmentList({3, 5}), "3,5,");
}

} // namespace
} // namespace quirn
