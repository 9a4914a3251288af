#include "core/app/ConfigFile.h"
#include "core/app/Form1.h"

namespace quirn {

// A settings file that can't be written (read-only, full disk) is left as it was;
// the game goes on with the new setting in memory.
void Form1::saver() {
    save("quirn.cfg", formatConfig(state), "Your settings");
    model[MenuId::mnsound].checked = state.soundOn;
    setSizeChecks();
}

} // namespace quirn
