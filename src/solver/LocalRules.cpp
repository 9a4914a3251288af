#include "solver/LocalRules.h"

namespace quirn::solver {

namespace {

inline int otherDot(const Grid& g, int edge, int dot) {
    return g.edgeDots[edge][0] == dot ? g.edgeDots[edge][1] : g.edgeDots[edge][0];
}

// What a rule makes of four edges (a dot's up, down, left and right, or a square's sides)
// and a dot's facts: every edge's value after it, the facts after it, or a contradiction.
struct Outcome {
    std::array<int8_t, 4> edge{};
    uint8_t facts = 0;
    bool contradiction = false;
};
using Table = std::array<Outcome, 81>; // by valueIndex

int valueIndex(const std::array<int8_t, 4>& v) {
    return v[0] + 3 * v[1] + 9 * v[2] + 27 * v[3];
}

std::array<int8_t, 4> valuesOf(int index) {
    std::array<int8_t, 4> v{};
    for (int i = 0; i < 4; ++i, index /= 3) v[i] = static_cast<int8_t>(index % 3);
    return v;
}

// Easy, for a square with clue k: its count is met (the rest off) or can only be met by
// every open side.
Outcome clueRule(int k, std::array<int8_t, 4> v) {
    int on = 0, unknown = 0;
    for (int8_t x : v) {
        on += x == kOn;
        unknown += x == kUnknown;
    }
    if (on > k || on + unknown < k) return {v, 0, true};
    const int8_t to = on == k ? kOff : on + unknown == k ? kOn : kUnknown;
    for (int8_t& x : v)
        if (x == kUnknown) x = to;
    return {v, 0, false};
}

// At a dot (edges up, down, left, right; off beyond the block): easy, two lines or none;
// normal, a pair of edges on one diagonal with exactly one on (up-left and down-right,
// up-right and down-left) means the loop passes through, so each pair on that diagonal has
// exactly one on. Applied until nothing changes.
Outcome dotRule(bool normal, uint8_t facts, std::array<int8_t, 4> v) {
    static constexpr int kPairs[2][2][2] = {{{0, 2}, {1, 3}}, {{0, 3}, {1, 2}}};
    for (bool changed = true; changed;) {
        changed = false;
        int on = 0, unknown = 0;
        for (int8_t x : v) {
            on += x == kOn;
            unknown += x == kUnknown;
        }
        if (on > 2 || (unknown == 0 && on == 1)) return {v, facts, true};
        if (unknown > 0 && (on == 2 || unknown == 1)) {
            for (int8_t& x : v)
                if (x == kUnknown) x = on == 1 ? kOn : kOff;
            changed = true;
        }
        for (int diagonal = 0; normal && diagonal < 2; ++diagonal)
            for (const auto& pair : kPairs[diagonal]) {
                const int8_t a = v[pair[0]], b = v[pair[1]];
                if (!(facts >> diagonal & 1) && a != kUnknown && b != kUnknown && a != b) {
                    facts |= static_cast<uint8_t>(1 << diagonal);
                    changed = true;
                }
                if (!(facts >> diagonal & 1)) continue;
                if (a != kUnknown && a == b) return {v, facts, true};
                if ((a == kUnknown) == (b == kUnknown)) continue;
                v[a == kUnknown ? pair[0] : pair[1]] = (a == kUnknown ? b : a) == kOn ? kOff : kOn;
                changed = true;
            }
    }
    return {v, facts, false};
}

// By clue, then by the sides' values.
const std::array<Table, 4>& clueTable() {
    static const std::array<Table, 4> table = [] {
        std::array<Table, 4> t{};
        for (int k = 0; k < 4; ++k)
            for (int i = 0; i < 81; ++i) t[k][i] = clueRule(k, valuesOf(i));
        return t;
    }();
    return table;
}

// By facts, then by the edges' values.
const std::array<Table, 4>& dotTable(bool normal) {
    static const std::array<std::array<Table, 4>, 2> tables = [] {
        std::array<std::array<Table, 4>, 2> t{};
        for (int n = 0; n < 2; ++n)
            for (int f = 0; f < 4; ++f)
                for (int i = 0; i < 81; ++i)
                    t[n][f][i] = dotRule(n == 1, static_cast<uint8_t>(f), valuesOf(i));
        return t;
    }();
    return tables[normal];
}

} // namespace

bool LocalRules::touchAll(State& s) {
    for (int c = 0; c < g_.cellCount; ++c) {
        queueCell(c);
        for (int q = 0; q < 4; ++q) queueCorner(c, q);
    }
    for (int d = 0; d < g_.dotCount; ++d) dots_.push(d);
    return !normal_ || rebuildPaths(s) || dropAll();
}

void LocalRules::touchEdge(int e) {
    queueCell(g_.edgeCells[e][0]);
    queueCell(g_.edgeCells[e][1]);
    dots_.push(g_.edgeDots[e][0]);
    dots_.push(g_.edgeDots[e][1]);
    for (int item : g_.edgeOuterCorners[e])
        if (item >= 0) queueCorner(item / 4, item % 4);
}

bool LocalRules::touchChanges(State& s, const State& seen) {
    bool drawn = false;
    for (int e = 0; e < g_.edgeCount; ++e)
        if (s.edge[e] != seen.edge[e]) {
            trail_[trailSize_++] = static_cast<int16_t>(e);
            touchEdge(e);
            drawn |= s.edge[e] == kOn;
        }
    for (int d = 0; d < g_.dotCount; ++d)
        for (int diagonal = 0; diagonal < 2; ++diagonal)
            if ((s.exactlyOne[d] ^ seen.exactlyOne[d]) >> diagonal & 1)
                touchExactlyOne(d, diagonal);
    return !drawn || !normal_ || rebuildPaths(s) || dropAll();
}

bool LocalRules::close(State& s) {
    bool ok = true;
    while (ok) {
        if (cells_.top > 0)
            ok = cell(s, cells_.pop());
        else if (corners_.top > 0) {
            const int item = corners_.pop();
            ok = corner(s, item / 4, item % 4);
        } else if (dots_.top > 0)
            ok = dot(s, dots_.pop());
        else
            return true;
    }
    return dropAll();
}

bool LocalRules::dropAll() {
    cells_.clear();
    corners_.clear();
    dots_.clear();
    return false;
}

void LocalRules::queueCell(int c) {
    if (c >= 0 && p_.clue[c] >= 0) cells_.push(c);
}

// Corner rules tell something for clues 1 to 3 only (a 0's sides are all off at once).
void LocalRules::queueCorner(int c, int q) {
    if (normal_ && p_.clue[c] > 0) corners_.push(4 * c + q);
}

void LocalRules::touchExactlyOne(int d, int diagonal) {
    dots_.push(d);
    for (int item : g_.diagonalCorners[d][diagonal])
        if (item >= 0) queueCorner(item / 4, item % 4);
}

// An edge beyond the block (-1) is off.
bool LocalRules::set(State& s, int e, int8_t v) {
    if (e < 0) return v == kOff;
    if (s.edge[e] == v) return true;
    if (s.edge[e] != kUnknown) return false;
    s.edge[e] = v;
    trail_[trailSize_++] = static_cast<int16_t>(e);
    touchEdge(e);
    return v != kOn || !normal_ || joinPaths(s, e);
}

int LocalRules::degree(const State& s, int d) const {
    int n = 0;
    for (int e : g_.dotDir[d]) n += s.edge[e] == kOn;
    return n;
}

// The path bookkeeping from scratch, for lines drawn other than by these rules, and the
// rule on every path: no edge closes it early, and a loop is the whole loop.
bool LocalRules::rebuildPaths(State& s) {
    s.lines = 0;
    s.paths = 0;
    for (int e = 0; e < g_.edgeCount; ++e) s.lines += s.edge[e] == kOn;
    std::array<uint8_t, kMaxDots> seen{};
    int onPaths = 0;
    // Walks from dot d along the lines until the path ends or comes back; its far end.
    auto walk = [&](int d, int& length) {
        int cur = d, came = -1;
        length = 0;
        for (bool more = true; more;) {
            more = false;
            for (int e : g_.dotDir[cur])
                if (e != came && s.edge[e] == kOn) {
                    came = e;
                    cur = otherDot(g_, e, cur);
                    seen[cur] = 1;
                    ++length;
                    more = cur != d && degree(s, cur) == 2;
                    break;
                }
        }
        return cur;
    };
    for (int d = 0; d < g_.dotCount; ++d) {
        if (seen[d] || degree(s, d) != 1) continue;
        int length = 0;
        const int end = walk(d, length);
        seen[d] = 1;
        s.pathEnd[d] = static_cast<uint8_t>(end);
        s.pathEnd[end] = static_cast<uint8_t>(d);
        s.pathLength[d] = s.pathLength[end] = static_cast<uint8_t>(length);
        ++s.paths;
        onPaths += length;
    }
    if (onPaths < s.lines) {
        // Some lines close a loop: the whole one, or a contradiction.
        for (int d = 0; d < g_.dotCount; ++d)
            if (!seen[d] && degree(s, d) == 2) {
                int length = 0;
                walk(d, length);
                if (length != s.lines) return false;
                for (int f = 0; f < g_.edgeCount; ++f)
                    if (s.edge[f] == kUnknown) set(s, f, kOff);
                return true;
            }
    }
    for (int d = 0; d < g_.dotCount; ++d)
        if (degree(s, d) == 1 && !forbidClosing(s, d, s.pathEnd[d], s.pathLength[d])) return false;
    return true;
}

// Edge e has just been drawn: the paths at its two dots join.
bool LocalRules::joinPaths(State& s, int e) {
    const int a = g_.edgeDots[e][0], b = g_.edgeDots[e][1];
    const int degA = degree(s, a) - 1, degB = degree(s, b) - 1;
    if (degA > 1 || degB > 1) return false;
    ++s.lines;
    const int endA = degA ? s.pathEnd[a] : a, endB = degB ? s.pathEnd[b] : b;
    if (endA == b) {
        // A loop: the whole one, or a contradiction.
        --s.paths;
        if (s.pathLength[a] + 1 != s.lines) return false;
        for (int f = 0; f < g_.edgeCount; ++f)
            if (s.edge[f] == kUnknown) set(s, f, kOff);
        return true;
    }
    const int length = (degA ? s.pathLength[a] : 0) + (degB ? s.pathLength[b] : 0) + 1;
    const bool wholeBefore = s.paths == 1 && !degA && !degB;
    s.paths = static_cast<int16_t>(s.paths + (!degA && !degB) - (degA && degB));
    s.pathEnd[endA] = static_cast<uint8_t>(endB);
    s.pathEnd[endB] = static_cast<uint8_t>(endA);
    s.pathLength[endA] = s.pathLength[endB] = static_cast<uint8_t>(length);
    if (!forbidClosing(s, endA, endB, length)) return false;
    if (!wholeBefore) return true;
    // The one path there was held every line: now it doesn't, so it may not close either.
    for (int d = 0; d < g_.dotCount; ++d)
        if (d != endA && d != endB && degree(s, d) == 1)
            return forbidClosing(s, d, s.pathEnd[d], s.pathLength[d]);
    return true;
}

// The edge joining the two ends of a path, if they are neighbours, is off unless closing it
// makes the whole loop.
bool LocalRules::forbidClosing(State& s, int end, int otherEnd, int length) {
    for (int f : g_.dotDir[end])
        if (s.edge[f] == kUnknown && otherDot(g_, f, end) == otherEnd &&
            (length < s.lines || !closingMeetsClues(s, f)))
            return set(s, f, kOff);
    return true;
}

bool LocalRules::closingMeetsClues(const State& s, int edge) const {
    for (int c = 0; c < g_.cellCount; ++c) {
        const int k = p_.clue[c];
        if (k < 0) continue;
        int on = 0;
        for (int e : g_.cellEdges[c]) on += s.edge[e] == kOn || e == edge;
        if (on != k) return false;
    }
    return true;
}

bool LocalRules::setExactlyOne(State& s, int d, int diagonal) {
    const auto bit = static_cast<uint8_t>(1 << diagonal);
    if (s.exactlyOne[d] & bit) return true;
    s.exactlyOne[d] |= bit;
    touchExactlyOne(d, diagonal);
    return true;
}

// Easy: the clue's count of sides is met, or can only be met by every open side.
bool LocalRules::cell(State& s, int c) {
    const auto& sides = g_.cellEdges[c];
    std::array<int8_t, 4> v{};
    for (int i = 0; i < 4; ++i) v[i] = s.edge[sides[i]];
    const Outcome& out = clueTable()[p_.clue[c]][valueIndex(v)];
    if (out.contradiction) return false;
    for (int i = 0; i < 4; ++i)
        if (out.edge[i] != v[i]) set(s, sides[i], out.edge[i]);
    return true;
}

// Normal: at corner q of a clued square, what its dot says of the square's two sides there.
// "Exactly one of the two" (carried across the dot) leaves the clue minus one for the other
// two sides; "both or neither" (every other edge at the dot crossed out, as in a corner of
// the board) decides them for a 1 or a 3 and, for a 2, puts exactly one on at the two
// corners beside.
bool LocalRules::corner(State& s, int c, int q) {
    const int k = p_.clue[c];
    const auto& sides = g_.cellEdges[c];
    if (s.exactlyOne[g_.cornerDot[c][q]] >> kCornerDiagonal[q] & 1) {
        if (k == 2) {
            setExactlyOne(s, g_.cornerDot[c][3 - q], kCornerDiagonal[q]);
        } else {
            const int8_t v = k == 1 ? kOff : kOn;
            const auto& far = kCornerSides[3 - q];
            if (!set(s, sides[far[0]], v) || !set(s, sides[far[1]], v)) return false;
        }
    }
    const auto& outer = g_.cornerOuter[c][q];
    for (int e : outer)
        if (e >= 0 && s.edge[e] != kOff) return true;
    if (k == 2) {
        for (int beside : {q ^ 1, q ^ 2})
            setExactlyOne(s, g_.cornerDot[c][beside], kCornerDiagonal[beside]);
        return true;
    }
    const int8_t v = k == 1 ? kOff : kOn;
    const auto& here = kCornerSides[q];
    return set(s, sides[here[0]], v) && set(s, sides[here[1]], v);
}

// Easy: a dot has two lines or none. Normal: the dot's pairs (dotRules).
bool LocalRules::dot(State& s, int d) {
    const auto& edges = g_.dotDir[d];
    std::array<int8_t, 4> v{};
    for (int i = 0; i < 4; ++i) v[i] = s.edge[edges[i]];
    const int facts = normal_ ? s.exactlyOne[d] : 0;
    const Outcome& out = dotTable(normal_)[facts][valueIndex(v)];
    if (out.contradiction) return false;
    for (int i = 0; i < 4; ++i)
        if (out.edge[i] != v[i]) set(s, edges[i], out.edge[i]);
    for (int diagonal = 0; diagonal < 2; ++diagonal)
        if ((out.facts ^ facts) >> diagonal & 1) setExactlyOne(s, d, diagonal);
    return true;
}

namespace {

// Whether the loop around the two squares a and b (side by side) agrees with every other
// clue: then it may be the whole loop, and the 3s' pattern cannot be trusted.
bool ringMayBeTheLoop(const Grid& g, const Puzzle& p, int a, int b) {
    std::array<uint8_t, kMaxEdges> ring{};
    for (int c : {a, b})
        for (int e : g.cellEdges[c]) ring[e] ^= 1;
    for (int c = 0; c < g.cellCount; ++c) {
        if (p.clue[c] < 0 || c == a || c == b) continue;
        int on = 0;
        for (int e : g.cellEdges[c]) on += ring[e];
        if (on != p.clue[c]) return false;
    }
    return true;
}

} // namespace

bool applyThreePatterns(const Grid& g, const Puzzle& p, State& s) {
    auto three = [&](int r, int c) {
        return r >= 0 && c >= 0 && r < g.rows && c < g.cols && p.clue[g.cell(r, c)] == 3;
    };
    bool ok = true;
    auto set = [&](int e, int8_t v) {
        if (s.edge[e] != kUnknown && s.edge[e] != v) ok = false;
        s.edge[e] = v;
    };
    for (int r = 0; r < g.rows; ++r)
        for (int c = 0; c < g.cols; ++c) {
            if (!three(r, c)) continue;
            // Corner to corner: at the shared dot each square has exactly one side.
            if (three(r + 1, c + 1)) s.exactlyOne[g.dot(r + 1, c + 1)] |= 1;
            if (three(r + 1, c - 1)) s.exactlyOne[g.dot(r + 1, c)] |= 2;
            // Side by side: across the shared side, then the far sides; the shared side's
            // line stops at both its dots.
            if (three(r, c + 1) && !ringMayBeTheLoop(g, p, g.cell(r, c), g.cell(r, c + 1))) {
                for (int x : {c, c + 1, c + 2}) set(g.vEdge(r, x), kOn);
                if (r > 0) set(g.vEdge(r - 1, c + 1), kOff);
                if (r + 1 < g.rows) set(g.vEdge(r + 1, c + 1), kOff);
            }
            if (three(r + 1, c) && !ringMayBeTheLoop(g, p, g.cell(r, c), g.cell(r + 1, c))) {
                for (int y : {r, r + 1, r + 2}) set(g.hEdge(y, c), kOn);
                if (c > 0) set(g.hEdge(r + 1, c - 1), kOff);
                if (c + 1 < g.cols) set(g.hEdge(r + 1, c + 1), kOff);
            }
        }
    return ok;
}

} // namespace quirn::solver
