// A system-wide install played by normal users: the program folder read-only, each
// player's files in their own folder, found through XDG_DATA_HOME or HOME.
#include "Driver.h"
#include "support/LevelFiles.h"

#include <map>
#include <unistd.h>

namespace quirn::test {
namespace {

namespace fs = std::filesystem;

struct Player {
    std::string name;
    bool withXdg = true; // else only HOME says where
};

// The players' homes, writable by everyone: as root the driver runs as the unprivileged
// user 65534, since root may write anywhere.
struct Homes : TempFolder {
    Homes() { fs::permissions(path(), fs::perms::all); }
    fs::path home(const Player& p) const { return path() / p.name; }
    fs::path dataHome(const Player& p) const {
        return p.withXdg ? path() / (p.name + "-data") : home(p) / ".local/share";
    }
    std::string playerFile(const Player& p, const std::string& relative) const {
        return read((dataHome(p) / "quirn-puzzle" / relative).lexically_relative(path()));
    }
    std::vector<std::string> launcher(const Player& p, bool unprivileged) const {
        for (const fs::path& folder : {home(p), dataHome(p)}) {
            fs::create_directories(folder);
            fs::permissions(folder, fs::perms::all);
        }
        std::vector<std::string> words = {"env", "-u", "XDG_DATA_HOME", "HOME=" + home(p).string()};
        if (p.withXdg) words.push_back("XDG_DATA_HOME=" + dataHome(p).string());
        if (unprivileged && ::geteuid() == 0)
            for (const char* word : {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"})
                words.push_back(word);
        return words;
    }
};

// Every file below a folder with its bytes.
std::map<std::string, std::string> snapshot(const TempFolder& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder.path())) {
        const std::string relative = entry.path().lexically_relative(folder.path()).string();
        if (entry.is_regular_file()) files[relative] = folder.read(relative);
    }
    return files;
}

// The quick series of three levels in a program folder no player may write.
class ReadOnlyInstall {
  public:
    ReadOnlyInstall() {
        folder_.write("quirn.cfg", config("quick"));
        folder_.write("puzzles/quick/level.dat", progress(1));
        folder_.write("puzzles/quick/game1.puz", twoSquareLevel());
        folder_.write("puzzles/quick/game2.puz", level("6,21,24,25,", ",2-4,", "Two"));
        folder_.write("puzzles/quick/game3.puz", level("6,21,24,25,", ",2-4,", "Three"));
        setWritable(false);
        shipped_ = snapshot(folder_);
    }
    ~ReadOnlyInstall() { setWritable(true); }

    ScriptRun play(const Player& player, const std::string& script) const {
        const ScriptRun run = runScript(folder_, script, false, homes.launcher(player, true));
        EXPECT_EQ(run.exitCode, 0) << run.errors;
        for (const std::string& event : run.events())
            EXPECT_THAT(event, ::testing::Not(HasSubstr("could not be saved")));
        EXPECT_EQ(snapshot(folder_), shipped_) << "the install changed";
        return run;
    }

    Homes homes;

  private:
    void setWritable(bool writable) const {
        const auto set = [writable](const fs::path& path) {
            fs::permissions(path, fs::perms::owner_write | fs::perms::group_write,
                            writable ? fs::perm_options::add : fs::perm_options::remove);
        };
        set(folder_.path());
        for (const auto& entry : fs::recursive_directory_iterator(folder_.path()))
            set(entry.path());
    }

    GameFolder folder_;
    std::map<std::string, std::string> shipped_;
};

TEST(PlayerFolder, AnUnprivilegedPlayerContinuesWhereTheyLeftOff) {
    const ReadOnlyInstall install;
    const Player ada{"ada"};
    install.play(ada, "start\n" + pressing(kTwoSquarePresses) +
                          "click Command2\nclick mskip\nclick mnalt\nclick mcreate\n"
                          "press 6 1\ntype Text3 120\nanswer input Mine\nclick Command1\n");
    const Homes& homes = install.homes;
    EXPECT_EQ(homes.playerFile(ada, "quirn.cfg"),
              crlf({"quick", "blue.jpg", "16777215", "16711680", "16777215", "True"}));
    EXPECT_EQ(homes.playerFile(ada, "puzzles/quick/level.dat"), progress(3));
    EXPECT_EQ(homes.playerFile(ada, "puzzles/quick/skipped.dat"), "Game: 2\r\n");
    EXPECT_EQ(homes.playerFile(ada, "puzzles/quick/game120.puz"), crlf({"6,", "", "", "Mine"}));

    const std::vector<std::string> s =
        install
            .play(ada, "start\nstate\nclick mnopen\nstate\nclick Command9\nclick mshows\nstate\n")
            .states();
    ASSERT_EQ(s.size(), 3u);
    EXPECT_THAT(s[0], HasSubstr(caption("Label5", "Game: 3")));
    EXPECT_THAT(s[0], HasSubstr(R"("picture":"setup/blue.jpg")"));
    EXPECT_THAT(s[1], HasSubstr(R"("items":["game1.puz","game120.puz","game2.puz","game3.puz"])"));
    EXPECT_THAT(s[2], HasSubstr(R"("List1":{"items":["Game: 2"],"selected":0})"));
}

TEST(PlayerFolder, TwoPlayersKeepTheirOwnProgress) {
    const ReadOnlyInstall install;
    const Player ada{"ada"}, bob{"bob", false};
    install.play(ada, "start\n" + pressing(kTwoSquarePresses));
    EXPECT_THAT(install.play(bob, "start\nstate\n").states().at(0),
                HasSubstr(caption("Label5", "Game: 1")));
    install.play(bob, "start\n" + pressing(kTwoSquarePresses) + "click Command2\nclick mskip\n");
    EXPECT_THAT(install.play(ada, "start\nstate\n").states().at(0),
                HasSubstr(caption("Label5", "Game: 2")));
    EXPECT_EQ(install.homes.playerFile(ada, "puzzles/quick/level.dat"), progress(2));
    EXPECT_EQ(install.homes.playerFile(bob, "puzzles/quick/level.dat"), progress(3));
    EXPECT_EQ(install.homes.playerFile(ada, "puzzles/quick/skipped.dat"), "");
}

TEST(PlayerFolder, AWritableProgramFolderKeepsEverything) {
    GameFolder folder;
    folder.write("quirn.cfg", config("quick"));
    folder.write("puzzles/quick/level.dat", progress(1));
    folder.write("puzzles/quick/game1.puz", twoSquareLevel());
    const Homes homes;
    const Player ada{"ada"};
    const ScriptRun run = runScript(folder, "start\n" + pressing(kTwoSquarePresses), false,
                                    homes.launcher(ada, false));
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(folder.read("puzzles/quick/level.dat"), progress(2));
    EXPECT_FALSE(fs::exists(homes.dataHome(ada) / "quirn-puzzle"));
}

} // namespace
} // namespace quirn::test
