// Writes never leave the game's folders, never lose the old file, and a failure is told.
#include "core/files/ProgramFolder.h"
#include "support/Game.h"

#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quirn {
namespace {

namespace fs = std::filesystem;
using test::Game;
using test::TempFolder;

std::vector<std::string> entriesOf(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        names.push_back(entry.path().lexically_relative(folder).string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(WriteSafety, LinksLeadingOutOfTheFoldersAreRefused) {
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, const char*>> links; // link in game/, target
        const char* written; // the file a write to "puzzles/level.dat" changes, or none
    };
    const Case cases[] = {
        {"to an outside file", {{"puzzles/level.dat", "../../outside/secret.txt"}}, nullptr},
        {"absolute, to an outside file", {{"puzzles/level.dat", "@/outside/secret.txt"}}, nullptr},
        {"dangling, to an outside name", {{"puzzles/level.dat", "../../outside/new.dat"}}, nullptr},
        {"folder to an outside folder", {{"puzzles", "../outside"}}, nullptr},
        {"loop", {{"puzzles/level.dat", "level.dat"}}, nullptr},
        {"two-link loop", {{"puzzles/level.dat", "a"}, {"puzzles/a", "level.dat"}}, nullptr},
        {"inside, then out",
         {{"puzzles/level.dat", "a"}, {"puzzles/a", "../../outside/secret.txt"}},
         nullptr},
        {"inside", {{"puzzles/level.dat", "../real/level.dat"}}, "real/level.dat"},
        {"dangling, inside", {{"puzzles/level.dat", "new.dat"}}, "puzzles/new.dat"},
        {"folder inside", {{"puzzles", "real"}}, "real/level.dat"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder t;
        t.write("outside/secret.txt", "keep");
        t.write("game/real/level.dat", " 1 \r\n");
        fs::create_directories(t.path() / "game/puzzles");
        for (const auto& [link, target] : c.links) {
            fs::remove(t.path() / "game" / link);
            const std::string to = target[0] == '@' ? (t.path() / (target + 2)).string() : target;
            fs::create_symlink(to, t.path() / "game" / link);
        }
        const std::vector<std::string> before = entriesOf(t.path());
        const WriteResult result =
            ProgramFolder(t.path() / "game").writeFile("puzzles/level.dat", " 2 \r\n");
        EXPECT_EQ(result.written(), c.written != nullptr) << result.error;
        EXPECT_EQ(t.read("outside/secret.txt"), "keep");
        if (c.written) {
            EXPECT_EQ(t.read(std::string("game/") + c.written), " 2 \r\n");
            EXPECT_TRUE(fs::is_symlink(t.path() / "game" / c.links[0].first));
        } else {
            EXPECT_EQ(entriesOf(t.path()), before);
        }
    }
}

// Runs body in a child whose files can't grow past limit bytes: a full disk, as near as
// a test can come without mounting one. The child's exit code.
int inChildWithFileLimit(rlim_t limit, const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit cap{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &cap);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(WriteSafety, AFullDiskKeepsTheOldFile) {
    TempFolder t;
    t.write("puzzles/quick/level.dat", " 7 \r\n");
    const ProgramFolder folder(t.path());
    const int code = inChildWithFileLimit(8, [&folder] {
        const WriteResult result =
            folder.writeFile("puzzles/quick/level.dat", std::string(64, ' '));
        return result.written() ? 1 : result.error == "File too large" ? 0 : 2;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(t.read("puzzles/quick/level.dat"), " 7 \r\n");
    EXPECT_EQ(entriesOf(t.path() / "puzzles/quick"), std::vector<std::string>{"level.dat"});
}

TEST(WriteSafety, AFailedSaveIsToldOncePerRun) {
    Game game;
    game.start(
        "quick", 1,
        {{1, test::twoSquareLevel()}, {2, test::twoSquareLevel()}, {120, test::twoSquareLevel()}});
    for (const char* file : {"quirn.cfg", "puzzles/quick/level.dat", "puzzles/quick/game120.puz"})
        fs::permissions(game.folder.path() / file, fs::perms::owner_read);
    game->clickMenu(MenuId::mskip);
    game->clickMenu(MenuId::mnalt);
    game->clickMenu(MenuId::mskip);
    const std::string progressFile = (game.folder.path() / "puzzles/quick/level.dat").string();
    EXPECT_EQ(game.platform.messages,
              std::vector<std::string>{"Your progress could not be saved to " + progressFile +
                                       ": Permission denied. Play goes on; this message is shown "
                                       "once."});
    EXPECT_EQ(game.status(), "Game: 1"); // the level is played again
    EXPECT_EQ(game.folder.read("quirn.cfg"), test::config("quick"));

    // The editor's own save says why every time.
    game->clickMenu(MenuId::mcreate);
    for (int run = 0; run < 2; ++run) {
        game->setText(ControlId::Text3, "120");
        game.platform.inputs.push_back("Hi");
        game.platform.yesNo.push_back(MessageAnswer::Yes);
        game->clickControl(ControlId::Command1);
        EXPECT_EQ(game.platform.messages.back(),
                  "The level could not be saved as game120.puz: Permission denied");
    }
    EXPECT_EQ(game.file("game120.puz"), test::twoSquareLevel());
}

} // namespace
} // namespace quirn
