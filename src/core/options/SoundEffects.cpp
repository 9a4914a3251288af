#include "core/app/Form1.h"

namespace quirn {

void Form1::mnsound_Click() {
    state.soundOn = !state.soundOn;
    saver();
}

} // namespace quirn
