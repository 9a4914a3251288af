#include "core/files/ProgramFolder.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace quirn {
namespace {

namespace fs = std::filesystem;

TEST(ProgramFolder, NamesMatchWithoutRegardToCase) {
    test::TempFolder t;
    for (const char* name : {"setup/Mono.jpg", "setup/mono.jpg", "setup/MONO.JPG", "p/b.puz",
                             "p/a.puz", "p/C.puz", "p/sub/x.puz"})
        t.write(name, name);
    const ProgramFolder folder(t.path());
    for (const auto& [asked, found] :
         {std::pair{"Setup/Mono.jpg", "setup/Mono.jpg"}, // exact first
          {"setup\\mono.jpg", "setup\\mono.jpg"},        // a backslash is part of a name
          {"/setup//./mono.jpg", "setup/mono.jpg"},
          {"setup/mONO.jpg", "setup/MONO.JPG"}, // then byte order
          {"SETUP/none/x", "setup/none/x"}})
        EXPECT_EQ(folder.relativeName(folder.resolve(asked)), found) << asked;
    EXPECT_TRUE(folder.fileExists("P/A.PUZ"));
    EXPECT_FALSE(folder.fileExists("p/sub"));
    EXPECT_EQ(folder.listFiles("P"), (std::vector<std::string>{"a.puz", "b.puz", "C.puz"}));
    ASSERT_TRUE(folder.writeFile("P/SUB/new.dat", "x").written()); // in the folder that matched
    EXPECT_EQ(t.read("p/sub/new.dat"), "x");
}

TEST(ProgramFolder, ReadsOnlyPlainFilesWithinTheirLimit) {
    test::TempFolder t;
    t.write("big.dat", std::string(5000, 'x'));
    fs::create_directories(t.path() / "dir.puz");
    // Neither may block or read forever.
    ASSERT_EQ(::mkfifo((t.path() / "fifo.puz").c_str(), 0644), 0);
    fs::create_symlink("/dev/zero", t.path() / "zero.puz");
    const ProgramFolder folder(t.path());
    for (const char* name : {"fifo.puz", "zero.puz", "dir.puz"}) {
        EXPECT_FALSE(folder.readStart(name)) << name;
        EXPECT_FALSE(folder.fileExists(name)) << name;
        EXPECT_FALSE(folder.fileExistsAsSpelled(name)) << name;
    }
    EXPECT_EQ(folder.listFiles(""), std::vector<std::string>{"big.dat"});
    EXPECT_FALSE(folder.readFile("big.dat", 4999));
    EXPECT_EQ(folder.readFile("big.dat", 5000)->size(), 5000u);
    EXPECT_EQ(folder.readStart("big.dat", 4096)->size(), 4096u);
    EXPECT_FALSE(folder.readFile("missing"));
    // Nothing outside the folder is reachable, even by a path that comes back into it.
    const std::string comingBack = "../" + t.path().filename().string() + "/big.dat";
    EXPECT_FALSE(folder.readFile(comingBack, 9000));
    EXPECT_FALSE(folder.fileExistsAsSpelled(comingBack));
    EXPECT_TRUE(folder.fileExistsAsSpelled("./big.dat"));
    EXPECT_FALSE(folder.writeFile("p/../../escape.dat", "x").written());
    EXPECT_FALSE(fs::exists(t.path().parent_path() / "escape.dat"));
    EXPECT_TRUE(folder.listFiles("..").empty());
}

TEST(ProgramFolder, WritesReplaceAtomicallyAndKeepWhatTheFileWas) {
    test::TempFolder t;
    const ProgramFolder folder(t.path());
    t.write("level.dat", "old");
    fs::permissions(t.path() / "level.dat", fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(folder.writeFile("LEVEL.DAT", "new").written());
    EXPECT_EQ(t.read("level.dat"), "new");
    EXPECT_EQ(fs::status(t.path() / "level.dat").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(std::distance(fs::directory_iterator(t.path()), fs::directory_iterator()), 1);
    EXPECT_EQ(folder.writeFile("no/such/folder/file", "x").error, "No such file or directory");

    t.write("quirn.cfg", "keep");
    fs::permissions(t.path() / "quirn.cfg", fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(folder.writeFile("quirn.cfg", "lost").error, "Permission denied"); // even for root
    EXPECT_EQ(t.read("quirn.cfg"), "keep");
}

} // namespace
} // namespace quirn
