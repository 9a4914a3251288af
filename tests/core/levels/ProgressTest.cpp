#include "core/levels/LevelFile.h"
#include "core/levels/ProgressFile.h"
#include "support/Levels.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

using test::Game;

TEST(ProgressFile, ExactBytes) {
    EXPECT_EQ(formatProgress(12), " 12 \r\n");
    EXPECT_EQ(formatProgress(4), " 4 \r\n");
    EXPECT_EQ(formatProgress(1000), " 1000 \r\n");
    EXPECT_EQ(formatProgress(-3), "-3 \r\n");
    EXPECT_EQ(formatProgress(0), " 0 \r\n");
}

TEST(ProgressFile, Reading) {
    struct Case {
        const char* what;
        std::string bytes;
        std::optional<std::int16_t> number;
    };
    const Case cases[] = {
        {"as written", " 12 \r\n", 12},    {"no blanks", "7", 7},
        {"negative", "-3 \r\n", -3},       {"tabs and lines", "\t\r\n 5\r\n9", 5},
        {"text after", "42 levels", 42},   {"empty", "", std::nullopt},
        {"letters", "abc", std::nullopt},  {"too large", "40000", std::nullopt},
        {"limit", "32767", 32767},         {"huge digits", std::string(5000, '9'), std::nullopt},
        {"sign only", "-", std::nullopt},  {"fraction rounds", "7.6\r\n", 8},
        {"half rounds to even", "6.5", 6}, {"number glued to text", "12abc", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(parseProgress(c.bytes), c.number) << c.what;
}

TEST(ProgressFile, SeriesNumbers) {
    const std::set<int> numbers = seriesNumbers(
        {"game1.puz", "Game5.PUZ", "game007.puz", "game12.5.puz", "game-3.puz", "game.puz",
         "games1.puz", "game2.puz.bak", "game0.puz", "game-0.puz", "level.dat"});
    EXPECT_EQ(numbers, (std::set<int>{-3, 0, 1, 5}));
}

struct SeriesCase {
    const char* what;
    std::string levelDat;
    std::vector<int> files;
    std::vector<std::string> messages;
    int loaded;
    std::string levelDatAfter;
};

TEST(Progress, MissingAndFinaleAtStartUp) {
    const std::string finale =
        "Success!  You have completed all quick levels!  More may be available for download from "
        "our site.  In the meantime the game will return to the beginning for this size";
    const SeriesCase cases[] = {
        {"present", " 5 \r\n", {4, 5, 6}, {}, 5, " 5 \r\n"},
        {"jumps over missing", " 5 \r\n", {4, 7}, {"Levels missing? Jumping to: 7"}, 7, " 5 \r\n"},
        {"finished series", " 998 \r\n", {1, 2, 3, 4}, {finale}, 4, " 4 \r\n"},
        {"1000 is silent before the finale", " 1000 \r\n", {4}, {finale}, 4, " 4 \r\n"},
        {"no level.dat searches from 0", "", {1, 2}, {"Levels missing? Jumping to: 1"}, 1, ""},
        {"garbage level.dat is like none", "xyz", {1}, {"Levels missing? Jumping to: 1"}, 1, "xyz"},
        {"above 1000 counts as finished", " 5000 \r\n", {4}, {finale}, 4, " 4 \r\n"},
        {"negative searched upwards",
         "-32768 \r\n",
         {3},
         {"Levels missing? Jumping to: 3"},
         3,
         "-32768 \r\n"},
    };
    for (const SeriesCase& c : cases) {
        SCOPED_TRACE(c.what);
        Game game;
        game.folder.write("quirn.cfg", test::config("quick"));
        if (!c.levelDat.empty()) game.folder.write("puzzles/quick/level.dat", c.levelDat);
        for (int n : c.files)
            game.folder.write("puzzles/quick/game" + std::to_string(n) + ".puz",
                              std::to_string(n) + ",\r\n,\r\n\r\nLevel " + std::to_string(n) +
                                  "\r\n");
        game.start();
        std::vector<std::string> texts;
        for (const auto& m : game.platform.messages) {
            texts.push_back(m.text);
            EXPECT_EQ(m.title, "Quirn");
        }
        EXPECT_EQ(texts, c.messages);
        EXPECT_EQ(game->state.gameNumber, c.loaded);
        EXPECT_EQ(game->solutionText(), std::to_string(c.loaded) + ",");
        EXPECT_EQ(game->model[ControlId::Label5].caption, "Game: " + std::to_string(c.loaded));
        EXPECT_EQ(game.folder.read("puzzles/quick/level.dat"), c.levelDatAfter);
    }
}

TEST(Progress, StartUpShowsTheStartScreenOnLevelOne) {
    for (int level : {1, 2}) {
        Game game;
        game.folder.write("quirn.cfg", test::config("normal"));
        game.folder.write("puzzles/normal/level.dat", " " + std::to_string(level) + " \r\n");
        game.folder.write("puzzles/normal/game1.puz", test::twoSquareLevel());
        game.folder.write("puzzles/normal/game2.puz", test::twoSquareLevel());
        game.start();
        const Control& start = game->model[ControlId::Picture1];
        EXPECT_EQ(start.visible, level == 1);
        if (level == 1) {
            EXPECT_EQ(start.top, (16200 - 8430) / 2.0 + 1000);
            EXPECT_EQ(start.left, 6810 / 2.0 - 1925);
        }
        EXPECT_FALSE(game->model[ControlId::Command1].visible);
        EXPECT_FALSE(game->model[ControlId::Command3].visible);
        EXPECT_FALSE(game->model[ControlId::Text3].visible);
        EXPECT_FALSE(game->model[ControlId::Command2].enabled);
        EXPECT_EQ(game->state.hintFactor, 1);
        EXPECT_EQ(game->state.playMode, 0);
        EXPECT_EQ(game->state.bestPossible, 6);
        EXPECT_EQ(game->model[ControlId::Combo1].items.size(), 4u);
        EXPECT_EQ(game->model[ControlId::Image1].picture, "");
        EXPECT_EQ(game->model.squares[0].clue, "3");
        EXPECT_EQ(game->model.squares[0].textColour, 16777215u);
        EXPECT_EQ(game->model[ControlId::Command2].backColor, 192u);
    }
}

TEST(Progress, StartScreenFollowsTheWindowsOwnTop) {
    Game game;
    game.folder.write("quirn.cfg", test::config("quick"));
    game.folder.write("puzzles/quick/level.dat", " 1 \r\n");
    game.folder.write("puzzles/quick/game1.puz", test::twoSquareLevel());
    game.platform.top = 0; // a window not yet placed on the screen
    game.start();
    EXPECT_EQ(game->model[ControlId::Picture1].top, 1000);
    EXPECT_EQ(game->model[ControlId::Picture1].left, 1000);
}

TEST(Progress, NextGameLoadsWhatLevelDatNames) {
    Game game;
    game.folder.write("quirn.cfg", test::config("quick"));
    game.folder.write("setup/red.jpg", "picture");
    game.folder.write("puzzles/quick/level.dat", " 1 \r\n");
    game.folder.write("puzzles/quick/game1.puz", test::twoSquareLevel("First!"));
    game.folder.write("puzzles/quick/Game2.PUZ", "1,\r\n,0-2,\r\nnotes\r\n");
    game.start();
    EXPECT_EQ(game->model[ControlId::Image1].picture, "setup/red.jpg");
    for (int i : {23, 12, 13, 14, 17, 21}) game->Label1_MouseDown(i, 2);
    for (int i : {23, 12, 13, 14, 17, 21}) game->Label1_MouseDown(i, 1);
    ASSERT_TRUE(game->model[ControlId::Command2].enabled);
    EXPECT_TRUE(game->clickControl(ControlId::Command2).taken());
    const Form1& f = *game;
    EXPECT_EQ(f.state.gameNumber, 2);
    EXPECT_EQ(f.model[ControlId::Label5].caption, "Game: 2");
    EXPECT_FALSE(f.model[ControlId::Command2].enabled);
    EXPECT_EQ(f.solutionText(), "1,");
    EXPECT_EQ(f.extraText(), "notes");
    EXPECT_EQ(f.model[ControlId::Text5].caption, "notes");
    EXPECT_EQ(f.model.squares[0].clue, "2");
    EXPECT_EQ(f.model.squares[1].clue, "");
    for (const Segment& s : f.model.segments) {
        EXPECT_FALSE(s.marked);
        EXPECT_TRUE(s.outlined);
    }
    // Line 4 missing: the message of the level before stays.
    EXPECT_EQ(f.state.successMessage, "First!");
    EXPECT_EQ(f.state.bestPossible, 1);
    EXPECT_TRUE(f.state.gameInProgress);
}

TEST(Progress, UnreadableLevelLeavesNothingWinnable) {
    // An empty file, and one of empty lines only.
    for (const std::string& broken : {std::string(), std::string("\r\n\n\r")}) {
        Game game;
        game.folder.write("quirn.cfg", test::config("quick"));
        game.folder.write("puzzles/quick/level.dat", " 1 \r\n");
        game.folder.write("puzzles/quick/game1.puz", test::twoSquareLevel());
        game.start();
        game.folder.write("puzzles/quick/level.dat", " 2 \r\n");
        game.folder.write("puzzles/quick/game2.puz", broken);
        game->nextgame();
        EXPECT_EQ(game->solutionText(), "");
        EXPECT_EQ(game->clueText(), "");
        EXPECT_EQ(game->state.successMessage, "Well done!");
        for (const Square& s : game->model.squares) EXPECT_EQ(s.clue, "");
        for (int i : {23, 12, 13, 14, 17, 21}) game->Label1_MouseDown(i, 1);
        for (int i : {23, 12, 13, 14, 17, 21}) game->Label1_MouseDown(i, 1); // board empty again
        EXPECT_EQ(game->markedText(), "");
        EXPECT_TRUE(game->state.gameInProgress);
        EXPECT_EQ(game->model[ControlId::Label5].caption, "Game: 2");
        EXPECT_EQ(game.folder.read("puzzles/quick/level.dat"), " 2 \r\n");
        EXPECT_EQ(game->state.bestPossible, 0);
    }
}

TEST(Progress, AGiantLineIsCutAtTheReadLimit) {
    Game game;
    game.folder.write("quirn.cfg", test::config("quick"));
    game.folder.write("puzzles/quick/level.dat", " 1 \r\n");
    game.folder.write("puzzles/quick/game1.puz", std::string(3 << 20, ','));
    game.start();
    EXPECT_EQ(game->solutionText().size(), kLevelFileLimit);
    EXPECT_EQ(game->state.bestPossible, 32767);
    game->Label1_MouseDown(23, 1);
    EXPECT_TRUE(game->state.gameInProgress);
}

TEST(Progress, UnwritableProgressDoesNotStopTheGame) {
    Game game;
    game.folder.write("quirn.cfg", test::config("quick"));
    game.folder.write("puzzles/quick/level.dat", " 1 \r\n");
    game.folder.write("puzzles/quick/game1.puz", test::twoSquareLevel());
    game.start();
    std::filesystem::permissions(game.folder.path() / "puzzles/quick/level.dat",
                                 std::filesystem::perms::owner_read);
    for (int i : {23, 12, 13, 14, 17, 21}) game->Label1_MouseDown(i, 1);
    EXPECT_EQ(game->model[ControlId::Label5].caption, "Well done! - A Perfect Score!");
    EXPECT_EQ(game.folder.read("puzzles/quick/level.dat"), " 1 \r\n");
}

} // namespace
} // namespace quirn
