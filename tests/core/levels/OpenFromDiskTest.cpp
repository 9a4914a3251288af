#include "support/Levels.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

using test::Game;

Game& hardGame(Game& game) {
    game.folder.write("quirn.cfg", test::config("hard"));
    game.folder.write("puzzles/hard/level.dat", " 2 \r\n");
    game.folder.write("puzzles/hard/game2.puz", "2,\r\n,\r\n\r\nTwo\r\n");
    game.folder.write("puzzles/hard/game101.puz", test::twoSquareLevel("Mine!"));
    game.folder.write("puzzles/hard/notes.txt", "");
    game.folder.write("puzzles/normal/level.dat", " 3 \r\n");
    game.folder.write("puzzles/normal/game3.puz", "3,\r\n,\r\n\r\nThree\r\n");
    game.folder.write("puzzles/normal/OLD.PUZ", "");
    game.start();
    return game;
}

TEST(OpenFromDisk, PanelListsTheClassFolder) {
    Game game;
    hardGame(game);
    Form1& f = *game;
    f.Label1_MouseDown(5, 1);
    ASSERT_TRUE(f.clickMenu(MenuId::mnopen).taken());
    const Control& files = f.model[ControlId::File1];
    EXPECT_TRUE(f.model[ControlId::Picture3].visible);
    EXPECT_EQ(f.model[ControlId::Combo1].selected, 2);
    EXPECT_EQ(files.folder, "puzzles/hard/");
    EXPECT_EQ(files.items, (std::vector<std::string>{"game101.puz", "game2.puz"}));
    EXPECT_FALSE(f.model.segments[5].marked); // the selection changed, so the board emptied
    ASSERT_TRUE(f.chooseComboEntry(1).taken());
    EXPECT_EQ(f.state.sizeClass, "normal");
    EXPECT_EQ(f.model.width, 6810);
    EXPECT_EQ(files.items, (std::vector<std::string>{"game3.puz", "OLD.PUZ"})); // letter case aside
    EXPECT_TRUE(f.model[MenuId::mnuhard].checked); // the menu keeps the configured class
    ASSERT_TRUE(f.clickControl(ControlId::Command9).taken());
    EXPECT_FALSE(f.model[ControlId::Picture3].visible);
    EXPECT_EQ(f.model[ControlId::Label5].caption, "Game: 3");
    EXPECT_EQ(game.folder.read("quirn.cfg"), test::config("hard"));
}

TEST(OpenFromDisk, FilePlaysOutsideTheSeries) {
    Game game;
    hardGame(game);
    Form1& f = *game;
    f.Label1_MouseDown(5, 1);
    f.state.hintFactor = 3;
    f.clickMenu(MenuId::mnopen);
    ASSERT_TRUE(f.chooseFile(0).taken());
    EXPECT_EQ(f.state.playMode, 2);
    EXPECT_EQ(f.model[ControlId::Label5].caption, "File: game101.puz");
    EXPECT_EQ(f.state.moveCount, 0);
    EXPECT_EQ(f.state.hintFactor, 1);
    EXPECT_FALSE(f.model[ControlId::Picture3].visible);
    EXPECT_EQ(f.state.bestPossible, 6);
    for (int i : {23, 12, 13, 14, 17, 21}) f.Label1_MouseDown(i, 1);
    EXPECT_EQ(f.model[ControlId::Label5].caption, "Mine! - A Perfect Score!");
    EXPECT_FALSE(f.model[ControlId::Command2].enabled);
    EXPECT_EQ(game.folder.read("puzzles/hard/level.dat"), " 2 \r\n");
}

TEST(OpenFromDisk, RestartSeries) {
    struct Case {
        std::optional<std::string> answer;
        std::string levelDat;
        std::string status;
    };
    const Case cases[] = {
        {"101", " 101 \r\n", "Game: 101"}, {std::nullopt, " 2 \r\n", "Game: 2"},
        {"", " 2 \r\n", "Game: 2"},        {"abc", " 2 \r\n", "Game: 2"},
        {"99999", " 2 \r\n", "Game: 2"},   {"0", " 0 \r\n", "Game: 2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer.value_or("(cancel)"));
        Game game;
        game.folder.write("puzzles/hard/game101.puz", "");
        hardGame(game);
        game.folder.write("puzzles/hard/game101.puz", "101,\r\n,\r\n\r\nx\r\n");
        Form1& f = *game;
        f.state.playMode = 2;
        if (c.answer) game.platform.inputAnswers.push_back(*c.answer);
        f.clickMenu(MenuId::mrest);
        EXPECT_EQ(game.folder.read("puzzles/hard/level.dat"), c.levelDat);
        EXPECT_EQ(f.model[ControlId::Label5].caption, c.status);
    }
}

} // namespace
} // namespace quirn
