// The main window's logic on a fresh, empty program folder, with a recording platform.
#pragma once

#include "core/app/Form1.h"
#include "support/FakePlatform.h"
#include "support/LevelFiles.h"
#include "support/TempFolder.h"

#include <map>

namespace quirn::test {

struct Game {
    TempFolder folder;
    FakePlatform platform;
    Form1 form{ProgramFolder(folder.path()), platform};

    // Settings for the size class, level.dat naming `current` and the level files; then
    // start-up.
    void start(const std::string& sizeClass, int current, const std::map<int, std::string>& levels,
               const std::string& sound = "True") {
        const std::string levelFolder = "puzzles/" + sizeClass + "/";
        folder.write("quirn.cfg", config(sizeClass, sound));
        folder.write(levelFolder + "level.dat", progress(current));
        for (const auto& [number, text] : levels)
            folder.write(levelFolder + "game" + std::to_string(number) + ".puz", text);
        form.Form_Load();
    }
    // A quick series at game 1, the two-square level.
    void startQuick(const std::string& sound = "True") {
        start("quick", 1, {{1, twoSquareLevel()}}, sound);
    }

    // A file of the level folder of the size class in play.
    std::string file(const std::string& name) const {
        return folder.read("puzzles/" + form.state.sizeClass + "/" + name);
    }
    void press(const std::vector<int>& segments, int button = 1) {
        for (int segment : segments) form.Label1_MouseDown(segment, button);
    }
    std::vector<int> marked() const {
        std::vector<int> out;
        for (int i = 0; i < kSegmentCount; ++i)
            if (form.model.segments[i].marked) out.push_back(i);
        return out;
    }
    const std::string& status() const { return form.model[ControlId::Label5].caption; }
    Form1* operator->() { return &form; }
};

} // namespace quirn::test
