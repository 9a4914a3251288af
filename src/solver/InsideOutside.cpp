// The tricky grade's inside/outside colouring.
#include "solver/GlobalPasses.h"

namespace quirn::solver {
namespace {

// Regions of squares (plus the outside) whose colours, inside or outside, are tied: each
// square names its region and its colour relative to the region's first square. Joining
// two regions relabels one; that is rare next to the lookups.
struct ColourSets {
    int nodes = 0;
    std::array<int16_t, kMaxCells + 1> region{};
    std::array<int8_t, kMaxCells + 1> rel{};

    // The squares and the outside joined across every decided side. False: a cycle of
    // decided sides with an odd number on.
    bool label(const Grid& g, const State& s) {
        nodes = g.cellCount + 1;
        std::array<int16_t, kMaxCells + 1> stack{};
        for (int i = 0; i < nodes; ++i) region[i] = -1;
        for (int root = 0; root < nodes; ++root) {
            if (region[root] >= 0) continue;
            region[root] = static_cast<int16_t>(root);
            rel[root] = 0;
            int top = 0;
            stack[top++] = static_cast<int16_t>(root);
            while (top > 0) {
                const int x = stack[--top];
                auto reach = [&](int e, int n) {
                    if (s.edge[e] == kUnknown) return true;
                    const int8_t r = static_cast<int8_t>(rel[x] ^ (s.edge[e] == kOn));
                    if (region[n] < 0) {
                        region[n] = static_cast<int16_t>(root);
                        rel[n] = r;
                        stack[top++] = static_cast<int16_t>(n);
                        return true;
                    }
                    return rel[n] == r;
                };
                if (x == g.cellCount) {
                    for (int k = 0; k < g.borderCount; ++k)
                        if (!reach(g.borderEdges[k], g.borderCells[k])) return false;
                } else {
                    for (int k = 0; k < 4; ++k)
                        if (!reach(g.cellEdges[x][k], g.cellNeighbours[x][k])) return false;
                }
            }
        }
        return true;
    }
    int find(int x, int& parity) const {
        parity = rel[x];
        return region[x];
    }
    // -1: conflict, 0: known already, 1: joined.
    int unite(int a, int b, int parity) {
        const int ra = region[a], rb = region[b];
        const int flip = rel[a] ^ rel[b] ^ parity;
        if (ra == rb) return flip == 0 ? 0 : -1;
        for (int x = 0; x < nodes; ++x)
            if (region[x] == ra) {
                region[x] = static_cast<int16_t>(rb);
                rel[x] = static_cast<int8_t>(rel[x] ^ flip);
            }
        return 1;
    }
};

// For two of a square's four sides (i < j), the other two.
constexpr int8_t kOtherSides[4][4][2] = {
    {{}, {2, 3}, {1, 3}, {1, 2}},
    {{}, {}, {0, 3}, {0, 2}},
    {{}, {}, {}, {0, 1}},
    {},
};

enum class Found { Nothing, Sides, Joined, Contradiction };

// Square c with clue k, two of whose neighbours, across sides i and j, have tied colours
// (`differ`: opposite ones). A 1 or a 3 decides sides; a 2 ties the other two neighbours.
Found relateAcross(const Grid& g, int c, int k, int i, int j, int differ, ColourSets& sets,
                   State& s) {
    const auto& edges = g.cellEdges[c];
    const int a = kOtherSides[i][j][0], b = kOtherSides[i][j][1];
    if (k != 2) {
        // Same colour across i and j: for a 1 both are off (else two sides), for a 3 both
        // on. Opposite colours: exactly one of them is on, so the same holds for a and b.
        const int8_t v = k == 1 ? kOff : kOn;
        Found found = Found::Nothing;
        for (int t : {differ ? a : i, differ ? b : j}) {
            if (s.edge[edges[t]] == kUnknown) {
                s.edge[edges[t]] = v;
                found = Found::Sides;
            } else if (s.edge[edges[t]] != v) {
                return Found::Contradiction;
            }
        }
        return found;
    }
    auto nb = [&](int x) { return g.cellNeighbours[c][x]; };
    int r1 = 0, r2 = 0;
    if (!differ) {
        r1 = sets.unite(nb(a), nb(i), 1);
        r2 = sets.unite(nb(b), nb(i), 1);
    } else {
        r1 = sets.unite(nb(a), nb(b), 1);
    }
    if (r1 < 0 || r2 < 0) return Found::Contradiction;
    return r1 > 0 || r2 > 0 ? Found::Joined : Found::Nothing;
}

// What the clues of 1, 2 and 3 tell about their neighbours' colours, until nothing new.
// False: contradiction.
bool relateByClues(const Grid& g, const Puzzle& p, ColourSets& sets, State& s, bool& progress) {
    for (bool grew = true; grew;) {
        grew = false;
        for (int c = 0; c < g.cellCount; ++c) {
            const int k = p.clue[c];
            if (k < 1 || k > 3) continue;
            std::array<int, 4> root{}, par{};
            for (int i = 0; i < 4; ++i) root[i] = sets.find(g.cellNeighbours[c][i], par[i]);
            // Most squares touch four different regions: nothing to learn there.
            if (root[0] != root[1] && root[0] != root[2] && root[0] != root[3] &&
                root[1] != root[2] && root[1] != root[3] && root[2] != root[3])
                continue;
            int open = 0;
            for (int e : g.cellEdges[c]) open += s.edge[e] == kUnknown;
            if (open == 0) continue;
            for (int i = 0; i < 4; ++i)
                for (int j = i + 1; j < 4; ++j) {
                    if (root[i] != root[j]) continue;
                    switch (relateAcross(g, c, k, i, j, par[i] ^ par[j], sets, s)) {
                    case Found::Contradiction:
                        return false;
                    case Found::Sides:
                        progress = true;
                        break;
                    case Found::Joined:
                        grew = true;
                        break;
                    case Found::Nothing:
                        break;
                    }
                }
        }
    }
    return true;
}

// Whether the squares known to be of colour `want` (1 inside, 0 outside) all hang together
// through squares not known to be of the other colour and sides not on the loop.
bool hangsTogether(const Grid& g, const State& s, const std::array<int8_t, kMaxCells + 1>& colour,
                   int want, int start, int count) {
    const int outside = g.cellCount;
    std::array<uint8_t, kMaxCells + 1> seen{};
    std::array<int16_t, kMaxCells + 1> stack{};
    int top = 0, reached = 0;
    seen[start] = 1;
    stack[top++] = static_cast<int16_t>(start);
    while (top > 0) {
        const int c = stack[--top];
        if (colour[c] == want) ++reached;
        auto visit = [&](int e, int n) {
            if (s.edge[e] == kOn || seen[n] || colour[n] == 1 - want) return;
            seen[n] = 1;
            stack[top++] = static_cast<int16_t>(n);
        };
        if (c == outside) {
            // The outside touches every border square.
            for (int k = 0; k < g.borderCount; ++k) visit(g.borderEdges[k], g.borderCells[k]);
            continue;
        }
        for (int k = 0; k < 4; ++k) visit(g.cellEdges[c][k], g.cellNeighbours[c][k]);
    }
    return reached == count;
}

// Known colours (those tied to the outside) must each form one connected part.
bool coloursHangTogether(const Grid& g, const State& s, const ColourSets& sets) {
    const int outside = g.cellCount;
    int po = 0;
    const int outRoot = sets.find(outside, po);
    std::array<int8_t, kMaxCells + 1> colour{};
    int firstIn = -1, inCount = 0, outCount = 0;
    for (int c = 0; c <= g.cellCount; ++c) {
        int pc = 0;
        colour[c] = sets.find(c, pc) == outRoot ? static_cast<int8_t>(pc ^ po) : int8_t{-1};
        if (colour[c] == 1) {
            ++inCount;
            if (firstIn < 0) firstIn = c;
        } else if (colour[c] == 0) {
            ++outCount;
        }
    }
    if (!hangsTogether(g, s, colour, 0, outside, outCount)) return false;
    return firstIn < 0 || hangsTogether(g, s, colour, 1, firstIn, inCount);
}

} // namespace

PassResult insideOutside(const Grid& g, const Puzzle& p, State& s) {
    ColourSets sets;
    if (!sets.label(g, s)) return PassResult::Contradiction;
    bool progress = false;
    if (!relateByClues(g, p, sets, s, progress)) return PassResult::Contradiction;
    // A side between two squares of tied colours is decided.
    for (int e = 0; e < g.edgeCount; ++e) {
        if (s.edge[e] != kUnknown) continue;
        int pa = 0, pb = 0;
        if (sets.find(g.edgeSides[e][0], pa) != sets.find(g.edgeSides[e][1], pb)) continue;
        s.edge[e] = (pa ^ pb) ? kOn : kOff;
        progress = true;
    }
    if (progress) return PassResult::Progress;
    return coloursHangTogether(g, s, sets) ? PassResult::Stuck : PassResult::Contradiction;
}

} // namespace quirn::solver
