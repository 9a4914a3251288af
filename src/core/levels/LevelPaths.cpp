#include "core/app/Form1.h"

namespace quirn {

std::string Form1::levelFolder() const {
    return "puzzles/" + state.sizeClass + "/";
}

std::string Form1::seriesLevelFile(int number) const {
    return levelFolder() + "game" + std::to_string(number) + ".puz";
}

std::string Form1::progressFile() const {
    return levelFolder() + "level.dat";
}

std::string Form1::skippedFile() const {
    return levelFolder() + "skipped.dat";
}

} // namespace quirn
