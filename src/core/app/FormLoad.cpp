#include "core/app/ConfigFile.h"
#include "core/app/Form1.h"
#include "core/board/Lattice.h"

#include <string>

namespace quirn {

Form1::Form1(ProgramFolder folder, Platform& platform)
    : folder_(std::move(folder)), platform_(platform) {}

std::string Form1::levelFolder() const {
    return "puzzles/" + state.sizeClass + "/";
}

std::string Form1::seriesLevelFile(int number) const {
    return levelFolder() + "game" + std::to_string(number) + ".puz";
}

void Form1::playSound(const std::string& file) {
    platform_.playSound(folder_.resolve(file));
}

void Form1::message(const std::string& text) {
    platform_.messageBox(text, "Quirn", MessageButtons::Ok);
}

void Form1::loadThemePicture() {
    const std::string file = "setup/" + state.themePicture;
    if (state.themePicture.empty() || !folder_.fileExists(file)) return;
    model[ControlId::Image1].picture = folder_.relativeName(folder_.resolve(file));
}

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
    state.playMode = 0;
    hideEditorControls();
    if (state.gameNumber == 1) {
        // Placed from the window's own position on the screen as it stands now.
        Control& start = model[ControlId::Picture1];
        start.top = windowTop() + 1000;
        start.left = model.width / 2 - 1925;
        start.visible = true;
    }
    countsub();
}

double Form1::windowTop() const {
    return model.top.value_or((model.screenHeight - model.height) / 2);
}

} // namespace quirn
