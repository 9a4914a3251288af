#include "core/app/Form1.h"

namespace quirn {

void Form1::clear() {
    for (Square& square : model.squares) square.clue.clear();
    for (Segment& segment : model.segments) segment.marked = false;
}

void Form1::Command3_Click() {
    clear();
}

// Moves and hint penalty stay: a restarted level is scored with everything spent on it.
void Form1::mnres_Click() {
    model[MenuId::mh1].enabled = true;
    model[MenuId::mh2].enabled = true;
    for (Segment& segment : model.segments) segment.marked = false;
}

void Form1::emptyBoard(bool keepOutlines) {
    for (Square& square : model.squares) square.clue.clear();
    for (Segment& segment : model.segments) {
        segment.marked = false;
        if (!keepOutlines) segment.outlined = true;
    }
}

} // namespace quirn
