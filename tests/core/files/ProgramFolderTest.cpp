#include "core/files/ProgramFolder.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

TEST(ProgramFolder, NamesMatchWithoutRegardToCase) {
    TempFolder t;
    t.write("puzzles/hard/game17.puz", "a");
    t.write("puzzles/hard/level.dat", "b");
    ProgramFolder folder(t.path());
    struct Case {
        const char* asked;
        const char* found; // relative on-disk name
    };
    for (const Case& c : {Case{"puzzles/hard/game17.puz", "puzzles/hard/game17.puz"},
                          Case{"Puzzles\\Hard\\Game17.PUZ", "puzzles/hard/game17.puz"},
                          Case{"/puzzles//HARD/level.dat", "puzzles/hard/level.dat"},
                          Case{"puzzles/HARD/new.dat", "puzzles/hard/new.dat"},
                          Case{"PUZZLES/none/x", "puzzles/none/x"}})
        EXPECT_EQ(folder.relativeName(folder.resolve(c.asked)), c.found) << c.asked;
    EXPECT_TRUE(folder.fileExists("PUZZLES/hard/GAME17.puz"));
    EXPECT_FALSE(folder.fileExists("puzzles/hard"));
    EXPECT_EQ(folder.readFile("puzzles/Hard/Game17.puz"), "a");
}

TEST(ProgramFolder, ExactCaseWinsWhenBothExist) {
    TempFolder t;
    t.write("setup/Mono.jpg", "exact");
    t.write("setup/mono.jpg", "other");
    ProgramFolder folder(t.path());
    EXPECT_EQ(folder.readFile("setup/Mono.jpg"), "exact");
    EXPECT_EQ(folder.readFile("setup/mono.jpg"), "other");
    EXPECT_TRUE(folder.readFile("setup/MONO.jpg").has_value());
}

TEST(ProgramFolder, NewFileLandsInTheFolderThatMatched) {
    TempFolder t;
    t.write("Puzzles/Quick/game1.puz", "x");
    ProgramFolder folder(t.path());
    ASSERT_TRUE(folder.writeFile("puzzles/quick/skipped.dat", "Game: 1\r\n"));
    EXPECT_EQ(t.read("Puzzles/Quick/skipped.dat"), "Game: 1\r\n");
    EXPECT_FALSE(t.exists("puzzles"));
}

TEST(ProgramFolder, ReadsRefuseWhatIsNotAPlainSmallFile) {
    TempFolder t;
    t.write("big.dat", std::string(5000, 'x'));
    fs::create_directories(t.path() / "dir.puz");
    ProgramFolder folder(t.path());
    EXPECT_FALSE(folder.readFile("big.dat", 4096).has_value());
    EXPECT_EQ(folder.readStart("big.dat", 4096)->size(), 4096u);
    EXPECT_EQ(folder.readStart("big.dat", 9000)->size(), 5000u);
    EXPECT_FALSE(folder.readStart("dir.puz").has_value());
    EXPECT_EQ(folder.readFile("big.dat", 5000)->size(), 5000u);
    EXPECT_FALSE(folder.readFile("dir.puz").has_value());
    EXPECT_FALSE(folder.readFile("missing").has_value());
    // Nothing outside the folder is reachable, even a path that comes back into it.
    EXPECT_FALSE(folder.readFile("../" + t.path().filename().string() + "/big.dat", 9000));
    EXPECT_FALSE(folder.writeFile("puzzles/../../escape.dat", "x"));
    EXPECT_FALSE(fs::exists(t.path().parent_path() / "escape.dat"));
    EXPECT_TRUE(folder.listFiles("..").empty());
}

TEST(ProgramFolder, WritesReplaceAtomically) {
    TempFolder t;
    ProgramFolder folder(t.path());
    t.write("level.dat", "old");
    ASSERT_TRUE(folder.writeFile("LEVEL.DAT", "new"));
    EXPECT_EQ(t.read("level.dat"), "new");
    EXPECT_FALSE(t.exists("LEVEL.DAT"));
    // Nothing but the file itself is left behind.
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(t.path())) ++entries;
    EXPECT_EQ(entries, 1);
    EXPECT_FALSE(folder.writeFile("no/such/folder/file", "x"));
}

TEST(ProgramFolder, ReadOnlyFilesAreNeverReplaced) {
    TempFolder t;
    ProgramFolder folder(t.path());
    t.write("quirn.cfg", "keep");
    fs::permissions(t.path() / "quirn.cfg", fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(folder.writeFile("quirn.cfg", "lost"));
    EXPECT_EQ(t.read("quirn.cfg"), "keep");
}

TEST(ProgramFolder, LinksAreWrittenThrough) {
    TempFolder t;
    ProgramFolder folder(t.path());
    t.write("real/level.dat", " 1 \r\n");
    fs::create_directories(t.path() / "puzzles");
    fs::create_symlink("../real/level.dat", t.path() / "puzzles/level.dat");
    ASSERT_TRUE(folder.writeFile("puzzles/level.dat", " 2 \r\n"));
    EXPECT_TRUE(fs::is_symlink(t.path() / "puzzles/level.dat"));
    EXPECT_EQ(t.read("real/level.dat"), " 2 \r\n");
}

TEST(ProgramFolder, PermissionsOfAReplacedFileStay) {
    TempFolder t;
    ProgramFolder folder(t.path());
    t.write("a.puz", "x");
    fs::permissions(t.path() / "a.puz", fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(folder.writeFile("a.puz", "y"));
    EXPECT_EQ(fs::status(t.path() / "a.puz").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST(ProgramFolder, ListsPlainFilesSorted) {
    TempFolder t;
    t.write("p/b.puz", "");
    t.write("p/a.puz", "");
    fs::create_directories(t.path() / "p/sub");
    ProgramFolder folder(t.path());
    t.write("p/C.puz", "");
    EXPECT_EQ(folder.listFiles("P"), (std::vector<std::string>{"a.puz", "b.puz", "C.puz"}));
    EXPECT_TRUE(folder.listFiles("none").empty());
}

} // namespace
} // namespace quirn
