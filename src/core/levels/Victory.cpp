#include "core/app/Form1.h"

namespace quirn {

void Form1::victory() {
    if (!state.gameInProgress) return;
    const long score = static_cast<long>(state.hintFactor) * state.moveCount;
    std::string& status = model[ControlId::Label5].caption;
    const std::string scoreText =
        score == state.bestPossible
            ? "A Perfect Score!"
            : status + " - Score: " + std::to_string(score) +
                  "  (The best possible was: " + std::to_string(state.bestPossible) + ")";
    // Levels opened from disk or replayed from the skipped list show a file name
    // ending in "puz" and don't move the series on.
    const bool fromFile = status.size() >= 3 && status.compare(status.size() - 3, 3, "puz") == 0;
    if (!fromFile) writeProgress(state.gameNumber + 1);
    status = state.successMessage + " - " + scoreText;
    for (Segment& segment : model.segments) segment.outlined = false;
    playSound("/setup/win.wav");
    state.hintFactor = 1;
    state.moveCount = 0;
    state.gameInProgress = false;
    if (state.playMode != 2) model[ControlId::Command2].enabled = true;
}

} // namespace quirn
