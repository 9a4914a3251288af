#include "core/app/Form1.h"

namespace quirn {

void Form1::mnsound_Click() {
    state.soundOn = !state.soundOn;
    saver();
}

void Form1::playSound(const std::string& file) {
    auto found = soundFiles_.find(file);
    if (found == soundFiles_.end()) found = soundFiles_.emplace(file, folder_.resolve(file)).first;
    platform_.playSound(found->second);
}

} // namespace quirn
