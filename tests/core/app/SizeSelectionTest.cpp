#include "support/Game.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

// A size command leaves the level (and the editor) for that class's series, remembered.
TEST(SizeSelection, SwitchesToTheSeriesOfTheClass) {
    test::Game game;
    game.folder.write("puzzles/hard/level.dat", test::progress(3));
    game.folder.write("puzzles/hard/game3.puz", test::level("83,", ",83-1,"));
    game.startQuick();
    Form1& f = game.form;
    f.clickMenu(MenuId::mcreate);
    game.press({23});
    ASSERT_TRUE(f.clickMenu(MenuId::mnuhard).taken());
    EXPECT_EQ(f.state.playMode, 0);
    EXPECT_FALSE(f.model[ControlId::Command1].visible);
    EXPECT_TRUE(f.model[MenuId::mnuhard].checked);
    EXPECT_FALSE(f.model[MenuId::mnquick].checked);
    EXPECT_EQ(f.model.caption, "Quirn Puzzle:  HARD Game.");
    EXPECT_EQ(game.status(), "Game: 3");
    EXPECT_EQ(f.model.squares[83].clue, "1");
    EXPECT_TRUE(game.marked().empty());
    EXPECT_EQ(f.state.moveCount, 1); // presses on the level left behind count on
    EXPECT_EQ(game.folder.read("quirn.cfg"), test::config("hard"));
}

} // namespace
} // namespace quirn
