// A level folder of 100,000 files: listing it (beside the bare reading of the folder),
// starting the game on it, and opening the open-from-disk panel on it. Timings are
// reported, never asserted.
#include "core/app/Form1.h"
#include "support/FakePlatform.h"

#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fstream>
#include <random>

using namespace quirn;
namespace fs = std::filesystem;

namespace {

constexpr int kFiles = 100000;

// Made once per run, removed at exit.
struct BigFolder {
    fs::path root;
    BigFolder() {
        root =
            fs::temp_directory_path() / ("quirn-bench-" + std::to_string(std::random_device()()));
        const fs::path quick = root / "puzzles/quick";
        fs::create_directories(quick);
        for (int i = 0; i < kFiles; ++i)
            std::ofstream(quick / ("level" + std::to_string(i) + ".puz")) << "1,\r\n,\r\n\r\nx\r\n";
        std::ofstream(quick / "game2.puz") << "1,\r\n,\r\n\r\nx\r\n";
        std::ofstream(quick / "level.dat") << " 1 \r\n";
        std::ofstream(root / "quirn.cfg") << "quick\r\nred.jpg\r\n0\r\n0\r\n0\r\nTrue\r\n";
    }
    ~BigFolder() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
};

const BigFolder& bigFolder() {
    static const BigFolder folder;
    return folder;
}

// The floor: the system's reading of the folder alone, nothing kept.
void BM_ReadFolderEntries(benchmark::State& state) {
    const std::string folder = (bigFolder().root / "puzzles/quick").string();
    for (auto _ : state) {
        DIR* dir = ::opendir(folder.c_str());
        int entries = 0;
        while (::readdir(dir)) ++entries;
        ::closedir(dir);
        benchmark::DoNotOptimize(entries);
    }
}
BENCHMARK(BM_ReadFolderEntries)->Unit(benchmark::kMillisecond);

void BM_ListFiles(benchmark::State& state) {
    const ProgramFolder folder(bigFolder().root);
    for (auto _ : state) benchmark::DoNotOptimize(folder.listFiles("puzzles/quick"));
}
BENCHMARK(BM_ListFiles)->Unit(benchmark::kMillisecond);

// Arg 1: level.dat names a level that is there; 0: one that is missing, so the series is
// searched.
void BM_StartUp(benchmark::State& state) {
    std::ofstream(bigFolder().root / "puzzles/quick/level.dat")
        << (state.range(0) ? " 2 \r\n" : " 1 \r\n");
    for (auto _ : state) {
        test::FakePlatform platform;
        Form1 form(ProgramFolder(bigFolder().root), platform);
        form.Form_Load();
        benchmark::DoNotOptimize(form.state.gameNumber);
    }
}
BENCHMARK(BM_StartUp)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_OpenFromDiskPanel(benchmark::State& state) {
    test::FakePlatform platform;
    Form1 form(ProgramFolder(bigFolder().root), platform);
    form.Form_Load();
    for (auto _ : state) {
        form.model[ControlId::Combo1].selected = -1; // so the panel picks the class again
        form.mnopen_Click();
        benchmark::DoNotOptimize(form.model[ControlId::File1].items.size());
    }
}
BENCHMARK(BM_OpenFromDiskPanel)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
