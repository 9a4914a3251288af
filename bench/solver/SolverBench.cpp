// Solve with uniqueness proof, level generation, and the check of every shipped level.
// Generation runs over seeds 1 to 60 exactly, one level each, and reports the CPU time of
// the whole process per level (all its threads: cpu_median_ms, cpu_mean_ms) and the loops
// tried per level (attempts); solving reports the median and largest time of one call.
#include "core/levels/LevelFile.h"
#include "solver/LevelCheck.h"
#include "solver/LevelSet.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

using namespace quirn;
using namespace quirn::solver;

namespace {

constexpr int kSeeds = 60;

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

double processCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

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
    std::vector<double> us;
    std::size_t i = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        const SolveResult r = countSolutions(puzzles[i++ % puzzles.size()], 2, 1);
        us.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0)
                .count());
        benchmark::DoNotOptimize(r.count);
    }
    state.counters["median_us"] = median(us);
    state.counters["max_us"] = *std::max_element(us.begin(), us.end());
    state.SetLabel(std::string(keywordOf(size)) + " " +
                   (grade ? std::string(gradeName(grade)) : "all") + " (" +
                   std::to_string(puzzles.size()) + " levels)");
}

// args: size class, grade, workers (0: generatorWorkers()). One level per seed 1..60, asked
// for as `quirn-levels generate --grade` asks.
void BM_Generate(benchmark::State& state) {
    const auto size = static_cast<SizeClass>(state.range(0));
    const int grade = static_cast<int>(state.range(1));
    const int workers = state.range(2) ? static_cast<int>(state.range(2)) : generatorWorkers();
    const std::vector<Slot> slots = gradeSchedule(grade, kSeeds);
    const int cells = gridFor(size).cellCount;
    std::vector<double> cpu;
    int seed = 0, hit = 0;
    long attempts = 0;
    for (auto _ : state) {
        const LevelRequest request{size, grade,
                                   static_cast<int>(slots[seed % kSeeds].clueShare * cells)};
        Rng rng(static_cast<uint64_t>(++seed));
        GenerateStats stats;
        const double t0 = processCpuMs();
        const Level level = generateLevel(request, rng, 64, workers, &stats);
        cpu.push_back(processCpuMs() - t0);
        attempts += stats.attempts;
        hit += level.grade == grade;
    }
    state.counters["cpu_median_ms"] = median(cpu);
    double sum = 0;
    for (double ms : cpu) sum += ms;
    state.counters["cpu_mean_ms"] = cpu.empty() ? 0 : sum / static_cast<double>(cpu.size());
    state.counters["attempts"] = seed ? static_cast<double>(attempts) / seed : 0;
    state.counters["on_target"] = seed ? static_cast<double>(hit) / seed : 0;
    state.SetLabel(std::string(keywordOf(size)) + " " + std::string(gradeName(grade)) + ", " +
                   std::to_string(workers) + (workers == 1 ? " worker" : " workers"));
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
        for (int grade = 0; grade <= kGradeFiendish; ++grade) b->Args({size, grade});
}
void generateArgs(benchmark::internal::Benchmark* b) {
    for (int size = 0; size < 4; ++size)
        for (int grade = kGradeEasy; grade <= kGradeFiendish; ++grade)
            for (int workers : {1, 0}) b->Args({size, grade, workers});
}

} // namespace

BENCHMARK(BM_SolveUnique)->Apply(solveArgs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Generate)
    ->Apply(generateArgs)
    ->Iterations(kSeeds)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckAllShipped)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
