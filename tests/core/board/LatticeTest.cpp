#include "core/board/Lattice.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

TEST(Lattice, EveryIndexHasOnePlace) {
    for (int i = 0; i < kSquareCount; ++i)
        EXPECT_EQ(squareIndex(squarePos(i).row, squarePos(i).col), i);
    for (int i = 0; i < kSegmentCount; ++i) {
        const SegmentPlace p = segmentPlace(i);
        EXPECT_EQ(p.orientation == Orientation::Horizontal ? horizontalSegment(p.row, p.col)
                                                           : verticalSegment(p.row, p.col),
                  i);
    }
    EXPECT_EQ(squareSides(0), (std::array<int, 4>{23, 13, 17, 20}));
}

// Smaller boards use the lowest numbers, so a level of one class reads on a larger one.
TEST(Lattice, BlocksOfTheFourClasses) {
    struct Case {
        SizeClass size;
        int rows, cols, lowSegments;
    };
    for (const Case& c : {Case{SizeClass::Quick, 5, 5, 60}, Case{SizeClass::Normal, 6, 6, 84},
                          Case{SizeClass::Hard, 7, 7, 84}, Case{SizeClass::Advanced, 7, 12, 187}}) {
        const std::vector<int> segments = blockSegments(c.size);
        ASSERT_EQ(int(segments.size()), c.rows * (c.cols + 1) + c.cols * (c.rows + 1));
        EXPECT_EQ(segments[c.lowSegments - 1], c.lowSegments - 1);
        EXPECT_EQ(int(blockSquares(c.size).size()), c.rows * c.cols);
        for (int square : blockSquares(c.size))
            for (int side : squareSides(square)) EXPECT_TRUE(segmentInBlock(side, c.size));
        EXPECT_EQ(sizeClassFromKeyword(keywordOf(c.size)), c.size);
    }
    EXPECT_FALSE(sizeClassFromKeyword("Quick"));
}

TEST(Lattice, APressReachesTheFrontSegment) {
    std::array<bool, kSegmentCount> all, quick{};
    all.fill(true);
    for (int i : blockSegments(SizeClass::Quick)) quick[i] = true;
    auto cornerOpen = quick;
    cornerOpen[verticalSegment(4, 5)] = false;
    struct Case {
        double x, y;
        const std::array<bool, kSegmentCount>& shown;
        std::optional<int> segment;
    };
    const Case cases[] = {
        {960, 580, all, 23},                               // the middle of H(0,0)
        {1420, 1540, all, verticalSegment(0, 1)},          // dot (1,1): the vertical above it
        {1565, 490, all, verticalSegment(0, 1)},           // a horizontal's end: the vertical's
        {370, 7300, all, verticalSegment(6, 0)},           // the bottom row of dots
        {900, 1020, all, std::nullopt},                    // a square
        {8640, 580, quick, std::nullopt},                  // a hidden segment
        {5170, 5290, quick, verticalSegment(4, 5)},        // dot (5,5)
        {5170, 5290, cornerOpen, horizontalSegment(5, 4)}, // through a hidden vertical
    };
    for (const Case& c : cases)
        EXPECT_EQ(segmentAt(c.x, c.y, c.shown), c.segment) << c.x << "," << c.y;
    EXPECT_EQ(squareAt(610, 730), 0);
    EXPECT_EQ(squareAt(590, 730), std::nullopt);
}

} // namespace
} // namespace quirn
