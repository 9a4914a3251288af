#include "core/app/Form1.h"
#include "core/text/LetterCase.h"
#include "core/text/TextCodec.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace quirn {

namespace {

constexpr const char* kComboEntries[] = {
    "Quick games:", "Normal games:", "Hard games:", "Advanced games:"};
constexpr const char* kComboClasses[] = {"quick", "normal", "hard", "advanced"};

} // namespace

void Form1::refreshFileList() {
    Control& files = model[ControlId::File1];
    files.folder = levelFolder();
    files.pattern = "*.puz";
    files.items.clear();
    for (std::string& name : folder_.listFiles(files.folder))
        if (endsWithIgnoringCase(name, ".puz")) files.items.push_back(std::move(name));
    files.selected = -1;
}

void Form1::mnopen_Click() {
    hideEditorControls();
    model[ControlId::Picture3].visible = true;
    for (int i = 0; i < 4; ++i) {
        if (state.sizeClass != kComboClasses[i]) continue;
        // Picking the entry that is already selected changes nothing, as in a list box.
        Control& combo = model[ControlId::Combo1];
        if (combo.selected != i) {
            combo.selected = i;
            combo.caption = kComboEntries[i];
            Combo1_Click(); // lists the folder
            return;
        }
    }
    refreshFileList();
}

void Form1::Combo1_Click() {
    const Control& combo = model[ControlId::Combo1];
    for (int i = 0; i < 4; ++i)
        if (combo.caption == kComboEntries[i]) state.sizeClass = kComboClasses[i];
    refreshFileList();
    model[MenuId::mh1].enabled = true;
    model[MenuId::mh2].enabled = true;
    emptyBoard(true);
    subsize();
}

void Form1::File1_Click() {
    setPlayMode(2);
    opener();
}

void Form1::opener() {
    const Control& files = model[ControlId::File1];
    const std::string name =
        files.selected >= 0 && files.selected < static_cast<int>(files.items.size())
            ? files.items[files.selected]
            : std::string();
    state.moveCount = 0;
    state.hintFactor = 1;
    emptyBoard(false);
    model[ControlId::Command2].enabled = false;
    // File names are UTF-8; the status line holds the game's own text.
    model[ControlId::Label5].caption = "File: " + utf8ToCp1252(fileNameToUtf8(name));
    model[ControlId::Picture3].visible = false;
    model[MenuId::mh1].enabled = true;
    model[MenuId::mh2].enabled = true;
    readpuz(levelFolder() + name);
    countsub();
}

void Form1::Command9_Click() {
    model[ControlId::Picture3].visible = false;
    nextgame();
}

} // namespace quirn
