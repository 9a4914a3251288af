#include "core/app/ConfigFile.h"

#include "core/text/LetterCase.h"
#include "core/text/Numbers.h"
#include "core/text/TextLines.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace quirn {
namespace {

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

} // namespace

std::optional<bool> parseBoolean(std::string_view text) {
    text = trimBlanks(text);
    if (equalsIgnoringCase(text, "true")) return true;
    if (equalsIgnoringCase(text, "false")) return false;
    const std::optional<double> value = readNumber(text);
    if (!value) return std::nullopt;
    return *value != 0;
}

void readConfig(std::optional<std::string_view> bytes, GameState& state) {
    const std::vector<std::string> lines =
        bytes ? splitLines(*bytes, 6) : std::vector<std::string>{};
    std::string* fields[] = {&state.sizeClass, &state.themePicture, &state.lineColour,
                             &state.buttonColour, &state.textColour};
    for (std::size_t i = 0; i < 5 && i < lines.size(); ++i) *fields[i] = lines[i];
    if (lines.size() < 6 || lines[5].empty()) {
        state.soundOn = true;
    } else if (auto value = parseBoolean(lines[5])) {
        state.soundOn = *value;
    }
}

std::string formatConfig(const GameState& state) {
    return joinLinesCrlf({state.sizeClass, state.themePicture, state.lineColour, state.buttonColour,
                          state.textColour, state.soundOn ? "True" : "False"});
}

} // namespace quirn
