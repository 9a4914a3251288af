#include "solver/BoardSolver.h"

#include "solver/LevelCheck.h"

#include <algorithm>
#include <optional>

namespace quirn::solver {
namespace {

// A 4 takes all four sides of its square, which close into a loop: no other loop can hold
// them, so that square is the only one that may fit. Seen at a glance, it grades easy.
Solutions squareLoop(const Grid& g, int square, const std::array<int, kSquareCount>& clues) {
    const std::array<int, 4> sides = squareSides(square);
    std::vector<int> loop(sides.begin(), sides.end());
    std::sort(loop.begin(), loop.end());
    for (int c = 0; c < g.cellCount; ++c) {
        const int other = g.cellSquare[c];
        if (clues[other] < 0 || other == square) continue;
        int used = 0;
        for (int side : squareSides(other))
            used += std::binary_search(loop.begin(), loop.end(), side) ? 1 : 0;
        if (used != clues[other]) return {};
    }
    return {Solutions::Fit::One, {loop}, std::string(gradeName(kGradeEasy))};
}

} // namespace

Solutions BoardSolver::solve(SizeClass size, const std::array<int, kSquareCount>& clues) const {
    const Grid& g = gridFor(size);
    std::array<int8_t, kSquareCount> small;
    small.fill(-1);
    std::optional<int> four;
    for (int c = 0; c < g.cellCount; ++c) {
        const int square = g.cellSquare[c];
        const int clue = clues[square];
        if (clue > 4 || (clue == 4 && four)) return {}; // no loop fits
        if (clue == 4) four = square;
        if (clue >= 0 && clue < 4) small[square] = static_cast<int8_t>(clue);
    }
    if (four) return squareLoop(g, *four, clues);

    const Puzzle puzzle = puzzleFromSquares(size, small);
    const SolveResult solved = countSolutions(puzzle, 2, 2, workLimit_);
    Solutions found;
    for (const State& loop : solved.solutions) found.loops.push_back(onSegments(g, loop));
    if (solved.count >= 2 && found.loops.size() >= 2) {
        found.fit = Solutions::Fit::Several;
    } else if (solved.aborted || solved.count >= 2) {
        found.fit = Solutions::Fit::Undecided;
        found.loops.clear();
    } else if (solved.count == 1) {
        found.fit = Solutions::Fit::One;
        Grading how;
        how.solution = &solved.solutions[0];
        found.grade = std::string(gradeName(logicGrade(puzzle, how)));
    }
    return found;
}

bool BoardSolver::isOneLoop(const std::vector<int>& segments) const {
    return loopProblem(segments).empty();
}

} // namespace quirn::solver
