#include "core/app/Form1.h"

namespace quirn {

void Form1::loadThemePicture() {
    const std::string file = "setup/" + state.themePicture;
    if (state.themePicture.empty() || !folder_.fileExists(file)) return;
    model[ControlId::Image1].picture = folder_.relativeName(folder_.resolve(file));
}

void Form1::applyTheme(const std::string& picture, std::uint32_t line, std::uint32_t button,
                       std::uint32_t text) {
    state.themePicture = picture;
    model[ControlId::Image1].picture.clear();
    loadThemePicture();
    state.lineColour = std::to_string(line);
    state.buttonColour = std::to_string(button);
    state.textColour = std::to_string(text);
    // Every segment takes the new colour, so marks (and silver hint marks) follow the theme.
    for (Segment& segment : model.segments) segment.colour = line;
    saver();
    colorsub();
}

void Form1::mdef_Click() {
    applyTheme("red.jpg", 0x00FFFF, 0x0000C0, 0xFFFFFF);
}
void Form1::mnalt_Click() {
    applyTheme("blue.jpg", 0xFFFFFF, 0xFF0000, 0xFFFFFF);
}
void Form1::mnuwas_Click() {
    applyTheme("wash.jpg", 0xFFFFFF, 0xFF0000, 0xFFFFFF);
}
void Form1::mnugrey_Click() {
    applyTheme("Mono.jpg", 0x808080, 0x000000, 0x595959);
}

} // namespace quirn
