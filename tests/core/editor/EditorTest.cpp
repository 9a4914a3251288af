#include "support/Levels.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

using test::Game;

Game& quickGame(Game& game) {
    game.folder.write("quirn.cfg", test::config("quick"));
    game.folder.write("puzzles/quick/level.dat", " 1 \r\n");
    game.folder.write("puzzles/quick/game1.puz", test::twoSquareLevel());
    game.folder.write("puzzles/quick/game105.puz", "3,5,\r\n,0-3,12-2,\r\nkeep me\r\nOld\r\n");
    game.start();
    return game;
}

TEST(Editor, CreateCluesAndSolution) {
    Game game;
    quickGame(game);
    Form1& f = *game;
    f.clickSquare(3); // no editor: nothing
    EXPECT_EQ(f.model.squares[3].clue, "");
    ASSERT_TRUE(f.clickMenu(MenuId::mcreate).taken());
    EXPECT_EQ(f.state.playMode, 1);
    EXPECT_TRUE(f.model[ControlId::Command1].visible);
    EXPECT_TRUE(f.model[ControlId::Command3].visible);
    EXPECT_TRUE(f.model[ControlId::Text3].visible);
    for (const Square& s : f.model.squares) EXPECT_EQ(s.clue, "");
    EXPECT_EQ(f.model[ControlId::Text2].caption, "");
    f.clickSquare(7); // menu closed without a choice
    EXPECT_EQ(f.model[ControlId::Text2].caption, ",");
    game.platform.popupAnswers = {MenuId::m3, MenuId::m2, MenuId::mclear};
    f.clickSquare(0);
    f.clickSquare(12);
    EXPECT_EQ(f.model[ControlId::Text2].caption, ",0-3,12-2,");
    f.clickSquare(0);
    EXPECT_EQ(f.model[ControlId::Text2].caption, ",12-2,");
    f.Label1_MouseDown(5, 1);
    f.Label1_MouseDown(3, 1);
    EXPECT_EQ(f.markedText(), "3,5,");
}

TEST(Editor, EditOnlyLevelsFromFileAboveOneHundred) {
    const std::string refusal = "You can only edit games opened from file (see Play menu) and only "
                                "those numbered higher than 100";
    struct Case {
        const char* status;
        bool allowed;
    };
    for (const Case& c : {Case{"File: game105.puz", true}, Case{"File: game100.puz", false},
                          Case{"File: game5.puz", false}, Case{"File: game1000.puz", false},
                          Case{"Game: 7", false}, Case{"Game17.puz", false},
                          Case{"File: gamex.puz", false}, Case{"File: GAME105.PUZ", false}}) {
        SCOPED_TRACE(c.status);
        Game game;
        quickGame(game);
        Form1& f = *game;
        game.platform.messages.clear();
        f.model[ControlId::Label5].caption = c.status;
        f.clickMenu(MenuId::mnedit);
        EXPECT_EQ(f.state.playMode, c.allowed ? 1 : 0);
        EXPECT_EQ(game.platform.messages.size(), c.allowed ? 0u : 1u);
        if (!c.allowed) {
            EXPECT_EQ(game.platform.messages[0].text, refusal);
        }
    }
}

TEST(Editor, EditMarksTheSolutionAndSavesItBack) {
    Game game;
    quickGame(game);
    Form1& f = *game;
    f.clickMenu(MenuId::mnopen);
    ASSERT_TRUE(f.chooseFile(1).taken()); // game105.puz
    f.Label1_MouseDown(40, 1);
    ASSERT_TRUE(f.clickMenu(MenuId::mnedit).taken());
    EXPECT_TRUE(f.model.segments[3].marked);
    EXPECT_TRUE(f.model.segments[5].marked);
    EXPECT_TRUE(f.model.segments[40].marked);
    EXPECT_EQ(f.markedText(), "3,5,");
    EXPECT_EQ(f.model[ControlId::Text2].caption, ",0-3,12-2,");
    ASSERT_TRUE(f.setText(ControlId::Text3, "120").taken());
    game.platform.inputAnswers = {"New message"};
    ASSERT_TRUE(f.clickControl(ControlId::Command1).taken());
    EXPECT_EQ(game.folder.read("puzzles/quick/game120.puz"),
              "3,5,\r\n,0-3,12-2,\r\nkeep me\r\nNew message\r\n");
}

TEST(Editor, SaveChecksNumberMessageAndOverwrite) {
    struct Case {
        const char* number;
        std::vector<std::string> answers; // input answers
        std::vector<MessageAnswer> yesNo;
        std::string message; // message box text, if any
        const char* file;    // file written, if any
    };
    const Case cases[] = {
        {"abc", {"Hi"}, {}, "Filename must be a number", nullptr},
        {"", {"Hi"}, {}, "Filename must be a number", nullptr},
        {"1000", {"Hi"}, {}, "Filename too high - must be below 1000", nullptr},
        {"999.5", {"Hi"}, {}, "Filename too high - must be below 1000", nullptr},
        {"999", {"Hi"}, {}, "", "game999.puz"},
        {"007", {"Hi"}, {}, "", "game007.puz"},
        {"12.5", {"Hi"}, {}, "", "game12.5.puz"},
        {"-3", {"Hi"}, {}, "", "game-3.puz"},
        {"200", {}, {}, "", nullptr},
        {"1", {"Hi"}, {}, "File Exsists - Overwrite?", nullptr},
        {"1", {"Hi"}, {MessageAnswer::Yes}, "File Exsists - Overwrite?", "game1.puz"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        Game game;
        quickGame(game);
        Form1& f = *game;
        f.clickMenu(MenuId::mcreate);
        f.Label1_MouseDown(7, 1);
        game.platform.popupAnswers = {MenuId::m4};
        f.clickSquare(2);
        f.clear(); // the save still writes the texts of before
        f.setText(ControlId::Text3, c.number);
        for (const auto& a : c.answers) game.platform.inputAnswers.push_back(a);
        for (auto a : c.yesNo) game.platform.yesNoAnswers.push_back(a);
        game.platform.messages.clear();
        f.clickControl(ControlId::Command1);
        if (c.message.empty()) {
            EXPECT_TRUE(game.platform.messages.empty());
        } else {
            EXPECT_EQ(game.platform.messages.at(0).text, c.message);
        }
        if (c.file) {
            EXPECT_EQ(game.folder.read(std::string("puzzles/quick/") + c.file),
                      "7,\r\n,2-4,\r\n\r\nHi\r\n");
        }
        EXPECT_EQ(f.state.playMode, 1);
    }
}

} // namespace
} // namespace quirn
