#include "core/app/Form1.h"
#include "core/text/Numbers.h"

namespace quirn {

std::uint32_t colourFromText(const std::string& text) {
    const std::optional<double> value = readNumber(text);
    const std::optional<std::int64_t> colour =
        value ? roundedWithin(*value, 0, 4294967295.0) : std::nullopt;
    return colour ? static_cast<std::uint32_t>(*colour) : 0;
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
