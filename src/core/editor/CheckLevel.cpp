// "Check this level" and "Solve from clues": the exact solver judges the board's clues.
// Neither counts a move, raises the hint factor, writes a file or declares a victory.
#include "core/app/Form1.h"
#include "core/levels/LevelFile.h"

#include <algorithm>
#include <iterator>

namespace quirn {
namespace {

// A clue is a count of sides; anything else in a square asks nothing of the loop.
std::array<int, kSquareCount> boardClues(const WindowModel& model) {
    std::array<int, kSquareCount> clues{};
    for (int i = 0; i < kSquareCount; ++i) {
        const std::string& clue = model.squares[i].clue;
        const bool digit = clue.size() == 1 && clue[0] >= '0' && clue[0] <= '9';
        clues[i] = digit ? clue[0] - '0' : -1;
    }
    return clues;
}

// Ascending and without repeats, whatever order the text had.
std::vector<int> segmentsOf(const std::string& text) {
    std::vector<int> segments;
    for (const std::string& item : splitSegmentItems(text))
        if (const auto index = segmentIndexOf(item)) segments.push_back(*index);
    std::sort(segments.begin(), segments.end());
    segments.erase(std::unique(segments.begin(), segments.end()), segments.end());
    return segments;
}

void showSilver(WindowModel& model, const std::vector<int>& segments) {
    for (int segment : segments)
        if (segment >= 0 && segment < kSegmentCount) model.segments[segment].silver = true;
}

} // namespace

void Form1::setPlayMode(std::int16_t mode) {
    state.playMode = mode;
    model[MenuId::mnsolve].enabled = solver_ && mode == 1;
}

Solutions Form1::solveBoard() const {
    // A board of no known size shows no segments; the whole lattice is judged.
    const SizeClass size = sizeClassFromKeyword(state.sizeClass).value_or(SizeClass::Advanced);
    return solver_->solve(size, boardClues(model));
}

void Form1::reportCheck(const Solutions& found) {
    // The level's own loop: the one drawn in the editor, the stored one in play.
    const std::string held =
        state.playMode == 1 ? formatSegmentList(markedSegments()) : solutionText();
    const std::vector<int> heldSegments = segmentsOf(held);
    switch (found.fit) {
    case Solutions::Fit::None:
        message("No loop fits these clues.");
        return;
    case Solutions::Fit::Undecided:
        message("These clues could not be checked.");
        return;
    case Solutions::Fit::Several: {
        const std::vector<int>& other =
            formatSegmentList(found.loops[0]) == held ? found.loops[1] : found.loops[0];
        std::vector<int> differing;
        std::set_difference(other.begin(), other.end(), heldSegments.begin(), heldSegments.end(),
                            std::back_inserter(differing));
        showSilver(model, differing);
        message("The clues allow more than one loop. Another loop is shown in silver.");
        return;
    }
    case Solutions::Fit::One:
        break;
    }
    const std::vector<int>& loop = found.loops[0];
    if (formatSegmentList(loop) == held) {
        message("This level has exactly one solution. Grade: " + found.grade + ".");
    } else if (!solver_->isOneLoop(heldSegments)) {
        message("The loop drawn is not one closed loop.");
    } else {
        showSilver(model, loop);
        message("The clues have one solution, but the loop drawn is not it. Its segments are "
                "shown in silver.");
    }
}

void Form1::mncheck_Click() {
    if (solver_) reportCheck(solveBoard());
}

// The one loop is drawn as the player's presses would draw it, uncounted; the check then
// brings markedText, which "Save As #:" writes, up to date.
void Form1::mnsolve_Click() {
    if (!solver_ || state.playMode != 1) return;
    const Solutions found = solveBoard();
    if (found.fit != Solutions::Fit::One) {
        reportCheck(found);
        return;
    }
    const std::vector<int>& loop = found.loops[0];
    for (int i = 0; i < kSegmentCount; ++i) {
        Segment& segment = model.segments[i];
        const bool on = std::binary_search(loop.begin(), loop.end(), i);
        if (on && !segment.marked) segment.colour = colourFromText(state.lineColour);
        segment.marked = on;
    }
    checker();
}

} // namespace quirn
