#include "core/app/Form1.h"
#include "core/levels/LevelFile.h"

namespace quirn {

void Form1::countsub() {
    state.bestPossible = static_cast<std::int16_t>(countSolutionSegments(solutionText()));
    state.gameInProgress = true;
}

std::vector<int> Form1::markedSegments() const {
    std::vector<int> marked;
    for (int i = 0; i < kSegmentCount; ++i)
        if (model.segments[i].marked) marked.push_back(i);
    return marked;
}

void Form1::checker() {
    const std::string marked = formatSegmentList(markedSegments());
    model[ControlId::Text1].caption = marked;
    // A level without a solution (its file unreadable) is never won by an empty board.
    if (!solutionText().empty() && marked == solutionText() && state.playMode != 1) victory();
}

} // namespace quirn
