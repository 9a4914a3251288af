#include "core/board/Lattice.h"

#include <algorithm>
#include <cassert>

namespace quirn {
namespace {

// The numbering has no formula; these tables are part of every file format.
constexpr int kSquareTable[kRows][kCols] = {
    {0, 1, 2, 3, 4, 29, 71, 70, 69, 68, 67, 42},
    {5, 6, 7, 8, 9, 28, 66, 65, 64, 63, 62, 43},
    {19, 18, 17, 16, 15, 26, 52, 53, 54, 55, 56, 45},
    {14, 13, 12, 11, 10, 27, 57, 58, 59, 60, 61, 44},
    {24, 23, 22, 21, 20, 25, 47, 48, 49, 50, 51, 46},
    {30, 31, 32, 33, 34, 35, 41, 40, 39, 38, 37, 36},
    {75, 74, 76, 72, 82, 77, 83, 73, 81, 80, 79, 78},
};

constexpr int kHorizontalTable[kRows + 1][kCols] = {
    {23, 12, 24, 0, 11, 67, 150, 155, 149, 161, 156, 128},
    {13, 14, 25, 10, 9, 68, 154, 153, 148, 157, 158, 127},
    {15, 16, 26, 8, 7, 69, 152, 151, 147, 159, 160, 126},
    {50, 39, 51, 38, 27, 66, 135, 140, 134, 141, 146, 129},
    {40, 41, 52, 28, 29, 65, 139, 138, 133, 145, 144, 130},
    {42, 43, 53, 30, 31, 64, 137, 136, 132, 143, 142, 131},
    {79, 78, 77, 81, 80, 83, 123, 124, 125, 121, 122, 120},
    {172, 173, 174, 170, 171, 169, 184, 185, 186, 182, 183, 181},
};

constexpr int kVerticalTable[kRows][kCols + 1] = {
    {17, 20, 21, 6, 3, 2, 61, 86, 85, 87, 88, 89, 84},
    {22, 19, 18, 1, 4, 5, 70, 91, 92, 95, 94, 93, 90},
    {54, 59, 58, 57, 56, 55, 62, 97, 98, 99, 100, 101, 96},
    {44, 47, 48, 32, 35, 36, 63, 104, 103, 107, 106, 105, 102},
    {49, 46, 45, 37, 34, 33, 60, 109, 110, 111, 112, 113, 108},
    {71, 72, 73, 74, 75, 76, 82, 119, 118, 117, 116, 115, 114},
    {168, 167, 166, 165, 164, 163, 162, 180, 179, 178, 177, 176, 175},
};

struct Inverse {
    std::array<GridPos, kSquareCount> squares{};
    std::array<SegmentPlace, kSegmentCount> segments{};
    std::array<int, kSegmentCount> frontToBack{};
};

Inverse buildInverse() {
    Inverse inv;
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c) inv.squares[kSquareTable[r][c]] = {r, c};
    for (int r = 0; r <= kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            inv.segments[kHorizontalTable[r][c]] = {Orientation::Horizontal, r, c};
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c <= kCols; ++c)
            inv.segments[kVerticalTable[r][c]] = {Orientation::Vertical, r, c};
    // A vertical lies in front of every horizontal and of the verticals of lower rows.
    int n = 0;
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c <= kCols; ++c) inv.frontToBack[n++] = kVerticalTable[r][c];
    for (int r = 0; r <= kRows; ++r)
        for (int c = 0; c < kCols; ++c) inv.frontToBack[n++] = kHorizontalTable[r][c];
    return inv;
}

const Inverse& inverse() {
    static const Inverse inv = buildInverse();
    return inv;
}

} // namespace

int squareIndex(int row, int col) {
    assert(row >= 0 && row < kRows && col >= 0 && col < kCols);
    return kSquareTable[row][col];
}

GridPos squarePos(int index) {
    assert(index >= 0 && index < kSquareCount);
    return inverse().squares[index];
}

int horizontalSegment(int row, int col) {
    assert(row >= 0 && row <= kRows && col >= 0 && col < kCols);
    return kHorizontalTable[row][col];
}

int verticalSegment(int row, int col) {
    assert(row >= 0 && row < kRows && col >= 0 && col <= kCols);
    return kVerticalTable[row][col];
}

SegmentPlace segmentPlace(int index) {
    assert(index >= 0 && index < kSegmentCount);
    return inverse().segments[index];
}

std::array<int, 4> squareSides(int square) {
    const GridPos p = squarePos(square);
    return {horizontalSegment(p.row, p.col), horizontalSegment(p.row + 1, p.col),
            verticalSegment(p.row, p.col), verticalSegment(p.row, p.col + 1)};
}

Rect squareRect(int square) {
    const GridPos p = squarePos(square);
    return {600 + kPitch * p.col, 720 + kPitch * p.row, kSquareSize, kSquareSize};
}

Rect segmentRect(int segment) {
    const SegmentPlace p = segmentPlace(segment);
    const double left = 360 + kPitch * p.col;
    const double top = 480 + kPitch * p.row;
    if (p.orientation == Orientation::Horizontal)
        return {left, top, kSegmentLength, kSegmentThickness};
    return {left, top, kSegmentThickness, kSegmentLength};
}

std::optional<SizeClass> sizeClassFromKeyword(std::string_view keyword) {
    for (SizeClass s : kAllSizeClasses)
        if (keywordOf(s) == keyword) return s;
    return std::nullopt;
}

std::string_view keywordOf(SizeClass size) {
    switch (size) {
    case SizeClass::Quick:
        return "quick";
    case SizeClass::Normal:
        return "normal";
    case SizeClass::Hard:
        return "hard";
    case SizeClass::Advanced:
        return "advanced";
    }
    return "";
}

BlockShape blockShape(SizeClass size) {
    switch (size) {
    case SizeClass::Quick:
        return {5, 5};
    case SizeClass::Normal:
        return {6, 6};
    case SizeClass::Hard:
        return {7, 7};
    case SizeClass::Advanced:
        return {7, 12};
    }
    return {};
}

bool squareInBlock(int square, SizeClass size) {
    const GridPos p = squarePos(square);
    const BlockShape b = blockShape(size);
    return p.row < b.rows && p.col < b.cols;
}

bool segmentInBlock(int segment, SizeClass size) {
    const SegmentPlace p = segmentPlace(segment);
    const BlockShape b = blockShape(size);
    if (p.orientation == Orientation::Horizontal) return p.row <= b.rows && p.col < b.cols;
    return p.row < b.rows && p.col <= b.cols;
}

std::vector<int> blockSquares(SizeClass size) {
    std::vector<int> out;
    for (int i = 0; i < kSquareCount; ++i)
        if (squareInBlock(i, size)) out.push_back(i);
    return out;
}

std::vector<int> blockSegments(SizeClass size) {
    std::vector<int> out;
    for (int i = 0; i < kSegmentCount; ++i)
        if (segmentInBlock(i, size)) out.push_back(i);
    return out;
}

const std::array<int, kSegmentCount>& segmentsFrontToBack() {
    return inverse().frontToBack;
}

std::optional<int> segmentAt(double x, double y, const std::array<bool, kSegmentCount>& shown) {
    for (int segment : segmentsFrontToBack())
        if (shown[segment] && segmentRect(segment).contains(x, y)) return segment;
    return std::nullopt;
}

std::optional<int> squareAt(double x, double y) {
    for (int i = 0; i < kSquareCount; ++i)
        if (squareRect(i).contains(x, y)) return i;
    return std::nullopt;
}

} // namespace quirn
