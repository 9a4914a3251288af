// Solve with uniqueness proof and generation, per size class and grade.
// Each case reports the median and the largest time of one call (counters median_us,
// max_us) besides Google Benchmark's mean per iteration.
#include "core/levels/LevelFile.h"
#include "solver/Generator.h"
#include "solver/LevelCheck.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

using namespace quirn;
using namespace quirn::solver;

namespace {

struct Shipped {
    std::map<std::pair<int, int>, std::vector<Puzzle>> byClassGrade;
    std::vector<std::pair<std::string, SizeClass>> files; // bytes, class
};

const Shipped& shipped() {
    static const Shipped s = [] {
        Shipped out;
        for (SizeClass size : kAllSizeClasses)
            for (int i = 1; i <= 100; ++i) {
                const auto path = std::filesystem::path(QUIRN_DATA_DIR) / "puzzles" /
                                  std::string(keywordOf(size)) /
                                  ("game" + std::to_string(i) + ".puz");
                std::ifstream in(path, std::ios::binary);
                std::stringstream ss;
                ss << in.rdbuf();
                const std::string bytes = ss.str();
                if (bytes.empty()) continue;
                out.files.emplace_back(bytes, size);
                const LevelLines lines = readLevelLines(bytes);
                if (!lines.lines[1]) continue;
                const Puzzle p = puzzleFromSquares(size, gameClues(*lines.lines[1], nullptr));
                out.byClassGrade[{static_cast<int>(size), gradeOf(p)}].push_back(p);
                out.byClassGrade[{static_cast<int>(size), 0}].push_back(p); // grade 0: all
            }
        return out;
    }();
    return s;
}

class CallTimes {
  public:
    void add(std::chrono::steady_clock::duration d) {
        us_.push_back(std::chrono::duration<double, std::micro>(d).count());
    }
    void report(benchmark::State& state) {
        if (us_.empty()) return;
        std::sort(us_.begin(), us_.end());
        state.counters["median_us"] = us_[us_.size() / 2];
        state.counters["max_us"] = us_.back();
    }

  private:
    std::vector<double> us_;
};

// args: size class, grade (0: every level of the class). Cycles through the shipped
// levels of that class and grade.
void BM_SolveUnique(benchmark::State& state) {
    const auto size = static_cast<SizeClass>(state.range(0));
    const int grade = static_cast<int>(state.range(1));
    const auto it = shipped().byClassGrade.find({static_cast<int>(size), grade});
    if (it == shipped().byClassGrade.end()) {
        state.SkipWithError("no shipped level of this class and grade");
        return;
    }
    const auto& puzzles = it->second;
    CallTimes times;
    std::size_t i = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        const SolveResult r = countSolutions(puzzles[i++ % puzzles.size()], 2, 1);
        times.add(std::chrono::steady_clock::now() - t0);
        benchmark::DoNotOptimize(r.count);
    }
    times.report(state);
    state.SetLabel(std::string(keywordOf(size)) + " grade " + std::to_string(grade) + " (" +
                   std::to_string(puzzles.size()) + " levels)");
}

// args: size class, grade. One level per iteration from a fresh seed.
void BM_Generate(benchmark::State& state) {
    const auto size = static_cast<SizeClass>(state.range(0));
    const int grade = static_cast<int>(state.range(1));
    CallTimes times;
    uint64_t seed = 1;
    int hit = 0, made = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        Rng rng(seed++);
        const Level level = generateLevel(size, grade, 0, rng);
        times.add(std::chrono::steady_clock::now() - t0);
        hit += level.grade == grade;
        ++made;
    }
    times.report(state);
    state.counters["on_target"] = made ? static_cast<double>(hit) / made : 0.0;
    state.SetLabel(std::string(keywordOf(size)) + " grade " + std::to_string(grade));
}

// Everything `check` does for all 400 shipped levels, from bytes in memory.
void BM_CheckAllShipped(benchmark::State& state) {
    const auto& files = shipped().files;
    for (auto _ : state) {
        int ok = 0;
        for (const auto& [bytes, size] : files) ok += checkLevel(bytes, size).ok();
        benchmark::DoNotOptimize(ok);
    }
    state.SetLabel(std::to_string(files.size()) + " levels");
}

void solveArgs(benchmark::internal::Benchmark* b) {
    for (int size = 0; size < 4; ++size)
        for (int grade = 0; grade <= kMaxGrade; ++grade) b->Args({size, grade});
}
void generateArgs(benchmark::internal::Benchmark* b) {
    for (int size = 0; size < 4; ++size)
        for (int grade = 1; grade <= kMaxGrade; ++grade) b->Args({size, grade});
}

} // namespace

BENCHMARK(BM_SolveUnique)->Apply(solveArgs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Generate)->Apply(generateArgs)->Unit(benchmark::kMillisecond)->MinTime(1.0);
// The same over seeds 1..60 exactly: the median of one fixed set of levels compares
// across changes (with a time budget the count of seeds, hence the set, moves).
BENCHMARK(BM_Generate)
    ->Name("BM_Generate60")
    ->Apply(generateArgs)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(60);
BENCHMARK(BM_CheckAllShipped)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
