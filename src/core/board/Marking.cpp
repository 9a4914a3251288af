#include "core/app/Form1.h"

namespace quirn {

void Form1::Label1_MouseDown(int index, int button) {
    if (index < 0 || index >= kSegmentCount) return;
    Segment& segment = model.segments[index];
    // The count stays at its 16-bit limit rather than wrapping.
    auto countMove = [this] {
        if (state.moveCount < 32767) ++state.moveCount;
    };
    if (button == 1 && !segment.marked) {
        segment.marked = true;
        segment.colour = colourFromText(state.lineColour);
        if (state.soundOn) playSound("/setup/1.wav");
        countMove();
        checker();
    } else if (button == 1) {
        segment.marked = false;
        countMove();
        if (state.soundOn) playSound("/setup/2.wav");
        checker();
    }
    if (button == 2) {
        segment.outlined = !segment.outlined;
        if (state.soundOn) playSound("/setup/3.wav");
    }
}

} // namespace quirn
