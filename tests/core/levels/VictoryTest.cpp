#include "support/Game.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

// A win scores the moves times the hint factor (doubled by a hint); only a score equal
// to the loop's length is perfect. A level from a file doesn't move the series on.
TEST(Victory, ScoreStatusAndProgress) {
    const auto scored = [](const std::string& status, int score) {
        return "Well done! - " + status + " - Score: " + std::to_string(score) +
               "  (The best possible was: 6)";
    };
    const std::string perfect = "Well done! - A Perfect Score!";
    const std::vector<int> loop = {21, 17, 14, 13, 12, 23},
                           waste = {30, 30, 23, 12, 13, 14, 17, 21};
    struct Case {
        int playMode;
        std::string status; // before
        bool hint;          // Hint 1 first: it draws five of the six lines
        std::vector<int> presses;
        std::string won; // the status after; empty: not won
        bool seriesMovesOn;
    };
    const Case cases[] = {
        {0, "Game: 1", false, loop, perfect, true},
        {0, "Game: 1", false, waste, scored("Game: 1", 8), true},
        {0, "Game: 1", true, {23}, scored("Game: 1", 2), true}, // below the best
        {0, "Game: 1", true, {30, 30, 23}, perfect, true},
        {2, "File: game101.puz", false, waste, scored("File: game101.puz", 8), false},
        {0, "Game17.puz", false, waste, scored("Game17.puz", 8), false}, // from the skipped list
        {2, "File: GAME1.PUZ", false, waste, scored("File: GAME1.PUZ", 8), true},
        {0, "Game: 1", false, {30, 23, 12, 13, 14, 17, 21}, "", false}, // a line too many
        {1, "Game: 1", false, loop, "", false},                         // in the editor
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status + (c.hint ? " hint" : "") + " " + std::to_string(c.presses.size()));
        test::Game game;
        game.startQuick("False");
        game->state.playMode = static_cast<std::int16_t>(c.playMode);
        game->model[ControlId::Label5].caption = c.status;
        if (c.hint) game->clickMenu(MenuId::mh1);
        game.press(c.presses);
        EXPECT_EQ(game.file("level.dat"), test::progress(c.seriesMovesOn ? 2 : 1));
        if (c.won.empty()) {
            EXPECT_EQ(game.status(), c.status);
            EXPECT_TRUE(game->state.gameInProgress);
            EXPECT_TRUE(game.platform.sounds.empty());
            continue;
        }
        EXPECT_EQ(game.status(), c.won);
        EXPECT_FALSE(game->state.gameInProgress);
        EXPECT_EQ(game->state.moveCount, 0);
        EXPECT_EQ(game->state.hintFactor, 1);
        EXPECT_EQ(game->model[ControlId::Command2].enabled, c.playMode != 2);
        for (const Segment& s : game->model.segments) EXPECT_FALSE(s.outlined);
        // Scored once per load: more presses change nothing.
        game.folder.write("puzzles/quick/level.dat", test::progress(7));
        game.press({23, 23});
        EXPECT_EQ(game.status(), c.won);
        EXPECT_EQ(game.file("level.dat"), test::progress(7));
        EXPECT_EQ(game.platform.sounds, test::Texts{"setup/win.wav"}); // even with sound off
    }
}

} // namespace
} // namespace quirn
