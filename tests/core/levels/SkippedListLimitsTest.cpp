// The skipped list stays a file the game can read back, whatever the panel is asked.
#include "support/Game.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

using test::Game;

void startNormal(Game& game, const std::string& skipped) {
    game.folder.write("puzzles/normal/skipped.dat", skipped);
    const std::string level = test::twoSquareLevel();
    game.start("normal", 5, {{5, level}, {6, level}, {7, level}});
}

TEST(SkippedList, ShowingThePanelTwiceKeepsTheList) {
    Game game;
    startNormal(game, "Game: 1\r\nGame: 2\r\n");
    game->clickMenu(MenuId::mshows);
    game->selectListEntry(0);
    game->clickControl(ControlId::Command6);
    ASSERT_TRUE(game->clickMenu(MenuId::mshows).taken());
    EXPECT_EQ(game->model[ControlId::List1].items, std::vector<std::string>{"Game: 2"});
    game->clickControl(ControlId::Command8);
    EXPECT_EQ(game.file("skipped.dat"), "Game: 2\r\n");
}

TEST(SkippedList, AWrittenListNeverOutgrowsTheReadLimit) {
    // Each comma becomes a line end once shown, so "Okay" would write more than it read.
    // An entry and its CR LF take 1024 bytes: the first limit / 1024 fill the list exactly.
    const std::string entry(1022, '7');
    std::string commas;
    while (commas.size() + entry.size() + 1 <= Form1::kListFileLimit) commas += entry + ",";
    Game game;
    startNormal(game, commas);
    game->clickMenu(MenuId::mshows);
    game->clickControl(ControlId::Command8);
    const std::string written = game.file("skipped.dat");
    EXPECT_EQ(written.size(), Form1::kListFileLimit);
    EXPECT_EQ(written.substr(0, 1024), entry + "\r\n");

    // Full: a skip goes on but adds nothing, and the list still reads back whole.
    game->clickMenu(MenuId::mskip);
    EXPECT_EQ(game.status(), "Game: 6");
    EXPECT_EQ(game.file("skipped.dat"), written);
    game->clickMenu(MenuId::mshows);
    EXPECT_EQ(game->model[ControlId::List1].items.size(), Form1::kListFileLimit / 1024);
    EXPECT_TRUE(game.platform.messages.empty());
}

} // namespace
} // namespace quirn
