#include "core/app/Form1.h"
#include "core/levels/LevelFile.h"
#include "core/text/LetterCase.h"

#include <algorithm>
#include <cctype>

namespace quirn {

// Reveals, in ascending order, the solution items that pass the test, up to limit.
// An item that names no segment still counts as revealed.
int Form1::revealSolution(bool (*passes)(const std::string&), int limit) {
    int revealed = 0;
    for (const std::string& item : splitSegmentItems(solutionText())) {
        if (!passes(item)) continue;
        if (const auto index = segmentIndexOf(item)) {
            model.segments[*index].marked = true;
            model.segments[*index].colour = kSilver;
        }
        if (++revealed == limit) break;
    }
    return revealed;
}

void Form1::raiseHintFactor() {
    if (state.hintFactor < 32767) ++state.hintFactor;
}

void Form1::mh1_Click() {
    raiseHintFactor();
    model[MenuId::mh1].enabled = false;
    const int revealed = revealSolution(
        [](const std::string& item) {
            return !item.empty() && (item.front() == '1' || item.back() == '1');
        },
        5);
    if (revealed == 0) {
        message("No hints found");
    } else if (state.soundOn) {
        playSound("/setup/4.wav");
    }
}

void Form1::mh2_Click() {
    raiseHintFactor();
    const std::string answer =
        platform_.inputBox("Please type the word \"please\" in the field below!", "Quirn", "");
    if (!equalsIgnoringCase(answer, "please")) return;
    model[MenuId::mh2].enabled = false;
    const int revealed = revealSolution(
        [](const std::string& item) {
            return !item.empty() && (item.back() == '3' || item.back() == '5');
        },
        -1);
    if (revealed == 0) {
        message("No hints found");
    } else if (state.soundOn) {
        playSound("/setup/4.wav");
    }
}

} // namespace quirn
