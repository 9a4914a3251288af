#include "support/Game.h"

#include <functional>
#include <gtest/gtest.h>

namespace quirn {
namespace {

// On level 1 of a quick series with one line drawn: what the window turns away, and that
// no handler ran for it.
TEST(Input, TheWindowTurnsAwayWhatItWouldNotLetThrough) {
    using Input = std::function<InputResult(Form1&)>;
    const std::pair<Input, const char*> cases[] = {
        {[](Form1& f) { return f.pressSegment(100, 1); }, "hidden"}, // outside the quick block
        {[](Form1& f) { return f.pressSegment(187, 2); }, "no such segment"},
        {[](Form1& f) { return f.clickSquare(-1); }, "no such square"},
        {[](Form1& f) { return f.clickControl(ControlId::Command2); }, "disabled"}, // Next Game
        {[](Form1& f) { return f.clickControl(ControlId::Command3); }, "hidden"},   // Clear All
        {[](Form1& f) { return f.clickControl(ControlId::Command9); }, "hidden"},   // in a panel
        {[](Form1& f) { return f.clickMenu(MenuId::m3); }, "hidden"},               // only pops up
        {[](Form1& f) {
             f.model[MenuId::mhints].enabled = false;
             return f.clickMenu(MenuId::mh1);
         },
         "disabled"},
        {[](Form1& f) { return f.chooseFile(0); }, "hidden"},
        {[](Form1& f) { return f.setText(ControlId::Text3, "12"); }, "hidden"},
        {[](Form1& f) { return f.setText(ControlId::Label5, "x"); }, "not a text box"},
        {[](Form1& f) { return f.pressAt(-5000, -5000, 1); }, "nothing there"},
        {[](Form1& f) { return f.pressAt(5000, 5900, 1); }, "disabled"}, // Next Game's place
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const auto& [input, refusal] = cases[i];
        test::Game game;
        game.startQuick();
        game.press({23});
        EXPECT_EQ(input(game.form).refusal, refusal);
        EXPECT_EQ(game.marked(), std::vector<int>{23});
        EXPECT_EQ(game->state.moveCount, 1);
        EXPECT_EQ(game.status(), "Game: 1");
        EXPECT_EQ(game->model[ControlId::Text3].caption, "");
    }
}

// A press reaches the front-most thing under it: a panel's controls, then the segments.
TEST(Input, APressReachesWhatLiesInFront) {
    test::Game game;
    game.platform.top = 0;
    game.start("normal", 1, {{1, test::twoSquareLevel()}});
    Form1& f = game.form;
    EXPECT_TRUE(f.pressAt(2900, 5300, 1).taken()); // segment 53, under the start screen
    EXPECT_TRUE(game.marked().empty());
    const Control& panel = f.model[ControlId::Picture1];
    const Control& ok = f.model[ControlId::Command4];
    f.pressAt(panel.left + ok.left + 10, panel.top + ok.top + 10, 1);
    EXPECT_FALSE(panel.visible);
    f.pressAt(2900, 5300, 2);
    f.pressAt(2900, 5300, 1);
    EXPECT_EQ(game.marked(), std::vector<int>{53});
    EXPECT_FALSE(f.model.segments[53].outlined);
    f.clickMenu(MenuId::mcreate); // squares take the left button, in the editor
    game.platform.popups = {MenuId::m2, MenuId::m1};
    f.pressAt(900, 1000, 2);
    f.pressAt(900, 1000, 1);
    EXPECT_EQ(f.model.squares[0].clue, "2");
}

} // namespace
} // namespace quirn
