// The window's level check as the solver answers it (BoardSolver::solve: the count, a
// second loop and the grade), on 7 x 12 boards: every shipped advanced level, the empty
// board, and the slowest of 3000 random sparse clue sets tried (about 96,000 sweep states).
#include "core/levels/LevelFile.h"
#include "solver/BoardSolver.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace quirn;

namespace {

using Clues = std::array<int, kSquareCount>;

Clues cluesOfLine(const std::string& line) {
    Clues clues;
    const auto text = parseClues(line);
    for (int i = 0; i < kSquareCount; ++i)
        clues[i] =
            text[i].size() == 1 && text[i][0] >= '0' && text[i][0] <= '9' ? text[i][0] - '0' : -1;
    return clues;
}

std::vector<Clues> boards(int which) {
    if (which == 1) return {cluesOfLine(",")};
    if (which == 2)
        return {cluesOfLine(",7-2,15-2,18-1,19-2,27-2,47-2,50-2,53-2,56-1,57-2,58-1,69-2,")};
    std::vector<Clues> out;
    for (int i = 1; i <= 100; ++i) {
        std::ifstream in(std::filesystem::path(QUIRN_DATA_DIR) / "puzzles/advanced" /
                         ("game" + std::to_string(i) + ".puz"));
        std::stringstream bytes;
        bytes << in.rdbuf();
        const LevelLines lines = readLevelLines(bytes.str());
        if (lines.lines[1]) out.push_back(cluesOfLine(*lines.lines[1]));
    }
    return out;
}

// arg: 0 the shipped advanced levels, 1 the empty board, 2 the slow sparse board.
void BM_BoardCheck(benchmark::State& state) {
    const std::vector<Clues> all = boards(static_cast<int>(state.range(0)));
    const solver::BoardSolver solver;
    std::vector<double> us;
    std::size_t i = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        const Solutions found = solver.solve(SizeClass::Advanced, all[i++ % all.size()]);
        us.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0)
                .count());
        benchmark::DoNotOptimize(found.fit);
    }
    std::sort(us.begin(), us.end());
    state.counters["median_us"] = us[us.size() / 2];
    state.counters["max_us"] = us.back();
    state.SetLabel(state.range(0) == 0   ? std::to_string(all.size()) + " shipped levels"
                   : state.range(0) == 1 ? "empty board"
                                         : "slow sparse board");
}

} // namespace

BENCHMARK(BM_BoardCheck)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
