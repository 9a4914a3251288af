#include "support/Game.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

TEST(Editor, SquaresTakeCluesFromTheNumberMenuOnly) {
    test::Game game;
    game.startQuick();
    Form1& f = game.form;
    game.platform.popups = {MenuId::m1};
    f.clickSquare(3);
    EXPECT_EQ(game.platform.popups.size(), 1u); // not editing: no menu
    ASSERT_TRUE(f.clickMenu(MenuId::mcreate).taken());
    for (const Square& s : f.model.squares) EXPECT_EQ(s.clue, "");
    // A closed menu, and an item that is not the pop-up's, choose nothing.
    game.platform.popups = {MenuId::m3, MenuId::m2, MenuId::mnquick, MenuId::mclear};
    for (int square : {0, 12, 7, 0, 5}) f.clickSquare(square);
    EXPECT_EQ(f.model[ControlId::Text2].caption, ",12-2,");
    EXPECT_EQ(f.state.playMode, 1);
    f.clickControl(ControlId::Command3); // Clear All
    EXPECT_EQ(f.model.squares[12].clue, "");
    EXPECT_EQ(f.model[ControlId::Text2].caption, ",12-2,"); // the clue text follows the next click
}

TEST(Editor, EditsOnlyLevelsFromFileAboveOneHundred) {
    for (const auto& [status, allowed] : {std::pair{"File: game101.puz", true},
                                          {"File: game100.puz", false},
                                          {"File: gamex.puz", false},
                                          {"Game: 117", false},
                                          {"File: GAME105.PUZ", false}}) {
        SCOPED_TRACE(status);
        test::Game game;
        game.startQuick();
        game->model[ControlId::Label5].caption = status;
        game->clickMenu(MenuId::mnedit);
        EXPECT_EQ(game->model[ControlId::Command1].visible, allowed);
        EXPECT_EQ(game.platform.messages.size(), allowed ? 0u : 1u);
    }
}

TEST(Editor, SaveAsChecksTheNumberTheMessageAndOverwriting) {
    const std::string number = "Filename must be a number",
                      high = "Filename too high - must be below 1000",
                      exists = "File Exsists - Overwrite?";
    struct Case {
        const char* number;
        const char* message; // the success message typed; empty: cancelled
        bool overwrite;
        std::string asked;
        const char* file; // written, if any
    };
    const Case cases[] = {
        {"abc", "Hi", false, number, nullptr},   {"", "Hi", false, number, nullptr},
        {"1000", "Hi", false, high, nullptr},    {"999.5", "Hi", false, high, nullptr},
        {"999", "Hi", false, "", "game999.puz"}, {"007", "Hi", false, "", "game007.puz"},
        {"-3", "Hi", false, "", "game-3.puz"},   {"200", "", false, "", nullptr},
        {"1", "Hi", false, exists, nullptr},     {"1", "Hi", true, exists, "game1.puz"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        test::Game game;
        game.startQuick();
        game->clickMenu(MenuId::mcreate);
        game.press({7});
        game.platform.popups = {MenuId::m4};
        game->clickSquare(2);
        game->setText(ControlId::Text3, c.number);
        game.platform.inputs = {c.message};
        if (c.overwrite) game.platform.yesNo = {MessageAnswer::Yes};
        ASSERT_TRUE(game->clickControl(ControlId::Command1).taken());
        EXPECT_EQ(game.platform.messages, c.asked.empty() ? test::Texts{} : test::Texts{c.asked});
        if (c.file) {
            EXPECT_EQ(game.file(c.file), test::level("7,", ",2-4,", "Hi"));
        } else {
            EXPECT_EQ(game->folder().listFiles("puzzles/quick"),
                      (test::Texts{"game1.puz", "level.dat"}));
            EXPECT_EQ(game.file("game1.puz"), test::twoSquareLevel());
        }
    }
}

} // namespace
} // namespace quirn
