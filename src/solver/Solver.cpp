#include "solver/Solver.h"

#include "solver/FrontierCount.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string>

namespace quirn::solver {
namespace {

constexpr std::array<std::string_view, kNeedsSearch + 1> kGradeNames{
    "", "easy", "normal", "tricky", "hard", "fiendish", "needs search"};

inline int otherDot(const Grid& g, int edge, int dot) {
    return g.edgeDots[edge][0] == dot ? g.edgeDots[edge][1] : g.edgeDots[edge][0];
}

// Path end with the fewest open edges (ties: most clues around it), else an open side
// of the tightest clue, else any open edge.
int pickBranch(const Grid& g, const Puzzle& p, const State& s) {
    int best = -1, bestKey = 1 << 30;
    for (int d = 0; d < g.dotCount; ++d) {
        int on = 0, open = 0, first = -1;
        for (int i = 0; i < g.dotEdgeCount[d]; ++i) {
            const int e = g.dotEdges[d][i];
            on += s.edge[e] == kOn;
            if (s.edge[e] == kUnknown) {
                ++open;
                if (first < 0) first = e;
            }
        }
        if (on != 1 || open == 0) continue;
        int clued = 0;
        for (int i = 0; i < g.dotEdgeCount[d]; ++i) {
            const int e = g.dotEdges[d][i];
            for (int k = 0; k < 2; ++k)
                clued += g.edgeCells[e][k] >= 0 && p.clue[g.edgeCells[e][k]] >= 0;
        }
        const int key = open * 16 - clued;
        if (key < bestKey) {
            best = first;
            bestKey = key;
        }
    }
    if (best >= 0) return best;
    int bestScore = -1;
    for (int c = 0; c < g.cellCount; ++c) {
        if (p.clue[c] < 0) continue;
        int open = 0, first = -1;
        for (int e : g.cellEdges[c])
            if (s.edge[e] == kUnknown) {
                ++open;
                if (first < 0) first = e;
            }
        if (open == 0) continue;
        const int score = p.clue[c] * 4 + (4 - open);
        if (score > bestScore) {
            bestScore = score;
            best = first;
        }
    }
    if (best >= 0) return best;
    for (int e = 0; e < g.edgeCount; ++e)
        if (s.edge[e] == kUnknown) return e;
    return -1;
}

struct Searcher {
    const Grid& g;
    const Puzzle& p;
    int cap;
    int keep;
    long nodeLimit;
    SolveResult& result;

    void run(State s) {
        if (nodeLimit > 0 && result.nodes >= nodeLimit) {
            result.aborted = true;
            return;
        }
        ++result.nodes;
        if (!propagate(p, s, kGradeTricky)) return;
        const int b = pickBranch(g, p, s);
        if (b < 0) {
            if (!isSolution(p, s)) return;
            if (static_cast<int>(result.solutions.size()) < keep) result.solutions.push_back(s);
            ++result.count;
            return;
        }
        State t = s;
        t.edge[b] = kOn;
        run(t);
        if (result.count >= cap || result.aborted) return;
        s.edge[b] = kOff;
        run(s);
    }
};

} // namespace

std::string_view gradeName(int grade) {
    return grade >= 0 && grade <= kNeedsSearch ? kGradeNames[grade] : std::string_view{};
}

std::string gradeLabel(int grade) {
    if (grade == kNeedsSearch) return std::string(gradeName(grade));
    return "grade " + std::to_string(grade) + " (" + std::string(gradeName(grade)) + ")";
}

std::optional<int> parseGrade(std::string_view text) {
    int number = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (ec == std::errc() && end == text.data() + text.size())
        return number >= kGradeEasy && number <= kGradeFiendish ? std::optional(number)
                                                                : std::nullopt;
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (int grade = kGradeEasy; grade <= kGradeFiendish; ++grade)
        if (lower == kGradeNames[grade]) return grade;
    return std::nullopt;
}

Puzzle puzzleFromSquares(SizeClass size, const std::array<int8_t, kSquareCount>& squareClues) {
    const Grid& g = gridFor(size);
    Puzzle p(size);
    for (int c = 0; c < g.cellCount; ++c) p.clue[c] = squareClues[g.cellSquare[c]];
    return p;
}

bool isComplete(const Grid& g, const State& s) {
    for (int e = 0; e < g.edgeCount; ++e)
        if (s.edge[e] == kUnknown) return false;
    return true;
}

bool isSolution(const Puzzle& p, const State& s) {
    const Grid& g = gridFor(p.size);
    if (!isComplete(g, s)) return false;
    for (int c = 0; c < g.cellCount; ++c) {
        if (p.clue[c] < 0) continue;
        int on = 0;
        for (int e : g.cellEdges[c]) on += s.edge[e] == kOn;
        if (on != p.clue[c]) return false;
    }
    int start = -1, total = 0;
    for (int d = 0; d < g.dotCount; ++d) {
        int on = 0;
        for (int i = 0; i < g.dotEdgeCount[d]; ++i) on += s.edge[g.dotEdges[d][i]] == kOn;
        if (on != 0 && on != 2) return false;
        if (on == 2) {
            ++total;
            if (start < 0) start = d;
        }
    }
    if (start < 0) return false;
    // Walk the loop from start; it must visit every dot of degree 2.
    int cur = start, came = -1, visited = 0;
    do {
        int next = -1;
        for (int i = 0; i < g.dotEdgeCount[cur]; ++i) {
            const int e = g.dotEdges[cur][i];
            if (e != came && s.edge[e] == kOn) {
                next = e;
                break;
            }
        }
        ++visited;
        came = next;
        cur = otherDot(g, next, cur);
    } while (cur != start);
    return visited == total;
}

namespace {

SolveResult fromSweep(SolveResult& result, FrontierResult& swept) {
    result.count = swept.count;
    result.solutions = std::move(swept.solutions);
    result.states += swept.states;
    result.aborted = swept.aborted;
    return result;
}

} // namespace

SolveResult searchSolutions(const Puzzle& puzzle, int cap, int keep, long nodeLimit) {
    SolveResult result;
    Searcher searcher{gridFor(puzzle.size), puzzle, cap, keep, nodeLimit, result};
    searcher.run(State{});
    return result;
}

SolveResult countSolutions(const Puzzle& puzzle, int cap, int keep, long workLimit) {
    SolveResult result;
    State root{};
    if (!propagate(puzzle, root, kGradeTricky)) return result;
    if (isComplete(gridFor(puzzle.size), root)) {
        if (isSolution(puzzle, root)) {
            result.count = 1;
            if (keep > 0) result.solutions.push_back(root);
        }
        return result;
    }
    // The sweep settles well-clued boards at a cost that does not depend on luck; boards
    // with many loops give up cap of them at once to a short search instead.
    const long firstLimit = workLimit > 0 ? std::min(workLimit, kSweepFirst) : kSweepFirst;
    FrontierResult swept = frontierCount(puzzle, root, cap, keep, firstLimit);
    if (!swept.aborted || firstLimit == workLimit) return fromSweep(result, swept);
    Searcher searcher{gridFor(puzzle.size), puzzle, cap, keep, kSearchNodes, result};
    searcher.run(root);
    if (!result.aborted) return result;
    swept = frontierCount(puzzle, root, cap, keep, workLimit);
    return fromSweep(result, swept);
}

int gradeOf(const Puzzle& puzzle) {
    const int grade = logicGrade(puzzle);
    if (grade != kNeedsSearch) return grade;
    const SolveResult r = countSolutions(puzzle, 2, 0);
    return !r.aborted && r.count == 1 ? kNeedsSearch : 0;
}

std::vector<int> onSegments(const Grid& g, const State& s) {
    std::vector<int> out;
    for (int e = 0; e < g.edgeCount; ++e)
        if (s.edge[e] == kOn) out.push_back(g.edgeSegment[e]);
    std::sort(out.begin(), out.end());
    return out;
}

State stateFromSegments(const Grid& g, const std::vector<int>& segments) {
    State s{};
    for (int e = 0; e < g.edgeCount; ++e) s.edge[e] = kOff;
    for (int seg : segments)
        if (seg >= 0 && seg < kSegmentCount && g.segmentEdge[seg] >= 0)
            s.edge[g.segmentEdge[seg]] = kOn;
    return s;
}

} // namespace quirn::solver
