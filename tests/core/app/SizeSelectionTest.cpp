#include "support/Levels.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

TEST(SizeSelection, SwitchesSeriesAndRemembersIt) {
    test::Game game;
    game.folder.write("quirn.cfg", test::config("quick"));
    game.folder.write("puzzles/quick/level.dat", " 1 \r\n");
    game.folder.write("puzzles/quick/game1.puz", test::twoSquareLevel());
    game.folder.write("puzzles/hard/level.dat", " 3 \r\n");
    game.folder.write("puzzles/hard/game3.puz", "83,\r\n,83-1,\r\n\r\nHard one\r\n");
    game.start();
    Form1& f = *game;
    f.Label1_MouseDown(23, 1);
    f.model[ControlId::Command1].visible = true;
    f.state.playMode = 1;
    ASSERT_TRUE(f.clickMenu(MenuId::mnuhard).taken());
    EXPECT_EQ(f.state.sizeClass, "hard");
    EXPECT_EQ(f.state.playMode, 0);
    EXPECT_FALSE(f.model[ControlId::Command1].visible);
    EXPECT_TRUE(f.model[MenuId::mnuhard].checked);
    EXPECT_FALSE(f.model[MenuId::mnquick].checked);
    EXPECT_EQ(f.model.caption, "Quirn Puzzle:  HARD Game.");
    EXPECT_EQ(f.model[ControlId::Label5].caption, "Game: 3");
    EXPECT_EQ(f.model.squares[83].clue, "1");
    EXPECT_FALSE(f.model.segments[23].marked);
    EXPECT_EQ(f.state.moveCount, 1); // presses on the abandoned level count on
    EXPECT_EQ(game.folder.read("quirn.cfg"), test::config("hard"));
}

TEST(Themes, RecolourAndRemember) {
    test::Game game;
    game.folder.write("quirn.cfg", test::config("quick"));
    game.folder.write("setup/Mono.jpg", "jpeg");
    game.start();
    Form1& f = *game;
    f.Label1_MouseDown(5, 1);
    ASSERT_TRUE(f.clickMenu(MenuId::mnugrey).taken());
    EXPECT_EQ(f.model[ControlId::Image1].picture, "setup/Mono.jpg");
    EXPECT_TRUE(f.model.segments[5].marked);
    EXPECT_EQ(f.model.segments[5].colour, 0x808080u);
    EXPECT_EQ(f.model.squares[10].textColour, 0x595959u);
    EXPECT_EQ(f.model[ControlId::Command2].backColor, 0u);
    EXPECT_EQ(f.state.moveCount, 1);
    EXPECT_EQ(game.folder.read("quirn.cfg"),
              "quick\r\nMono.jpg\r\n8421504\r\n0\r\n5855577\r\nTrue\r\n");
    f.clickMenu(MenuId::mnalt); // blue.jpg is missing: the window's own picture shows
    EXPECT_EQ(f.model[ControlId::Image1].picture, "");
    EXPECT_EQ(f.state.lineColour, "16777215");
}

TEST(Clearing, RestartLevelAndClearAll) {
    test::Game game;
    game.folder.write("quirn.cfg", test::config("quick"));
    game.folder.write("puzzles/quick/level.dat", " 1 \r\n");
    game.folder.write("puzzles/quick/game1.puz", test::twoSquareLevel());
    game.start();
    Form1& f = *game;
    f.Label1_MouseDown(5, 2);
    f.Label1_MouseDown(5, 1);
    f.model[MenuId::mh1].enabled = false;
    f.state.hintFactor = 3;
    f.clickMenu(MenuId::mnres);
    EXPECT_FALSE(f.model.segments[5].marked);
    EXPECT_FALSE(f.model.segments[5].outlined);
    EXPECT_TRUE(f.model[MenuId::mh1].enabled);
    EXPECT_EQ(f.state.moveCount, 1);
    EXPECT_EQ(f.state.hintFactor, 3);
    EXPECT_EQ(f.markedText(), "5,"); // brought up to date only by the next press
    f.Label1_MouseDown(5, 1);
    f.model.squares[80].clue = "2";
    f.clear();
    for (const Square& s : f.model.squares) EXPECT_EQ(s.clue, "");
    for (const Segment& s : f.model.segments) EXPECT_FALSE(s.marked);
}

} // namespace
} // namespace quirn
