#include "core/app/ConfigFile.h"
#include "core/app/Form1.h"

#include <string>

namespace quirn {

void Form1::setSizeChecks() {
    model[MenuId::mnquick].checked = state.sizeClass == "quick";
    model[MenuId::mnnorm].checked = state.sizeClass == "normal";
    model[MenuId::mnuhard].checked = state.sizeClass == "hard";
    model[MenuId::mnadv].checked = state.sizeClass == "advanced";
}

// Every step is guarded on its own: a missing or broken file leaves what that step
// would have set, and start-up goes on.
void Form1::Form_Load() {
    readConfig(folder_.readStart("quirn.cfg", kSmallFileLimit), state);
    loadThemePicture();
    model[MenuId::mnsound].checked = state.soundOn;
    setSizeChecks();
    subsize();
    colorsub();
    state.hintFactor = 1;
    model[ControlId::Combo1].items = {
        "Quick games:", "Normal games:", "Hard games:", "Advanced games:"};
    readGameNumber();
    missing();
    if (state.gameNumber == 1000) finale();
    readpuz(seriesLevelFile(state.gameNumber));
    model[ControlId::Label5].caption = "Game: " + std::to_string(state.gameNumber);
    setPlayMode(0);
    hideEditorControls();
    if (state.gameNumber == 1) showStartScreenAtStartUp();
    countsub();
}

} // namespace quirn
