// The window's game variables: one instance for the program's life.
#pragma once

#include <cstdint>
#include <string>

namespace quirn {

struct GameState {
    std::int16_t selectedCell = 0;
    std::int16_t gameNumber = 0; // 1..999; 1000 = series finished
    std::int16_t playMode = 0;   // 0 series, 1 editor, 2 level opened from disk
    std::string successMessage;
    std::string sizeClass; // "quick", "normal", "hard", "advanced"
    std::string themePicture;
    std::string lineColour; // colours are kept as the text read or set
    std::string buttonColour;
    std::string textColour;
    std::int16_t hintFactor = 0;
    std::int16_t moveCount = 0;
    std::int16_t bestPossible = 0;
    bool gameInProgress = false;
    bool soundOn = false;
};

} // namespace quirn
