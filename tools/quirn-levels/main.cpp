// quirn-levels: the level tool beside the game.
//   quirn-levels check [--size CLASS] [--cap N] FILE...
//   quirn-levels solve [--size CLASS] FILE
//   quirn-levels generate --size CLASS --count N --seed S --out DIR [--from K] [--grade G]
#include "core/levels/LevelFile.h"
#include "core/text/LetterCase.h"
#include "solver/LevelCheck.h"
#include "solver/LevelSet.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace quirn;
using namespace quirn::solver;

namespace {

int usage() {
    std::cerr << "usage:\n"
                 "  quirn-levels check [--size CLASS] [--cap N] FILE...\n"
                 "  quirn-levels solve [--size CLASS] FILE\n"
                 "  quirn-levels generate --size CLASS --count N --seed S --out DIR [--from K] "
                 "[--grade G]\n"
                 "CLASS: quick, normal, hard or advanced (any case).\n"
                 "G: easy, normal, tricky, hard or fiendish, or 1 to 5. Without --grade, the\n"
                 "   levels rise from easy to fiendish as the shipped series does.\n"
                 "Without --size, a file in a puzzles/CLASS/ folder is of that class, any other\n"
                 "of the smallest class whose board holds its loop and clues.\n";
    return 2;
}

std::optional<SizeClass> parseSize(const std::string& text) {
    return sizeClassFromKeyword(lowerCase(text));
}

template <typename T> std::optional<T> parseNumber(const std::string& text) {
    T value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

struct Options {
    std::optional<SizeClass> size;
    std::optional<long> count, from, cap;
    std::optional<int> grade;
    std::optional<uint64_t> seed;
    std::optional<std::string> out;
    std::vector<std::string> files;
    bool bad = false;
};

Options parseOptions(int argc, char** argv) {
    Options o;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        // The option's value read by `parse`; a missing or unreadable one is reported.
        auto read = [&](auto& target, auto parse, const char* what) {
            if (i + 1 >= argc) {
                std::cerr << arg << " needs a value\n";
                o.bad = true;
                return;
            }
            const std::string v = argv[++i];
            target = parse(v);
            if (!target) {
                std::cerr << arg << ": " << what << ": " << v << "\n";
                o.bad = true;
            }
        };
        const auto number = [](const std::string& v) { return parseNumber<long>(v); };
        if (arg == "--size")
            read(o.size, parseSize, "unknown size class");
        else if (arg == "--count")
            read(o.count, number, "not a number");
        else if (arg == "--from")
            read(o.from, number, "not a number");
        else if (arg == "--cap")
            read(o.cap, number, "not a number");
        else if (arg == "--grade")
            read(
                o.grade, [](const std::string& v) { return parseGrade(v); }, "not a grade");
        else if (arg == "--seed")
            read(o.seed, parseNumber<uint64_t>, "not a number");
        else if (arg == "--out")
            read(
                o.out, [](const std::string& v) { return std::optional(v); }, "");
        else if (arg.size() > 2 && arg.rfind("--", 0) == 0) {
            std::cerr << "unknown option " << arg << "\n";
            o.bad = true;
        } else
            o.files.push_back(arg);
    }
    return o;
}

SizeClass sizeFor(const Options& o, const std::string& file, std::string_view bytes) {
    if (o.size) return *o.size;
    if (auto s = sizeClassFromPath(file)) return *s;
    return smallestClassFor(bytes);
}

int runCheck(const Options& o) {
    if (o.files.empty()) return usage();
    const int cap = static_cast<int>(o.cap.value_or(kDefaultSolutionCap));
    if (cap < 2) {
        std::cerr << "--cap must be at least 2\n";
        return 2;
    }
    int failed = 0;
    for (const std::string& file : o.files) {
        std::string problem;
        const auto bytes = readLevelBytes(file, problem);
        if (!bytes) {
            std::cout << file << ": FAIL: " << problem << "\n";
            ++failed;
            continue;
        }
        const CheckReport report = checkLevel(*bytes, sizeFor(o, file, *bytes), cap);
        if (report.ok()) {
            std::cout << file << ": OK " << gradeLabel(report.grade) << "\n";
        } else {
            ++failed;
            std::cout << file << ": FAIL: ";
            for (std::size_t i = 0; i < report.problems.size(); ++i)
                std::cout << (i ? "; " : "") << report.problems[i];
            std::cout << "\n";
        }
    }
    if (o.files.size() > 1) std::cout << o.files.size() << " checked, " << failed << " failed\n";
    return failed == 0 ? 0 : 1;
}

int runSolve(const Options& o) {
    if (o.files.size() != 1) return usage();
    const std::string& file = o.files[0];
    std::string problem;
    const auto bytes = readLevelBytes(file, problem);
    if (!bytes) {
        std::cout << file << ": " << problem << "\n";
        return 1;
    }
    const LevelLines lines = readLevelLines(*bytes);
    if (!lines.lines[1]) {
        std::cout << file << ": no line 2 (clues)\n";
        return 1;
    }
    std::vector<std::string> problems;
    const auto clues = gameClues(*lines.lines[1], &problems);
    const SizeClass size = sizeFor(o, file, *bytes);
    for (int i = 0; i < kSquareCount; ++i)
        if (clues[i] >= 0 && !squareInBlock(i, size))
            problems.push_back("clue outside the " + std::string(keywordOf(size)) +
                               " block at square " + std::to_string(i));
    if (!problems.empty()) {
        for (const auto& p : problems) std::cout << file << ": " << p << "\n";
        return 1;
    }
    const Puzzle puzzle = puzzleFromSquares(size, clues);
    const SolveResult result = countSolutions(puzzle, 2, 2);
    if (result.aborted) {
        std::cout << file << ": could not decide uniqueness within " << kDefaultWorkLimit
                  << " sweep states\n";
        return 1;
    }
    const Grid& g = gridFor(size);
    std::cout << "solutions: " << (result.count >= 2 ? "2 or more" : std::to_string(result.count))
              << "\n";
    for (const State& s : result.solutions)
        std::cout << "solution: " << formatSegmentList(onSegments(g, s)) << "\n";
    if (result.count == 1) {
        Grading how;
        how.solution = &result.solutions[0];
        std::cout << gradeLabel(logicGrade(puzzle, how)) << "\n";
    }
    std::cout << "search nodes: " << result.nodes << "\n";
    if (result.states > 0) std::cout << "sweep states: " << result.states << "\n";
    return result.count == 1 ? 0 : 1;
}

int runGenerate(const Options& o) {
    if (!o.size || !o.count || !o.seed || !o.out || !o.files.empty()) return usage();
    const long from = o.from.value_or(1);
    if (*o.count < 1 || *o.count > 10000 || from < 0) {
        std::cerr << "--count must be 1..10000 and --from non-negative\n";
        return 2;
    }
    std::error_code ec;
    fs::create_directories(*o.out, ec);
    if (!fs::is_directory(*o.out)) {
        std::cerr << "cannot create folder " << *o.out << "\n";
        return 1;
    }
    const int n = static_cast<int>(*o.count);
    const std::vector<Level> levels = generateSet(
        *o.size, n, *o.seed, o.grade ? gradeSchedule(*o.grade, n) : std::vector<Slot>{});
    for (int i = 0; i < n; ++i) {
        if (levels[i].grade == 0) {
            std::cerr << "no level made for number " << from + i << "\n";
            return 1;
        }
        const fs::path path = fs::path(*o.out) / ("game" + std::to_string(from + i) + ".puz");
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        const std::string text = levelFileText(levels[i]);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        if (!out) {
            std::cerr << "cannot write " << path.string() << "\n";
            return 1;
        }
        std::cout << path.string() << ": " << gradeLabel(levels[i].grade) << ", "
                  << levels[i].clueCount << " clues\n";
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string command = argv[1];
    const Options o = parseOptions(argc, argv);
    if (o.bad) return 2;
    try {
        if (command == "check") return runCheck(o);
        if (command == "solve") return runSolve(o);
        if (command == "generate") return runGenerate(o);
    } catch (const std::exception& e) {
        std::cerr << "quirn-levels: " << e.what() << "\n";
        return 1;
    }
    return usage();
}
