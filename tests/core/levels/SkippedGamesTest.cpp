#include "support/Levels.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

using test::Game;

std::string level(int n) {
    return std::to_string(n) + ",\r\n,\r\n\r\nDone " + std::to_string(n) + "\r\n";
}

Game& normalSeries(Game& game, int current) {
    game.folder.write("quirn.cfg", test::config("normal"));
    game.folder.write("puzzles/normal/level.dat", " " + std::to_string(current) + " \r\n");
    for (int n : {5, 6, 7, 8})
        game.folder.write("puzzles/normal/game" + std::to_string(n) + ".puz", level(n));
    game.start();
    return game;
}

TEST(SkippedGames, SkipNotesTheLevelAndMovesOn) {
    Game game;
    normalSeries(game, 5);
    Form1& f = *game;
    ASSERT_TRUE(f.clickMenu(MenuId::mskip).taken());
    EXPECT_EQ(game.folder.read("puzzles/normal/skipped.dat"), "Game: 5\r\n");
    EXPECT_EQ(game.folder.read("puzzles/normal/level.dat"), " 6 \r\n");
    EXPECT_EQ(f.model[ControlId::Label5].caption, "Game: 6");
    f.clickMenu(MenuId::mskip);
    f.clickMenu(MenuId::mskip);
    EXPECT_EQ(game.folder.read("puzzles/normal/skipped.dat"), "Game: 5\r\nGame: 6\r\nGame: 7\r\n");

    ASSERT_TRUE(f.clickMenu(MenuId::mshows).taken());
    EXPECT_TRUE(f.model[ControlId::Picture2].visible);
    EXPECT_EQ(f.model[ControlId::Label8].caption, "Skipped normal games..");
    EXPECT_EQ(f.model[ControlId::List1].items,
              (std::vector<std::string>{"Game: 5", "Game: 6", "Game: 7"}));
    EXPECT_EQ(f.model[ControlId::List1].selected, 0);
    ASSERT_TRUE(f.selectListEntry(1).taken());
    ASSERT_TRUE(f.clickControl(ControlId::Command6).taken());
    EXPECT_EQ(f.model[ControlId::List1].selected, -1);
    f.clickControl(ControlId::Command6); // nothing selected: nothing happens
    EXPECT_EQ(f.model[ControlId::List1].items.size(), 2u);
    EXPECT_EQ(game.folder.read("puzzles/normal/skipped.dat"), "Game: 5\r\nGame: 6\r\nGame: 7\r\n");
    ASSERT_TRUE(f.clickControl(ControlId::Command8).taken());
    EXPECT_EQ(game.folder.read("puzzles/normal/skipped.dat"), "Game: 5\r\nGame: 7\r\n");
    EXPECT_FALSE(f.model[ControlId::Picture2].visible);
    EXPECT_TRUE(f.model[ControlId::List1].items.empty());
}

TEST(SkippedGames, PlayLevelReplaysWithoutProgress) {
    Game game;
    normalSeries(game, 8);
    game.folder.write("puzzles/normal/skipped.dat", "Game: 5\r\n\"Odd, entry\"\r\n");
    Form1& f = *game;
    f.Label1_MouseDown(40, 2);
    f.clickMenu(MenuId::mshows);
    ASSERT_TRUE(f.clickControl(ControlId::Command7).taken());
    EXPECT_EQ(f.model[ControlId::Label5].caption, "Game5.puz");
    EXPECT_EQ(f.solutionText(), "5,");
    EXPECT_FALSE(f.model.segments[40].outlined); // outlines stay
    EXPECT_EQ(game.folder.read("puzzles/normal/skipped.dat"), "Game: 5\r\nOdd, entry\r\n");
    f.Label1_MouseDown(5, 1);
    EXPECT_EQ(f.model[ControlId::Label5].caption, "Done 5 - A Perfect Score!");
    EXPECT_EQ(game.folder.read("puzzles/normal/level.dat"), " 8 \r\n");
    EXPECT_TRUE(f.model[ControlId::Command2].enabled);
}

TEST(SkippedGames, AListTooLargeToReadIsNeverReplaced) {
    Game game;
    normalSeries(game, 5);
    const std::string huge = "Game: 1\r\n" + std::string(20 << 20, 'x') + "\r\n";
    game.folder.write("puzzles/normal/skipped.dat", huge);
    Form1& f = *game;
    f.clickMenu(MenuId::mskip);
    EXPECT_EQ(f.model[ControlId::Label5].caption, "Game: 6"); // the skip itself goes on
    f.clickMenu(MenuId::mshows);
    EXPECT_TRUE(f.model[ControlId::List1].items.empty());
    f.clickControl(ControlId::Command8);
    EXPECT_EQ(game.folder.read("puzzles/normal/skipped.dat"), huge);
    // A readable list is written back again once the panel showed it.
    game.folder.write("puzzles/normal/skipped.dat", "Game: 2\r\n");
    f.clickMenu(MenuId::mshows);
    f.clickControl(ControlId::Command8);
    EXPECT_EQ(game.folder.read("puzzles/normal/skipped.dat"), "Game: 2\r\n");
}

TEST(SkippedGames, BrokenListsAndNamesLoadNothing) {
    Game game;
    normalSeries(game, 5);
    Form1& f = *game;
    for (const std::string& entry :
         {std::string("../../quirn.cfg"), std::string("File: game101.puz")}) {
        game.folder.write("puzzles/normal/skipped.dat", entry + "\r\n");
        f.clickMenu(MenuId::mshows);
        f.clickControl(ControlId::Command7);
        EXPECT_EQ(f.solutionText(), "") << entry;
    }
    f.clickMenu(MenuId::mshows);
    f.selectListEntry(0);
    f.clickControl(ControlId::Command6);
    f.clickControl(ControlId::Command7); // nothing selected: ".puz"
    EXPECT_EQ(f.model[ControlId::Label5].caption, ".puz");
    EXPECT_EQ(game.folder.read("puzzles/normal/skipped.dat"), "");
}

} // namespace
} // namespace quirn
