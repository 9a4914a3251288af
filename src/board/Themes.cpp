#include "app/Form1.h"

#include <cmath>
#include <cstdlib>

namespace quirn {

std::uint32_t colourFromText(const std::string& text) {
    std::size_t first = text.find_first_not_of(" \t");
    std::size_t last = text.find_last_not_of(" \t");
    if (first == std::string::npos || last - first > 32) return 0;
    const std::string number = text.substr(first, last - first + 1);
    if (number.find_first_not_of("+-0123456789.eE") != std::string::npos) return 0;
    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end);
    if (end != number.c_str() + number.size() || !std::isfinite(value)) return 0;
    const double rounded = std::nearbyint(value);
    if (rounded < 0 || rounded > 4294967295.0) return 0;
    return static_cast<std::uint32_t>(rounded);
}

void Form1::colorsub() {
    const std::uint32_t text = colourFromText(state.textColour);
    const std::uint32_t button = colourFromText(state.buttonColour);
    for (Square& square : model.squares) square.textColour = text;
    model[ControlId::Label5].foreColor = text;
    for (ControlId id : {ControlId::Command2, ControlId::Command3, ControlId::Command1})
        model[id].backColor = button;
}

} // namespace quirn
