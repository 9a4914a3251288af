// quirn.cfg: six lines (size class, theme picture, three colours, sound on).
#pragma once

#include "core/app/GameState.h"

#include <optional>
#include <string>
#include <string_view>

namespace quirn {

// Fills the settings from the file's bytes; nullopt stands for a missing file. Lines
// are taken as read; a missing line leaves its field; an empty or absent sixth line
// means sound on, and a sixth line that is no Boolean leaves the setting as it was.
void readConfig(std::optional<std::string_view> bytes, GameState& state);

// The six lines, CR LF each: texts unchanged, sound as "True" or "False".
std::string formatConfig(const GameState& state);

// "True"/"False" in any case, or a number (true unless 0); nullopt for anything else.
std::optional<bool> parseBoolean(std::string_view text);

} // namespace quirn
