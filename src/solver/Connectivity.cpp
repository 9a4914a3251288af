#include "solver/GlobalPasses.h"

namespace quirn::solver {
namespace {

inline int otherDot(const Grid& g, int edge, int dot) {
    return g.edgeDots[edge][0] == dot ? g.edgeDots[edge][1] : g.edgeDots[edge][0];
}

} // namespace

PassResult connectivity(const Grid& g, const Puzzle&, State& s) {
    int anyOn = -1;
    for (int e = 0; e < g.edgeCount && anyOn < 0; ++e)
        if (s.edge[e] == kOn) anyOn = e;
    if (anyOn < 0) return PassResult::Stuck;
    std::array<uint8_t, kMaxDots> reached{};
    std::array<int16_t, kMaxDots> stack{};
    int top = 0;
    reached[g.edgeDots[anyOn][0]] = 1;
    stack[top++] = g.edgeDots[anyOn][0];
    while (top > 0) {
        const int d = stack[--top];
        for (int i = 0; i < g.dotEdgeCount[d]; ++i) {
            const int e = g.dotEdges[d][i];
            if (s.edge[e] == kOff) continue;
            const int n = otherDot(g, e, d);
            if (reached[n]) continue;
            reached[n] = 1;
            stack[top++] = static_cast<int16_t>(n);
        }
    }
    bool progress = false;
    for (int e = 0; e < g.edgeCount; ++e) {
        if (s.edge[e] == kOff || reached[g.edgeDots[e][0]]) continue;
        if (s.edge[e] == kOn) return PassResult::Contradiction;
        s.edge[e] = kOff;
        progress = true;
    }
    return progress ? PassResult::Progress : PassResult::Stuck;
}

} // namespace quirn::solver
