#include "core/app/Form1.h"
#include "core/levels/ProgressFile.h"
#include "core/text/Numbers.h"

namespace quirn {

void Form1::readGameNumber() {
    const auto bytes = folder_.readStart(progressFile(), kSmallFileLimit);
    if (!bytes) return;
    if (const auto number = parseProgress(*bytes)) state.gameNumber = *number;
}

// A progress file that can't be written is left as it was; the game goes on.
void Form1::writeProgress(int number) {
    save(progressFile(), formatProgress(number), "Your progress");
}

void Form1::nextgame() {
    emptyBoard(false);
    model[ControlId::Command2].enabled = false;
    readGameNumber();
    missing();
    model[MenuId::mh1].enabled = true;
    model[MenuId::mh2].enabled = true;
    if (state.gameNumber == 1000) finale();
    readpuz(seriesLevelFile(state.gameNumber));
    model[ControlId::Label5].caption = "Game: " + std::to_string(state.gameNumber);
    countsub();
}

void Form1::missing() {
    // Past the last level the series is finished; a larger number (typed or edited
    // into level.dat) counts as finished too rather than naming files that can't be.
    if (state.gameNumber > 1000) state.gameNumber = 1000;
    // The folder is listed once, and only when the name as spelled is missing.
    if (folder_.fileExistsAsSpelled(seriesLevelFile(state.gameNumber))) return;
    const std::set<int> present = seriesNumbers(folder_.listFiles(levelFolder()));
    if (present.count(state.gameNumber)) return; // in another letter case
    while (true) {
        if (state.gameNumber == 1000) return;
        if (present.count(state.gameNumber)) {
            message("Levels missing? Jumping to: " + std::to_string(state.gameNumber));
            return;
        }
        ++state.gameNumber;
    }
}

void Form1::finale() {
    message("Success!  You have completed all " + state.sizeClass +
            " levels!  More may be available for download from our site.  In the meantime the "
            "game will return to the beginning for this size");
    state.gameNumber = 4;
    writeProgress(4);
}

void Form1::Command2_Click() {
    nextgame();
}

void Form1::mrest_Click() {
    const std::string answer = platform_.inputBox(
        "Enter a level number to start re-playing the levels from...", "Quirn", "1");
    if (answer.empty()) return;
    // Anything but a number the series can hold changes nothing, as a cancel does.
    const std::optional<double> value = readNumber(answer);
    const std::optional<std::int64_t> number =
        value ? roundedWithin(*value, -32768, 32767) : std::nullopt;
    if (!number) return;

    setPlayMode(0);
    hideEditorControls();
    model[ControlId::Picture3].visible = false;
    state.gameNumber = static_cast<std::int16_t>(*number);
    writeProgress(state.gameNumber);
    nextgame();
}

} // namespace quirn
