// One size class's block in local coordinates, with the tables the solver walks.
// Local edges: horizontals first (row-major, (rows+1) x cols), then verticals
// (rows x (cols+1)). Local dots: row-major (rows+1) x (cols+1). Local cells: row-major.
#pragma once

#include "core/board/Lattice.h"

#include <array>
#include <cstdint>

namespace quirn::solver {

inline constexpr int kMaxEdges = kSegmentCount;
inline constexpr int kMaxDots = (kRows + 1) * (kCols + 1);
inline constexpr int kMaxCells = kSquareCount;
inline constexpr int kMaxLines = kRows + kCols;
inline constexpr int kMaxLineLength = kCols + 1;

struct Grid {
    SizeClass size = SizeClass::Advanced;
    int rows = 0;
    int cols = 0;
    int cellCount = 0;
    int edgeCount = 0;
    int dotCount = 0;
    std::array<std::array<int16_t, 4>, kMaxCells> cellEdges{}; // top, bottom, left, right
    std::array<std::array<int16_t, 4>, kMaxDots> dotEdges{};   // -1 pads
    std::array<int8_t, kMaxDots> dotEdgeCount{};
    std::array<std::array<int16_t, 2>, kMaxEdges> edgeDots{};
    std::array<std::array<int16_t, 2>, kMaxEdges> edgeCells{}; // -1: outside the block
    // The same with the outside as one more square, number cellCount: the inside/outside
    // colouring treats everything beyond the block as one region.
    std::array<std::array<int16_t, 2>, kMaxEdges> edgeSides{};
    std::array<std::array<int16_t, 4>, kMaxCells> cellNeighbours{}; // across each cellEdges side
    int borderCount = 0; // sides on the block's border, with the square inside each
    std::array<int16_t, 2 * (kRows + kCols)> borderEdges{};
    std::array<int16_t, 2 * (kRows + kCols)> borderCells{};
    std::array<int16_t, kMaxEdges> edgeSegment{};     // lattice segment index
    std::array<int16_t, kSegmentCount> segmentEdge{}; // -1: outside the block
    std::array<int16_t, kMaxCells> cellSquare{};      // lattice square index
    std::array<int16_t, kSquareCount> squareCell{};   // -1: outside the block
    // Straight lines across the block (through cell centres): the loop crosses each an
    // even number of times. Columns: the horizontals of a column; rows: the verticals of a row.
    int lineCount = 0;
    std::array<std::array<int16_t, kMaxLineLength>, kMaxLines> lineEdges{};
    std::array<int8_t, kMaxLines> lineLength{};

    int hEdge(int r, int c) const { return r * cols + c; }
    int vEdge(int r, int c) const { return (rows + 1) * cols + r * (cols + 1) + c; }
    int dot(int r, int c) const { return r * (cols + 1) + c; }
    int cell(int r, int c) const { return r * cols + c; }
};

const Grid& gridFor(SizeClass size);

} // namespace quirn::solver
