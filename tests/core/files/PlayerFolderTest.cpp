// A system-wide install: the shipped data read-only, the player's files in their own folder.
#include "core/files/ProgramFolder.h"
#include "support/TempFolder.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace quirn {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

struct Install {
    TempFolder t;
    ProgramFolder folder{t.path() / "usr/share/quirn", t.path() / "home/.local/share/quirn"};
    Install() {
        t.write("usr/share/quirn/quirn.cfg", "shipped");
        t.write("usr/share/quirn/Puzzles/Quick/game1.puz", "one");
        t.write("usr/share/quirn/Puzzles/Quick/game2.puz", "two");
        t.write("usr/share/quirn/Puzzles/Quick/level.dat", " 1 \r\n");
    }
};

TEST(PlayerFolder, ReadsLookInThePlayersFolderFirst) {
    Install install;
    const ProgramFolder& folder = install.folder;
    EXPECT_EQ(folder.readFile("puzzles/quick/level.dat"), " 1 \r\n");
    install.t.write("home/.local/share/quirn/puzzles/quick/level.dat", " 2 \r\n");
    install.t.write("home/.local/share/quirn/puzzles/quick/game120.puz", "mine");
    // A name in the player's folder hides the shipped one of any letter case.
    install.t.write("home/.local/share/quirn/puzzles/quick/Game2.puz", "my two");
    EXPECT_EQ(folder.readFile("Puzzles/Quick/level.dat"), " 2 \r\n");
    EXPECT_EQ(folder.readFile("puzzles/quick/game2.puz"), "my two");
    EXPECT_EQ(folder.readFile("puzzles/quick/game1.puz"), "one");
    EXPECT_EQ(folder.relativeName(folder.resolve("puzzles/quick/game1.puz")),
              "Puzzles/Quick/game1.puz");
    EXPECT_EQ(folder.listFiles("puzzles/quick"),
              (std::vector<std::string>{"game1.puz", "game120.puz", "Game2.puz", "level.dat"}));
}

TEST(PlayerFolder, WritesGoToThePlayersFolderLaidOutLikeTheInstall) {
    Install install;
    const TempFolder& t = install.t;
    const WriteResult progress = install.folder.writeFile("puzzles/quick/level.dat", " 2 \r\n");
    ASSERT_TRUE(progress.written()) << progress.error;
    EXPECT_EQ(progress.target, t.path() / "home/.local/share/quirn/Puzzles/Quick/level.dat");
    ASSERT_TRUE(install.folder.writeFile("quirn.cfg", "mine").written());
    EXPECT_EQ(t.read("home/.local/share/quirn/Puzzles/Quick/level.dat"), " 2 \r\n");
    EXPECT_EQ(t.read("home/.local/share/quirn/quirn.cfg"), "mine");
    EXPECT_EQ(t.read("usr/share/quirn/Puzzles/Quick/level.dat"), " 1 \r\n");
    EXPECT_EQ(t.read("usr/share/quirn/quirn.cfg"), "shipped");
    // A folder the install does not have is not made.
    EXPECT_FALSE(install.folder.writeFile("puzzles/quick!/level.dat", "x").written());
    EXPECT_FALSE(fs::exists(t.path() / "home/.local/share/quirn/puzzles/quick!"));
    // Nor through a link that leads out of the player's folder.
    fs::create_directories(t.path() / "elsewhere");
    fs::remove_all(t.path() / "home/.local/share/quirn/Puzzles");
    fs::create_symlink(t.path() / "elsewhere", t.path() / "home/.local/share/quirn/Puzzles");
    EXPECT_FALSE(install.folder.writeFile("puzzles/quick/level.dat", " 3 \r\n").written());
    EXPECT_TRUE(fs::is_empty(t.path() / "elsewhere"));
}

// Root may write anywhere; an install's shipped files stay as shipped all the same.
TEST(PlayerFolder, AnInstallIsNeverWrittenWhereverThePlayerMayWrite) {
    TempFolder t;
    t.write("usr/share/quirn/quirn.cfg", "shipped");
    ASSERT_EQ(::setenv("XDG_DATA_HOME", (t.path() / "data").c_str(), 1), 0);
    const ProgramFolder own = openProgramFolder(t.path() / "usr/share/quirn");
    const ProgramFolder installed =
        openProgramFolder(t.path() / "usr/share/quirn", DataFolderKind::installed);
    ::unsetenv("XDG_DATA_HOME");
    ASSERT_TRUE(installed.writeFile("quirn.cfg", "mine").written());
    EXPECT_EQ(t.read("usr/share/quirn/quirn.cfg"), "shipped");
    EXPECT_EQ(t.read("data/quirn-puzzle/quirn.cfg"), "mine");
    ASSERT_TRUE(own.writeFile("quirn.cfg", "in place").written());
    EXPECT_EQ(t.read("usr/share/quirn/quirn.cfg"), "in place");
}

} // namespace
} // namespace quirn
