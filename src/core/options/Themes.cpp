#include "core/app/Form1.h"
#include "core/text/Numbers.h"

#include <cmath>

namespace quirn {

std::uint32_t colourFromText(const std::string& text) {
    if (text.size() > 64) return 0;
    const std::optional<double> value = parseDecimalWithBlanks(text);
    if (!value) return 0;
    const double rounded = std::nearbyint(*value);
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
