#include "Boards.h"
#include "solver/LevelCheck.h"

#include <gtest/gtest.h>

namespace quirn::solver {
namespace {

using testing::H;
using testing::V;

std::string file(const std::string& l1, const std::string& l2,
                 const std::string& msg = "Well done!") {
    return formatLevelFile(l1, l2, "", msg);
}

// The loop around square (0,0) with only the 2x2 corner free of zeros: unique.
const std::string kCornerLoop = formatSegmentList(testing::rectangleLoop(0, 0, 0, 0));
std::string cornerClues() {
    std::array<std::string, kSquareCount> clues;
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            if (r >= 2 || c >= 2) clues[squareIndex(r, c)] = "0";
    return formatClueText(clues);
}

bool mentions(const CheckReport& r, const std::string& text) {
    for (const auto& p : r.problems)
        if (p.find(text) != std::string::npos) return true;
    return false;
}

TEST(Check, GoodLevelIsOkWithGrade) {
    const CheckReport r = checkLevel(file(kCornerLoop, cornerClues()), SizeClass::Quick);
    EXPECT_TRUE(r.ok()) << (r.problems.empty() ? "" : r.problems[0]);
    EXPECT_EQ(r.solutionCount, 1);
    EXPECT_GE(r.grade, 1);
}

struct LineCase {
    const char* name;
    const char* line;
    const char* problem; // empty: canonical
};

const LineCase kSolutionLines[] = {
    {"canonical", "12,13,14,17,21,23,", ""},
    {"empty", "", ""},
    {"not_ascending", "13,12,", "not ascending"},
    {"duplicate", "12,12,", "not ascending"},
    {"no_final_comma", "12,13", "not followed by ','"},
    {"leading_zero", "012,", "leading zero"},
    {"space", "12, 13,", "unexpected ' '"},
    {"too_big", "187,", "not 0..186"},
    {"double_comma", "12,,13,", "unexpected ','"},
    {"letters", "x,", "unexpected 'x'"},
};

class SolutionLineTest : public ::testing::TestWithParam<LineCase> {};
TEST_P(SolutionLineTest, JudgesCanonicalForm) {
    const std::string why = solutionLineProblem(GetParam().line);
    if (std::string(GetParam().problem).empty())
        EXPECT_EQ(why, "");
    else
        EXPECT_NE(why.find(GetParam().problem), std::string::npos) << why;
}
INSTANTIATE_TEST_SUITE_P(Lines, SolutionLineTest, ::testing::ValuesIn(kSolutionLines),
                         [](const auto& info) { return std::string(info.param.name); });

const LineCase kClueLines[] = {
    {"canonical", ",0-3,1-3,2-1,5-1,6-1,", ""},
    {"no_clues", ",", ""},
    {"no_leading_comma", "0-3,1-3,", "no leading ','"},
    {"empty", "", "no leading ','"},
    {"not_ascending", ",5-1,2-1,", "not ascending"},
    {"digit_four", ",5-4,", "one digit 0..3"},
    {"two_digits", ",5-12,", "not followed by ','"},
    {"no_final_comma", ",5-1", "not followed by ','"},
    {"square_too_big", ",84-1,", "not 0..83"},
    {"leading_zero", ",05-1,", "leading zero"},
    {"missing_dash", ",5,", "not followed by '-'"},
};

class ClueLineTest : public ::testing::TestWithParam<LineCase> {};
TEST_P(ClueLineTest, JudgesCanonicalForm) {
    const std::string why = clueLineProblem(GetParam().line);
    if (std::string(GetParam().problem).empty())
        EXPECT_EQ(why, "");
    else
        EXPECT_NE(why.find(GetParam().problem), std::string::npos) << why;
}
INSTANTIATE_TEST_SUITE_P(Lines, ClueLineTest, ::testing::ValuesIn(kClueLines),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Check, ClueLineWithoutLeadingCommaLosesItsFirstEntry) {
    // The game looks up ",0-": without the leading comma square 0 has no clue.
    std::vector<std::string> problems;
    const auto clues = gameClues("0-3,1-2,", &problems);
    EXPECT_EQ(clues[0], -1);
    EXPECT_EQ(clues[1], 2);
    EXPECT_TRUE(problems.empty());
    const CheckReport r = checkLevel(file(kCornerLoop, "0-3,1-2,"), SizeClass::Quick);
    EXPECT_TRUE(mentions(r, "no leading ','"));
}

TEST(Check, GameReadingOfTwoDigitClueIsReported) {
    // ",5-12," : the fifth character from the comma is '2', not a comma: the game reads '2'.
    std::vector<std::string> problems;
    const auto clues = gameClues(",5-12,", &problems);
    EXPECT_EQ(clues[5], 2);
    // ",5-7," : read as '7', which is no clue digit.
    gameClues(",5-7,", &problems);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("'7'"), std::string::npos);
}

TEST(Check, ClueOutsideBlock) {
    const std::string clues = cornerClues().substr(0, cornerClues().size()) + "";
    std::array<std::string, kSquareCount> parsed = parseClues(clues);
    parsed[squareIndex(6, 11)] = "1";
    const CheckReport r = checkLevel(file(kCornerLoop, formatClueText(parsed)), SizeClass::Quick);
    EXPECT_TRUE(mentions(r, "clue(s) outside the quick block at square(s) " +
                                std::to_string(squareIndex(6, 11))));
    // The same clue is inside the advanced block.
    const CheckReport a =
        checkLevel(file(kCornerLoop, formatClueText(parsed)), SizeClass::Advanced);
    EXPECT_FALSE(mentions(a, "outside"));
}

TEST(Check, SegmentOutsideBlock) {
    const std::string loop = formatSegmentList(testing::rectangleLoop(0, 5, 0, 5));
    const CheckReport r = checkLevel(file(loop, ","), SizeClass::Quick);
    EXPECT_TRUE(mentions(r, "segment(s) outside the quick block"));
}

TEST(Check, NotASingleLoop) {
    std::vector<int> loose{H(0, 0), H(0, 1)};
    std::sort(loose.begin(), loose.end());
    EXPECT_TRUE(mentions(
        checkLevel(file(formatSegmentList(loose), cornerClues()), SizeClass::Quick), "loose end"));
    std::vector<int> two = testing::rectangleLoop(0, 0, 0, 0);
    for (int s : testing::rectangleLoop(2, 2, 2, 2)) two.push_back(s);
    std::sort(two.begin(), two.end());
    EXPECT_TRUE(mentions(checkLevel(file(formatSegmentList(two), ","), SizeClass::Quick),
                         "more than one loop"));
    EXPECT_TRUE(mentions(checkLevel(file("", cornerClues()), SizeClass::Quick), "no loop"));
}

TEST(Check, ClueDisagreesWithLoop) {
    std::array<std::string, kSquareCount> clues = parseClues(cornerClues());
    clues[squareIndex(0, 0)] = "3"; // the loop uses all four sides... of which only 4 exist: say 3
    const CheckReport r = checkLevel(file(kCornerLoop, formatClueText(clues)), SizeClass::Quick);
    EXPECT_TRUE(mentions(r, "square 0: clue 3 but the loop uses 4 of its sides"));
}

TEST(Check, SeveralLoopsAreCountedWithAnother) {
    std::array<std::string, kSquareCount> clues;
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            if (r >= 3 || c >= 3) clues[squareIndex(r, c)] = "0";
    const CheckReport r =
        checkLevel(file(kCornerLoop, formatClueText(clues)), SizeClass::Quick, 20);
    EXPECT_EQ(r.solutionCount, 13);
    EXPECT_FALSE(r.countCapped);
    EXPECT_TRUE(mentions(r, "13 loops fit the clues"));
    EXPECT_FALSE(r.otherSolution.empty());
    EXPECT_NE(r.otherSolution, kCornerLoop);
    const CheckReport capped =
        checkLevel(file(kCornerLoop, formatClueText(clues)), SizeClass::Quick, 5);
    EXPECT_TRUE(mentions(capped, "at least 5 loops"));
}

TEST(Check, FileShapeProblems) {
    EXPECT_TRUE(mentions(checkLevel("", SizeClass::Quick), "empty file"));
    EXPECT_TRUE(
        mentions(checkLevel(std::string(kLevelFileLimit + 1, 'x'), SizeClass::Quick), "too large"));
    EXPECT_TRUE(mentions(
        checkLevel(kCornerLoop + "\n" + cornerClues() + "\n\nHi\n", SizeClass::Quick), "CR LF"));
    EXPECT_TRUE(mentions(checkLevel(kCornerLoop + "\r\n", SizeClass::Quick), "only 1 of 4 lines"));
    const std::string garbage("\x01\xff\x00zz\r\n\x80", 8);
    EXPECT_FALSE(checkLevel(garbage, SizeClass::Quick).ok());
    EXPECT_TRUE(mentions(checkLevel(file(kCornerLoop, cornerClues(), ""), SizeClass::Quick),
                         "success message"));
}

TEST(Check, RunningOutOfWorkIsAFailNotAnOk) {
    std::array<std::string, kSquareCount> clues;
    clues[squareIndex(3, 5)] = "3";
    const CheckReport r =
        checkLevel(file(kCornerLoop, formatClueText(clues)), SizeClass::Advanced, 10, 100);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.undecided);
    EXPECT_TRUE(mentions(r, "could not decide uniqueness within 100 sweep states"));
    EXPECT_EQ(r.grade, 0);
}

TEST(Check, SizeClassFromFolderNameIgnoresCase) {
    EXPECT_EQ(sizeClassFromPath("data/Puzzles/QUICK/game1.puz"), SizeClass::Quick);
    EXPECT_EQ(sizeClassFromPath("/x/puzzles/advanced/game9.puz"), SizeClass::Advanced);
    EXPECT_EQ(sizeClassFromPath("/x/puzzles/Hard/game9.puz"), SizeClass::Hard);
    EXPECT_EQ(sizeClassFromPath("/x/levels/game9.puz"), std::nullopt);
}

TEST(Check, FileOutsideTheSeriesFoldersTakesTheSmallestBoardThatHoldsIt) {
    struct Case {
        std::vector<int> loop;
        int clueSquare; // -1: none
        SizeClass expected;
    };
    const Case cases[] = {
        {testing::rectangleLoop(0, 0, 0, 0), -1, SizeClass::Quick},
        {testing::rectangleLoop(4, 4, 4, 4), squareIndex(4, 4), SizeClass::Quick},
        {testing::rectangleLoop(0, 0, 0, 5), -1, SizeClass::Normal},
        {testing::rectangleLoop(0, 0, 0, 0), squareIndex(5, 5), SizeClass::Normal},
        {testing::rectangleLoop(0, 0, 0, 0), squareIndex(6, 6), SizeClass::Hard},
        {testing::rectangleLoop(6, 0, 6, 0), -1, SizeClass::Hard},
        {testing::rectangleLoop(0, 7, 0, 7), -1, SizeClass::Advanced},
        {testing::rectangleLoop(0, 0, 0, 0), squareIndex(6, 7), SizeClass::Advanced},
    };
    for (const Case& c : cases) {
        std::array<std::string, kSquareCount> clues;
        if (c.clueSquare >= 0) clues[c.clueSquare] = "1";
        EXPECT_EQ(smallestClassFor(file(formatSegmentList(c.loop), formatClueText(clues))),
                  c.expected)
            << formatSegmentList(c.loop) << " " << c.clueSquare;
    }
    EXPECT_EQ(smallestClassFor("garbage"), SizeClass::Quick);
}

TEST(Check, MissingFileIsReported) {
    std::string problem;
    EXPECT_FALSE(readLevelBytes("/nonexistent/quirn/game1.puz", problem));
    EXPECT_EQ(problem, "no such file");
}

} // namespace
} // namespace quirn::solver
