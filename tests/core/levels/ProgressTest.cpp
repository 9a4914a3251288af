#include "core/levels/LevelFile.h"
#include "core/levels/ProgressFile.h"
#include "support/Game.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

TEST(ProgressFile, ReadAndWritten) {
    const std::pair<std::string, std::optional<std::int16_t>> cases[] = {
        {" 12 \r\n", 12}, {"\t\r\n-3\r\n9", -3},   {"42 levels", 42},       {"7.5", 8},
        {"32767", 32767}, {"40000", std::nullopt}, {"12abc", std::nullopt}, {"", std::nullopt}};
    for (const auto& [bytes, number] : cases) EXPECT_EQ(parseProgress(bytes), number) << bytes;
    EXPECT_EQ(formatProgress(12), " 12 \r\n");
    EXPECT_EQ(formatProgress(-3), "-3 \r\n");
    EXPECT_EQ(seriesNumbers({"game1.puz", "Game5.PUZ", "game007.puz", "game12.5.puz", "game-3.puz",
                             "game.puz", "games1.puz", "game0.puz", "game-0.puz", "level.dat"}),
              (std::set<int>{-3, 0, 1, 5}));
}

TEST(Progress, StartUpFindsTheLevelToPlay) {
    const std::string finale =
        "Success!  You have completed all quick levels!  More may be available for download from "
        "our site.  In the meantime the game will return to the beginning for this size";
    const std::string jump = "Levels missing? Jumping to: ";
    struct Case {
        std::string levelDat;
        std::vector<int> files;
        test::Texts messages;
        int loaded;
        std::string levelDatAfter;
        const char* prefix = "game"; // of the level files' names
    };
    const Case cases[] = {
        {" 5 \r\n", {4, 5, 6}, {}, 5, " 5 \r\n"},
        {" 5 \r\n", {4, 7}, {jump + "7"}, 7, " 5 \r\n"},
        {" 998 \r\n", {1, 2, 3, 4}, {finale}, 4, " 4 \r\n"}, // past the last: back to 4
        {" 5000 \r\n", {4}, {finale}, 4, " 4 \r\n"},
        {"xyz", {1}, {jump + "1"}, 1, "xyz"},
        {" 5 \r\n", {4, 5}, {}, 5, " 5 \r\n", "GAME"}, // found in any letter case
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.levelDat);
        test::Game game;
        for (int n : c.files)
            game.folder.write("puzzles/quick/" + (c.prefix + std::to_string(n)) + ".puz",
                              test::level(std::to_string(n) + ",", ","));
        game.folder.write("quirn.cfg", test::config("quick"));
        game.folder.write("puzzles/quick/level.dat", c.levelDat);
        game->Form_Load();
        EXPECT_EQ(game.platform.messages, c.messages);
        EXPECT_EQ(game->solutionText(), std::to_string(c.loaded) + ",");
        EXPECT_EQ(game.status(), "Game: " + std::to_string(c.loaded));
        EXPECT_EQ(game.file("level.dat"), c.levelDatAfter);
    }
}

// Level 1 opens with the start screen, a little below the window's top.
TEST(Progress, StartScreenOnLevelOneOnly) {
    struct Case {
        int level;
        std::optional<double> windowTop;
        double top;
    };
    for (const Case& c :
         {Case{1, std::nullopt, (16200 - 8430) / 2 + 1000}, Case{1, 0, 1000}, Case{2, 0, 0}}) {
        test::Game game;
        game.platform.top = c.windowTop;
        game.start("normal", c.level, {{1, test::twoSquareLevel()}, {2, test::twoSquareLevel()}});
        const Control& start = game->model[ControlId::Picture1];
        EXPECT_EQ(start.visible, c.level == 1);
        EXPECT_EQ(start.top, c.level == 1 ? c.top : 8430 - 7000);
        EXPECT_EQ(start.left, 6810 / 2 - 1925);
    }
}

TEST(Progress, RestartSeriesFromATypedLevel) {
    for (const auto& [answer, levelDat] :
         {std::pair{"101", 101}, {" 7.4 ", 7}, {"0", 0}, {"", 2}, {"abc", 2}, {"99999", 2}}) {
        SCOPED_TRACE(answer);
        test::Game game;
        game.start("hard", 2,
                   {{2, test::twoSquareLevel()},
                    {7, test::twoSquareLevel()},
                    {101, test::twoSquareLevel()}});
        game->state.playMode = 2;
        game.platform.inputs.push_back(answer);
        game->clickMenu(MenuId::mrest);
        EXPECT_EQ(game.file("level.dat"), test::progress(levelDat));
        EXPECT_EQ(game.status(), "Game: " + std::to_string(levelDat == 0 ? 2 : levelDat));
        EXPECT_EQ(game->state.playMode, levelDat == 2 ? 2 : 0);
    }
}

// A level file that can't be read leaves a board no presses can win.
TEST(Progress, AnUnreadableLevelLeavesNothingToWin) {
    for (const std::string broken : {"", "\r\n\n\r"}) {
        test::Game game;
        game.start("quick", 2, {{2, broken}});
        EXPECT_EQ(game->solutionText(), "");
        for (const Square& s : game->model.squares) EXPECT_EQ(s.clue, "");
        game.press(test::kTwoSquarePresses);
        game.press(test::kTwoSquarePresses); // the board empty again
        EXPECT_TRUE(game->state.gameInProgress);
    }
}

TEST(Progress, LevelFilesAreReadOnlyUpToTheirLimit) {
    test::Game game;
    game.start("quick", 1, {{1, std::string(3 << 20, ',')}});
    EXPECT_EQ(game->solutionText().size(), kLevelFileLimit);
}

TEST(Progress, AnUnwritableProgressFileDoesNotStopTheGame) {
    test::Game game;
    game.startQuick();
    std::filesystem::permissions(game.folder.path() / "puzzles/quick/level.dat",
                                 std::filesystem::perms::owner_read);
    game.press(test::kTwoSquarePresses);
    EXPECT_EQ(game.status(), "Well done! - A Perfect Score!");
    EXPECT_EQ(game.file("level.dat"), test::progress(1));
}

} // namespace
} // namespace quirn
