#include "core/app/Form1.h"
#include "core/levels/LevelFile.h"

#include <cctype>

namespace quirn {

void Form1::showEditorControls() {
    setPlayMode(1);
    model[ControlId::Command1].visible = true;
    model[ControlId::Command3].visible = true;
    model[ControlId::Picture3].visible = false;
    model[ControlId::Text3].visible = true;
}

void Form1::hideEditorControls() {
    model[ControlId::Command1].visible = false;
    model[ControlId::Text3].visible = false;
    model[ControlId::Command3].visible = false;
}

void Form1::mcreate_Click() {
    showEditorControls();
    model[ControlId::Text1].caption.clear();
    model[ControlId::Text2].caption.clear();
    model[ControlId::Text5].caption.clear();
    clear();
}

void Form1::mnedit_Click() {
    const std::string& status = model[ControlId::Label5].caption;
    // Only a level opened from disk and numbered above the shipped series qualifies:
    // "File: game105.puz" gives 105.
    std::string number = status.size() > 10 ? status.substr(10, 3) : std::string();
    std::erase(number, '.');
    std::erase(number, 'p');
    long value = 0;
    for (std::size_t i = 0;
         i < number.size() && std::isdigit(static_cast<unsigned char>(number[i])); ++i)
        value = value * 10 + (number[i] - '0');
    const bool fromFile = status.size() >= 4 && status.compare(status.size() - 4, 4, ".puz") == 0;
    if (!fromFile || value <= 100) {
        message("You can only edit games opened from file (see Play menu) and only those numbered "
                "higher than 100");
        return;
    }
    showEditorControls();
    model[ControlId::Text1].caption = solutionText();
    model[ControlId::Text2].caption = clueText();
    model[ControlId::Text5].caption = extraText();
    for (const std::string& item : splitSegmentItems(solutionText()))
        if (const auto index = segmentIndexOf(item)) model.segments[*index].marked = true;
}

void Form1::cell_Click(int index) {
    if (state.playMode != 1) return;
    state.selectedCell = static_cast<std::int16_t>(index);
    // Only the pop-up's own items run: nothing else can be picked from it.
    if (const std::optional<MenuId> item = platform_.popupMenu(MenuId::mnnum);
        item && model[*item].parent == MenuId::mnnum)
        runMenuCommand(*item);
    std::array<std::string, kSquareCount> clues;
    for (int i = 0; i < kSquareCount; ++i) clues[i] = model.squares[i].clue;
    model[ControlId::Text2].caption = formatClueText(clues);
}

void Form1::setSelectedClue(const char* clue) {
    if (state.selectedCell >= 0 && state.selectedCell < kSquareCount)
        model.squares[state.selectedCell].clue = std::string(clue);
}

void Form1::m0_Click() {
    setSelectedClue("0");
}
void Form1::m1_Click() {
    setSelectedClue("1");
}
void Form1::m2_Click() {
    setSelectedClue("2");
}
void Form1::m3_Click() {
    setSelectedClue("3");
}
void Form1::m4_Click() {
    setSelectedClue("4");
}
void Form1::mclear_Click() {
    setSelectedClue("");
}

} // namespace quirn
