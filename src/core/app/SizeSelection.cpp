#include "core/app/Form1.h"

namespace quirn {

// The four size commands differ only in the keyword; a level in progress is abandoned.
void Form1::chooseSize(const std::string& keyword) {
    hideEditorControls();
    model[ControlId::Picture3].visible = false;
    setPlayMode(0);
    state.sizeClass = keyword;
    saver();
    subsize();
    nextgame();
}

void Form1::mnquick_Click() {
    chooseSize("quick");
}
void Form1::mnnorm_Click() {
    chooseSize("normal");
}
void Form1::mnuhard_Click() {
    chooseSize("hard");
}
void Form1::mnadv_Click() {
    chooseSize("advanced");
}

} // namespace quirn
