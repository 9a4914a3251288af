#include "solver/LevelCheck.h"

#include "core/levels/LevelFile.h"
#include "core/text/LetterCase.h"

#include <algorithm>
#include <cctype>
#include <fstream>

namespace quirn::solver {
namespace {} // namespace

std::array<int8_t, kSquareCount> gameClues(std::string_view line,
                                           std::vector<std::string>* problems) {
    std::array<int8_t, kSquareCount> clues;
    clues.fill(-1);
    const auto text = parseClues(line);
    for (int i = 0; i < kSquareCount; ++i) {
        if (text[i].empty()) continue;
        const char c = text[i][0];
        if (text[i].size() == 1 && c >= '0' && c <= '3') {
            clues[i] = static_cast<int8_t>(c - '0');
        } else if (problems) {
            std::string shown =
                (static_cast<unsigned char>(c) >= 32 && static_cast<unsigned char>(c) < 127)
                    ? std::string(1, c)
                    : "byte " + std::to_string(static_cast<unsigned char>(c));
            problems->push_back("the game reads square " + std::to_string(i) + "'s clue as '" +
                                shown + "', not a digit 0..3");
        }
    }
    return clues;
}

std::string loopProblem(const std::vector<int>& segments) {
    if (segments.empty()) return "no loop: line 1 marks no segment";
    const Grid& g = gridFor(SizeClass::Advanced);
    const State s = stateFromSegments(g, segments);
    for (int d = 0; d < g.dotCount; ++d) {
        int on = 0;
        for (int i = 0; i < g.dotEdgeCount[d]; ++i) on += s.edge[g.dotEdges[d][i]] == kOn;
        if (on == 1 || on > 2)
            return "not a single closed loop: dot (" + std::to_string(d / (g.cols + 1)) + "," +
                   std::to_string(d % (g.cols + 1)) + ") has " + std::to_string(on) +
                   (on == 1 ? " segment (a loose end)" : " segments");
    }
    if (!isSolution(Puzzle(SizeClass::Advanced), s))
        return "not a single closed loop: the segments form more than one loop";
    return {};
}

namespace {

// Line ends CR LF, nothing after line 4, a plain and non-empty message.
void fileShapeProblems(std::string_view bytes, const LevelLines& lines,
                       std::vector<std::string>& problems) {
    int present = 0;
    for (const auto& l : lines.lines) present += l.has_value();
    if (present < 4) problems.push_back("only " + std::to_string(present) + " of 4 lines");
    int ends = 0;
    std::size_t p = 0;
    bool crlf = true;
    while (p < bytes.size() && ends < 4) {
        const std::size_t e = bytes.find_first_of("\r\n", p);
        if (e == std::string_view::npos) {
            crlf = false;
            p = bytes.size();
            break;
        }
        if (bytes[e] != '\r' || e + 1 >= bytes.size() || bytes[e + 1] != '\n') {
            crlf = false;
            p = e + 1;
        } else {
            p = e + 2;
        }
        ++ends;
    }
    if (!crlf && present == 4) problems.push_back("a line does not end with CR LF");
    if (p < bytes.size()) problems.push_back("text after line 4");
    if (!lines.lines[3]) return;
    const std::string& message = *lines.lines[3];
    if (message.empty()) problems.push_back("line 4 (success message) is empty");
    for (char c : message)
        if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126) {
            problems.push_back("line 4 has a character that is not plain ASCII");
            break;
        }
}

// Line 1 as one loop inside the block; its segments when it is one.
std::optional<std::vector<int>> loopOfLine(const LevelLines& lines, SizeClass size,
                                           std::vector<std::string>& problems) {
    if (!lines.lines[0]) {
        problems.push_back("no line 1 (solution)");
        return std::nullopt;
    }
    std::vector<int> segments;
    const std::string why = solutionLineProblem(*lines.lines[0], &segments);
    if (!why.empty()) {
        problems.push_back(why);
        return std::nullopt;
    }
    std::vector<int> outside;
    for (int seg : segments)
        if (!segmentInBlock(seg, size)) outside.push_back(seg);
    if (!outside.empty())
        problems.push_back("segment(s) outside the " + std::string(keywordOf(size)) +
                           " block: " + formatSegmentList(outside));
    const std::string loop = loopProblem(segments);
    if (!loop.empty()) problems.push_back(loop);
    if (!loop.empty() || !outside.empty()) return std::nullopt;
    return segments;
}

// Line 2's clues as the game reads them, when every one is a digit 0..3 inside the block.
std::optional<std::array<int8_t, kSquareCount>> cluesOfLine(const LevelLines& lines, SizeClass size,
                                                            std::vector<std::string>& problems) {
    if (!lines.lines[1]) {
        problems.push_back("no line 2 (clues)");
        return std::nullopt;
    }
    const std::string why = clueLineProblem(*lines.lines[1]);
    if (!why.empty()) problems.push_back(why);
    std::vector<std::string> clueProblems;
    const std::array<int8_t, kSquareCount> clues = gameClues(*lines.lines[1], &clueProblems);
    problems.insert(problems.end(), clueProblems.begin(), clueProblems.end());
    std::string outside;
    for (int i = 0; i < kSquareCount; ++i)
        if (clues[i] >= 0 && !squareInBlock(i, size)) {
            if (!outside.empty()) outside += ',';
            outside += std::to_string(i);
        }
    if (!outside.empty())
        problems.push_back("clue(s) outside the " + std::string(keywordOf(size)) +
                           " block at square(s) " + outside);
    if (!clueProblems.empty() || !outside.empty()) return std::nullopt;
    return clues;
}

void cluesAgreeWithLoop(const Grid& g, const Puzzle& puzzle, const std::vector<int>& segments,
                        std::vector<std::string>& problems) {
    const State loop = stateFromSegments(g, segments);
    for (int c = 0; c < g.cellCount; ++c) {
        if (puzzle.clue[c] < 0) continue;
        int on = 0;
        for (int e : g.cellEdges[c]) on += loop.edge[e] == kOn;
        if (on != puzzle.clue[c])
            problems.push_back("square " + std::to_string(g.cellSquare[c]) + ": clue " +
                               std::to_string(puzzle.clue[c]) + " but the loop uses " +
                               std::to_string(on) + " of its sides");
    }
}

// The count of loops fitting the clues, a second one, and the grade when there is one.
void countAndGrade(const Grid& g, const Puzzle& puzzle, const std::vector<int>* segments, int cap,
                   long workLimit, CheckReport& report) {
    auto& problems = report.problems;
    const SolveResult solved = countSolutions(puzzle, cap, cap, workLimit);
    if (solved.aborted) {
        // Never a false OK: say plainly that the work limit ran out.
        report.undecided = true;
        problems.push_back("could not decide uniqueness within " + std::to_string(workLimit) +
                           " sweep states");
        return;
    }
    report.solutionCount = solved.count;
    report.countCapped = solved.count >= cap;
    if (solved.count == 0) {
        problems.push_back("no loop fits the clues");
    } else if (solved.count > 1) {
        for (const State& s : solved.solutions) {
            const std::vector<int> other = onSegments(g, s);
            if (!segments || other != *segments) {
                report.otherSolution = formatSegmentList(other);
                break;
            }
        }
        problems.push_back(std::string(report.countCapped ? "at least " : "") +
                           std::to_string(solved.count) +
                           " loops fit the clues; another: " + report.otherSolution);
    } else {
        Grading how;
        how.solution = &solved.solutions[0];
        report.grade = logicGrade(puzzle, how); // unique: counted above
        const std::vector<int> only = onSegments(g, solved.solutions[0]);
        if (segments && only != *segments)
            problems.push_back("the one loop fitting the clues is not line 1: " +
                               formatSegmentList(only));
    }
}

} // namespace

CheckReport checkLevel(std::string_view bytes, SizeClass size, int cap, long workLimit) {
    CheckReport report;
    auto& problems = report.problems;
    if (bytes.size() > kLevelFileLimit) {
        problems.push_back("file too large (" + std::to_string(bytes.size()) + " bytes)");
        return report;
    }
    if (bytes.empty()) {
        problems.push_back("empty file");
        return report;
    }
    const LevelLines lines = readLevelLines(bytes);
    fileShapeProblems(bytes, lines, problems);
    const std::optional<std::vector<int>> segments = loopOfLine(lines, size, problems);
    const auto clues = cluesOfLine(lines, size, problems);
    if (!clues) return report;
    const Grid& g = gridFor(size);
    const Puzzle puzzle = puzzleFromSquares(size, *clues);
    if (segments) cluesAgreeWithLoop(g, puzzle, *segments, problems);
    countAndGrade(g, puzzle, segments ? &*segments : nullptr, cap, workLimit, report);
    return report;
}

SizeClass smallestClassFor(std::string_view bytes) {
    const LevelLines lines = readLevelLines(bytes.substr(0, kLevelFileLimit));
    std::vector<int> segments;
    if (lines.lines[0])
        for (const std::string& item : splitSegmentItems(*lines.lines[0]))
            if (const auto seg = segmentIndexOf(item)) segments.push_back(*seg);
    std::array<int8_t, kSquareCount> clues;
    clues.fill(-1);
    if (lines.lines[1]) clues = gameClues(*lines.lines[1], nullptr);
    for (SizeClass size : kAllSizeClasses) {
        bool holds = true;
        for (int seg : segments) holds = holds && segmentInBlock(seg, size);
        for (int i = 0; i < kSquareCount; ++i)
            holds = holds && (clues[i] < 0 || squareInBlock(i, size));
        if (holds) return size;
    }
    return SizeClass::Advanced;
}

std::optional<SizeClass> sizeClassFromPath(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::path full = std::filesystem::absolute(path, ec);
    if (ec) full = path;
    std::vector<std::string> parts;
    for (const auto& part : full.lexically_normal()) parts.push_back(lowerCase(part.string()));
    std::optional<SizeClass> found;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i)
        if (parts[i] == "puzzles")
            if (auto size = sizeClassFromKeyword(parts[i + 1])) found = size;
    return found;
}

std::optional<std::string> readLevelBytes(const std::filesystem::path& path, std::string& problem) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        problem = "no such file";
        return std::nullopt;
    }
    if (std::filesystem::is_directory(path, ec)) {
        problem = "is a folder, not a level file";
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        problem = "cannot be read";
        return std::nullopt;
    }
    std::string bytes(kLevelFileLimit + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
        problem = "cannot be read";
        return std::nullopt;
    }
    if (bytes.size() > kLevelFileLimit) {
        problem = "file too large (over " + std::to_string(kLevelFileLimit) + " bytes)";
        return std::nullopt;
    }
    return bytes;
}

} // namespace quirn::solver
