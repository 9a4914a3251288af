// The easy and normal rules that look at one square or dot and its neighbours, run to
// their fixed point by a work list: only the squares and dots beside a change are looked at
// again. The rules only add facts, so the fixed point, and whether it breaks a rule, does
// not depend on the order.
#pragma once

#include "solver/Solver.h"

#include <span>

namespace quirn::solver {

class LocalRules {
  public:
    // normal: the normal grade's corner rules as well as the easy grade's counts.
    LocalRules(const Grid& g, const Puzzle& p, bool normal) : g_(g), p_(p), normal_(normal) {}

    // What the next close looks at: everything, for a state no closure has seen; what an
    // edge's change concerns; every difference from `seen`, a state the rules had closed.
    // False: contradiction already.
    bool touchAll(State& s);
    void touchEdge(int e);
    bool touchChanges(State& s, const State& seen);
    // Decides an open edge, as a rule would. False: contradiction.
    bool decide(State& s, int e, int8_t v) { return set(s, e, v); }
    // The edges decided since the trail was last cleared.
    void clearTrail() { trailSize_ = 0; }
    std::span<const int16_t> trail() const { return {trail_.data(), std::size_t(trailSize_)}; }
    // Runs the rules from what was touched to the fixed point. False: contradiction (what
    // was still to look at is dropped).
    bool close(State& s);

  private:
    // Work items: a square's count, a dot's degree and pairs, one corner of a square.
    struct Queue {
        std::array<int16_t, 4 * kMaxCells> items{};
        std::array<uint8_t, 4 * kMaxCells> queued{};
        int top = 0;
        void push(int i) {
            if (queued[i]) return;
            queued[i] = 1;
            items[top++] = static_cast<int16_t>(i);
        }
        int pop() {
            const int i = items[--top];
            queued[i] = 0;
            return i;
        }
        void clear() {
            while (top > 0) pop();
        }
    };
    void queueCell(int c);
    void queueCorner(int c, int q);
    void touchExactlyOne(int d, int diagonal);
    bool set(State& s, int e, int8_t v);
    int degree(const State& s, int d) const;
    bool rebuildPaths(State& s);
    bool dropAll(); // empties the queues after a contradiction; false
    bool joinPaths(State& s, int e);
    bool forbidClosing(State& s, int end, int otherEnd, int length);
    bool closingMeetsClues(const State& s, int edge) const;
    bool setExactlyOne(State& s, int d, int diagonal);
    bool cell(State& s, int c);
    bool corner(State& s, int c, int q);
    bool dot(State& s, int d);

    const Grid& g_;
    const Puzzle& p_;
    bool normal_;
    Queue cells_, dots_, corners_;
    std::array<int16_t, kMaxEdges> trail_{};
    int trailSize_ = 0;
};

// The normal rules include never closing a loop early: an edge that would join the two
// ends of a path is off unless the path holds every line and the loop it closes meets
// every clue; a loop closed with every line leaves every other edge off.

// The normal grade's clue patterns, which hold whatever the lines: two 3s corner to corner
// (their far corners are on the loop), two 3s side by side (their shared side and far sides
// on, the shared side's continuations off). For a fresh state. False: contradiction.
bool applyThreePatterns(const Grid& g, const Puzzle& p, State& s);

} // namespace quirn::solver
