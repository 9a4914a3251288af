#include "core/app/Form1.h"

namespace quirn {

void Form1::mnsound_Click() {
    state.soundOn = !state.soundOn;
    saver();
}

void Form1::playSound(const std::string& file) {
    platform_.playSound(folder_.resolve(file));
}

} // namespace quirn
