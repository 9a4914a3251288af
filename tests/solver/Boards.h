// Test boards written as short strings: rows joined by '/', '.' for no clue, a digit
// for a clue; the string's shape picks nothing, the size class is given.
#pragma once

#include "solver/Solver.h"

#include <algorithm>
#include <string>
#include <vector>

namespace quirn::solver::testing {

inline Puzzle board(SizeClass size, const std::string& rows) {
    std::array<int8_t, kSquareCount> clues;
    clues.fill(-1);
    int r = 0, c = 0;
    for (char ch : rows) {
        if (ch == '/') {
            ++r;
            c = 0;
            continue;
        }
        if (ch >= '0' && ch <= '3') clues[squareIndex(r, c)] = static_cast<int8_t>(ch - '0');
        ++c;
    }
    return puzzleFromSquares(size, clues);
}

inline int H(int r, int c) {
    return horizontalSegment(r, c);
}
inline int V(int r, int c) {
    return verticalSegment(r, c);
}

// The loop around the rectangle of squares rows r0..r1, cols c0..c1.
inline std::vector<int> rectangleLoop(int r0, int c0, int r1, int c1) {
    std::vector<int> s;
    for (int c = c0; c <= c1; ++c) {
        s.push_back(H(r0, c));
        s.push_back(H(r1 + 1, c));
    }
    for (int r = r0; r <= r1; ++r) {
        s.push_back(V(r, c0));
        s.push_back(V(r, c1 + 1));
    }
    std::sort(s.begin(), s.end());
    return s;
}

// Rows of the advanced block with d where (row + col) % 2 == parity, else no clue.
inline std::string checkerboard(char d, int parity) {
    std::string rows;
    for (int r = 0; r < kRows; ++r) {
        if (r) rows += '/';
        for (int c = 0; c < kCols; ++c) rows += (r + c) % 2 == parity ? d : '.';
    }
    return rows;
}

} // namespace quirn::solver::testing
