// The game's data folder, found from the folder of its executable.
#include "gui/DataFolder.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quirn::qt {
namespace {

struct Layout {
    const char* name;
    std::vector<std::string> files; // relative to the temporary folder
    std::string executableFolder;
    std::string expected;
    DataFolderKind kind = DataFolderKind::own;
};

const Layout kLayouts[] = {
    {"build_folder", {"game/puzzles/quick/game1.puz"}, "game", "game"},
    {"installed",
     {"usr/share/quirn-puzzle/puzzles/quick/game1.puz"},
     "usr/bin",
     "usr/share/quirn-puzzle",
     DataFolderKind::installed},
    // puzzles/ beside the executable wins over an installed copy.
    {"both",
     {"usr/bin/puzzles/quick/game1.puz", "usr/share/quirn-puzzle/puzzles/quick/game1.puz"},
     "usr/bin",
     "usr/bin"},
    {"neither", {"usr/bin/quirn-puzzle"}, "usr/bin", "usr/bin"},
};

TEST(DataFolderTest, FoundBesideOrInstalled) {
    for (const Layout& layout : kLayouts) {
        SCOPED_TRACE(layout.name);
        const quirn::test::TempFolder temp;
        for (const std::string& file : layout.files) temp.write(file, "");
        const DataFolder found =
            dataFolder(temp.path() / layout.executableFolder, "../share/quirn-puzzle");
        EXPECT_EQ(found.path, temp.path() / layout.expected);
        EXPECT_EQ(found.kind, layout.kind);
    }
}

} // namespace
} // namespace quirn::qt
