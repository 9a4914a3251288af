#include "core/app/Form1.h"
#include "core/levels/LevelFile.h"

namespace quirn {

// A file that can't be read leaves the three stores empty and the success message
// as it was, so the level loaded before can never be won on this board.
void Form1::readpuz(const std::string& relativePath) {
    const std::optional<std::string> bytes = folder_.readStart(relativePath, kLevelFileLimit);
    const LevelLines level = readLevelLines(bytes ? *bytes : std::string());
    model[ControlId::Label2].caption = level.lines[0].value_or("");
    model[ControlId::Label3].caption = level.lines[1].value_or("");
    model[ControlId::Label4].caption = level.lines[2].value_or("");
    model[ControlId::Text5].caption = model[ControlId::Label4].caption;
    if (level.lines[3]) state.successMessage = *level.lines[3];
    subsize();
    const auto clues = parseClues(clueText());
    for (int i = 0; i < kSquareCount; ++i)
        if (!clues[i].empty()) model.squares[i].clue = clues[i];
}

} // namespace quirn
