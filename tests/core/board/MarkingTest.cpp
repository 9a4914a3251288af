#include "support/Levels.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

using test::Game;

Game& quickGame(Game& game, const std::string& sound = "True") {
    game.folder.write("quirn.cfg", test::config("quick", sound));
    game.folder.write("puzzles/quick/level.dat", " 1 \r\n");
    game.folder.write("puzzles/quick/game1.puz", test::twoSquareLevel());
    game.folder.write("puzzles/quick/game2.puz", "1,\r\n,0-1,\r\n\r\nNext!\r\n");
    game.start();
    return game;
}

TEST(Marking, PressesWithSoundOnAndOff) {
    for (const char* sound : {"True", "False"}) {
        SCOPED_TRACE(sound);
        Game game;
        quickGame(game, sound);
        const bool on = std::string(sound) == "True";
        Form1& f = *game;
        f.Label1_MouseDown(30, 1);
        EXPECT_TRUE(f.model.segments[30].marked);
        EXPECT_EQ(f.model.segments[30].colour, 65535u);
        EXPECT_EQ(f.state.moveCount, 1);
        EXPECT_EQ(f.markedText(), "30,");
        f.Label1_MouseDown(30, 2); // outline only: no move, no check
        EXPECT_FALSE(f.model.segments[30].outlined);
        EXPECT_TRUE(f.model.segments[30].marked);
        EXPECT_EQ(f.state.moveCount, 1);
        f.Label1_MouseDown(30, 1);
        EXPECT_FALSE(f.model.segments[30].marked);
        EXPECT_EQ(f.model.segments[30].colour, 65535u); // colour stays when unmarked
        EXPECT_EQ(f.state.moveCount, 2);
        EXPECT_EQ(f.markedText(), ""); // a press that leaves nothing marked still checks
        f.Label1_MouseDown(30, 4);     // middle button: nothing at all
        f.Label1_MouseDown(30, 3);
        EXPECT_EQ(f.state.moveCount, 2);
        EXPECT_FALSE(f.model.segments[30].outlined);
        const std::vector<std::string> expected =
            on ? std::vector<std::string>{"setup/1.wav", "setup/3.wav", "setup/2.wav"}
               : std::vector<std::string>{};
        EXPECT_EQ(game.platform.soundNames(), expected);
    }
}

TEST(Marking, LineColourWithoutAValueIsBlack) {
    Game game;
    quickGame(game);
    game->state.lineColour = "";
    game->Label1_MouseDown(5, 1);
    EXPECT_EQ(game->model.segments[5].colour, 0u);
    game->state.lineColour = "not a colour";
    game->Label1_MouseDown(6, 1);
    EXPECT_EQ(game->model.segments[6].colour, 0u);
}

TEST(Marking, MoveCountStopsAtItsLimit) {
    Game game;
    quickGame(game);
    game->state.moveCount = 32766;
    game->Label1_MouseDown(5, 1);
    game->Label1_MouseDown(5, 1);
    game->Label1_MouseDown(5, 1);
    EXPECT_EQ(game->state.moveCount, 32767);
}

TEST(Check, CountSolutionSegments) {
    struct Case {
        const char* solution;
        int count;
    };
    for (const Case& c : {Case{"12,13,14,17,21,23,", 6}, Case{"12,13,14,17,21,23", 6}, Case{"", 0},
                          Case{"5", 1}, Case{",", 1}, Case{"3,", 1}, Case{"1,,2,", 3}}) {
        Game game;
        game->model[ControlId::Label2].caption = c.solution;
        game->state.gameInProgress = false;
        game->countsub();
        EXPECT_EQ(game->state.bestPossible, c.count) << c.solution;
        EXPECT_TRUE(game->state.gameInProgress);
    }
    Game huge;
    huge->model[ControlId::Label2].caption = std::string(100000, ',');
    huge->countsub();
    EXPECT_EQ(huge->state.bestPossible, 32767);
}

struct WinCase {
    const char* what;
    std::vector<int> presses;
    int hintFactor;
    std::string status; // empty: no victory
};

TEST(Check, VictoryExamples) {
    const WinCase cases[] = {
        {"perfect", {23, 12, 13, 14, 17, 21}, 1, "Well done! - A Perfect Score!"},
        {"any order", {21, 17, 14, 13, 12, 23}, 1, "Well done! - A Perfect Score!"},
        {"extra presses",
         {23, 12, 30, 30, 13, 14, 17, 21},
         1,
         "Well done! - Game: 1 - Score: 8  (The best possible was: 6)"},
        {"one hint taken",
         {23, 12, 13, 14, 17, 21},
         2,
         "Well done! - Game: 1 - Score: 12  (The best possible was: 6)"},
        {"an extra segment prevents it", {30, 23, 12, 13, 14, 17, 21}, 1, ""},
        {"not complete", {23, 12, 13, 14, 17}, 1, ""},
    };
    for (const WinCase& c : cases) {
        SCOPED_TRACE(c.what);
        Game game;
        quickGame(game);
        game->state.hintFactor = static_cast<std::int16_t>(c.hintFactor);
        for (int i : c.presses) game->Label1_MouseDown(i, 1);
        if (c.status.empty()) {
            EXPECT_EQ(game->model[ControlId::Label5].caption, "Game: 1");
            EXPECT_TRUE(game->state.gameInProgress);
            EXPECT_FALSE(game->model[ControlId::Command2].enabled);
            EXPECT_EQ(game.folder.read("puzzles/quick/level.dat"), " 1 \r\n");
            continue;
        }
        EXPECT_EQ(game->model[ControlId::Label5].caption, c.status);
        EXPECT_FALSE(game->state.gameInProgress);
        EXPECT_EQ(game->state.moveCount, 0);
        EXPECT_EQ(game->state.hintFactor, 1);
        EXPECT_TRUE(game->model[ControlId::Command2].enabled);
        EXPECT_EQ(game.folder.read("puzzles/quick/level.dat"), " 2 \r\n");
        EXPECT_EQ(game->state.gameNumber, 1);
        for (const Segment& s : game->model.segments) EXPECT_FALSE(s.outlined);
        EXPECT_EQ(game.platform.soundNames().back(), "setup/win.wav");
    }
}

TEST(Check, ScoredOncePerLoad) {
    Game game;
    quickGame(game, "False");
    for (int i : {23, 12, 13, 14, 17, 21}) game->Label1_MouseDown(i, 1);
    const std::string status = game->model[ControlId::Label5].caption;
    game.folder.write("puzzles/quick/level.dat", " 7 \r\n");
    game->Label1_MouseDown(23, 1);
    game->Label1_MouseDown(23, 1);
    EXPECT_EQ(game->model[ControlId::Label5].caption, status);
    EXPECT_EQ(game.folder.read("puzzles/quick/level.dat"), " 7 \r\n");
    EXPECT_EQ(game.platform.soundNames(), std::vector<std::string>{"setup/win.wav"});
    EXPECT_EQ(game->state.moveCount, 2);
}

TEST(Check, EditorNeverWins) {
    Game game;
    quickGame(game);
    game->state.playMode = 1;
    for (int i : {23, 12, 13, 14, 17, 21}) game->Label1_MouseDown(i, 1);
    EXPECT_EQ(game->markedText(), test::kTwoSquareSolution);
    EXPECT_TRUE(game->state.gameInProgress);
}

TEST(Check, LevelFromDiskWinsWithoutProgress) {
    struct Case {
        const char* status;
        bool writesProgress;
    };
    for (const Case& c : {Case{"File: game101.puz", false}, Case{"Game17.puz", false},
                          Case{"File: GAME101.PUZ", true}, Case{"Game: 1", true}}) {
        SCOPED_TRACE(c.status);
        Game game;
        quickGame(game);
        game->state.playMode = 2;
        game->model[ControlId::Label5].caption = c.status;
        for (int i : {30, 30, 23, 12, 13, 14, 17, 21}) game->Label1_MouseDown(i, 1);
        EXPECT_EQ(game.folder.read("puzzles/quick/level.dat"),
                  c.writesProgress ? " 2 \r\n" : " 1 \r\n");
        EXPECT_EQ(game->model[ControlId::Label5].caption,
                  std::string("Well done! - ") + c.status +
                      " - Score: 8  (The best possible was: 6)");
        EXPECT_FALSE(game->model[ControlId::Command2].enabled);
    }
}

} // namespace
} // namespace quirn
