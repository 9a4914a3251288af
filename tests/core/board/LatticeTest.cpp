#include "core/board/Lattice.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace quirn {
namespace {

TEST(Lattice, EverySquareAndSegmentIndexOccursOnce) {
    std::set<int> squares, segments;
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c) {
            const int i = squareIndex(r, c);
            EXPECT_TRUE(squares.insert(i).second) << i;
            EXPECT_EQ(squarePos(i), (GridPos{r, c}));
        }
    for (int r = 0; r <= kRows; ++r)
        for (int c = 0; c < kCols; ++c) {
            const int i = horizontalSegment(r, c);
            EXPECT_TRUE(segments.insert(i).second) << i;
            EXPECT_EQ(segmentPlace(i), (SegmentPlace{Orientation::Horizontal, r, c}));
        }
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c <= kCols; ++c) {
            const int i = verticalSegment(r, c);
            EXPECT_TRUE(segments.insert(i).second) << i;
            EXPECT_EQ(segmentPlace(i), (SegmentPlace{Orientation::Vertical, r, c}));
        }
    EXPECT_EQ(squares.size(), 84u);
    EXPECT_EQ(*squares.rbegin(), 83);
    EXPECT_EQ(segments.size(), 187u);
    EXPECT_EQ(*segments.rbegin(), 186);
}

TEST(Lattice, TableSamples) {
    struct Case {
        int square, row, col;
    };
    for (const Case& c : {Case{0, 0, 0}, Case{83, 6, 6}, Case{73, 6, 7}, Case{42, 0, 11},
                          Case{12, 3, 2}, Case{78, 6, 11}, Case{29, 0, 5}})
        EXPECT_EQ(squarePos(c.square), (GridPos{c.row, c.col})) << c.square;
    // Square 0's four sides.
    EXPECT_EQ(squareSides(0), (std::array<int, 4>{23, 13, 17, 20}));
    EXPECT_EQ(horizontalSegment(7, 11), 181);
    EXPECT_EQ(verticalSegment(6, 12), 175);
    EXPECT_EQ(verticalSegment(0, 1), 20);
    EXPECT_EQ(verticalSegment(1, 1), 19);
}

TEST(Lattice, Geometry) {
    EXPECT_EQ(squareRect(0), (Rect{600, 720, 735, 735}));
    EXPECT_EQ(squareRect(squareIndex(6, 11)), (Rect{600 + 960 * 11, 720 + 960 * 6, 735, 735}));
    EXPECT_EQ(segmentRect(23), (Rect{360, 480, 1215, 255}));
    EXPECT_EQ(segmentRect(horizontalSegment(7, 11)),
              (Rect{360 + 960 * 11, 480 + 960 * 7, 1215, 255}));
    EXPECT_EQ(segmentRect(17), (Rect{360, 480, 255, 1215}));
    EXPECT_EQ(segmentRect(verticalSegment(6, 12)),
              (Rect{360 + 960 * 12, 480 + 960 * 6, 255, 1215}));
}

TEST(Lattice, BlocksOfTheFourClasses) {
    auto range = [](int from, int to) {
        std::vector<int> v;
        for (int i = from; i <= to; ++i) v.push_back(i);
        return v;
    };
    EXPECT_EQ(blockSegments(SizeClass::Quick), range(0, 59));
    EXPECT_EQ(blockSquares(SizeClass::Quick), range(0, 24));
    EXPECT_EQ(blockSegments(SizeClass::Normal), range(0, 83));
    EXPECT_EQ(blockSquares(SizeClass::Normal), range(0, 35));
    EXPECT_EQ(blockSegments(SizeClass::Advanced), range(0, 186));
    EXPECT_EQ(blockSquares(SizeClass::Advanced), range(0, 83));

    std::vector<int> hard = range(0, 83);
    for (int i : {86, 91, 97, 104, 109, 119, 123, 135, 137, 139, 150, 152, 154}) hard.push_back(i);
    for (int i = 162; i <= 174; ++i) hard.push_back(i);
    hard.push_back(180);
    hard.push_back(184);
    std::sort(hard.begin(), hard.end());
    EXPECT_EQ(blockSegments(SizeClass::Hard), hard);
    EXPECT_EQ(hard.size(), 112u);
    std::vector<int> hardSquares = range(0, 35);
    for (int i : {41, 47, 52, 57, 66, 71, 72, 74, 75, 76, 77, 82, 83}) hardSquares.push_back(i);
    std::sort(hardSquares.begin(), hardSquares.end());
    EXPECT_EQ(blockSquares(SizeClass::Hard), hardSquares);
    EXPECT_TRUE(squareInBlock(83, SizeClass::Hard));
    EXPECT_FALSE(squareInBlock(73, SizeClass::Hard));
    EXPECT_TRUE(squareInBlock(73, SizeClass::Advanced));
}

TEST(Lattice, KeywordsAreExact) {
    EXPECT_EQ(sizeClassFromKeyword("quick"), SizeClass::Quick);
    EXPECT_EQ(sizeClassFromKeyword("advanced"), SizeClass::Advanced);
    for (const char* bad : {"Quick", "QUICK", "quick ", "", "Hard", "medium"})
        EXPECT_FALSE(sizeClassFromKeyword(bad).has_value()) << bad;
}

std::array<bool, kSegmentCount> shownFor(SizeClass size) {
    std::array<bool, kSegmentCount> shown{};
    for (int i : blockSegments(size)) shown[i] = true;
    return shown;
}

TEST(Lattice, HitTestFollowsTheStackingOrder) {
    const auto all = shownFor(SizeClass::Advanced);
    const auto quick = shownFor(SizeClass::Quick);
    struct Case {
        const char* what;
        double x, y;
        const std::array<bool, kSegmentCount>* shown;
        std::optional<int> segment;
    };
    const Case cases[] = {
        {"dot (1,1) reaches the vertical above it", 360 + 960 + 100, 480 + 960 + 100, &all, 20},
        {"top-left dot reaches the vertical below it", 400, 500, &all, 17},
        {"top row dot (0,3) reaches V(0,3)", 360 + 960 * 3 + 10, 490, &all, verticalSegment(0, 3)},
        {"middle of H(0,0)", 360 + 600, 480 + 100, &all, 23},
        {"dot end of H(0,0) belongs to a vertical", 360 + 1215 - 10, 490, &all, 20},
        {"vertical's upper dot belongs to the one above", 360 + 960 + 10, 480 + 960 * 2 + 10, &all,
         verticalSegment(1, 1)},
        {"lower part of V(1,1)", 360 + 960 + 10, 480 + 960 + 300, &all, 19},
        {"bottom dot row (7,0) reaches V(6,0)", 370, 480 + 960 * 7 + 100, &all, 168},
        {"square centre hits no segment", 600 + 300, 720 + 300, &all, std::nullopt},
        {"hidden segment takes no press", 360 + 960 * 8 + 600, 480 + 100, &quick, std::nullopt},
        {"outside the lattice", 20, 20, &all, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(segmentAt(c.x, c.y, *c.shown), c.segment) << c.what;
}

TEST(Lattice, HiddenVerticalLetsThePressThroughToTheHorizontal) {
    // On the quick board the dot (5,5) corner: V(4,5) shown above it.
    auto shown = shownFor(SizeClass::Quick);
    EXPECT_EQ(segmentAt(360 + 960 * 5 + 10, 480 + 960 * 5 + 10, shown), verticalSegment(4, 5));
    // Hide that vertical: the horizontal H(5,4) that ends in the dot takes the press.
    shown[verticalSegment(4, 5)] = false;
    EXPECT_EQ(segmentAt(360 + 960 * 5 + 10, 480 + 960 * 5 + 10, shown), horizontalSegment(5, 4));
}

TEST(Lattice, SquareAt) {
    EXPECT_EQ(squareAt(600 + 10, 720 + 10), 0);
    EXPECT_EQ(squareAt(600 + 960 * 6 + 700, 720 + 960 * 6 + 700), 83);
    EXPECT_EQ(squareAt(590, 720), std::nullopt);
}

} // namespace
} // namespace quirn
