#include "support/Game.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

TEST(Marking, LeftMarksRightOutlinesMiddleNothing) {
    for (const char* sound : {"True", "False"}) {
        SCOPED_TRACE(sound);
        test::Game game;
        game.startQuick(sound);
        const Segment& s = game->model.segments[30];
        struct Step {
            int button;
            bool marked, outlined;
            int moves;
            const char* markedText;
        };
        for (const Step& step : {Step{1, true, true, 1, "30,"}, Step{2, true, false, 1, "30,"},
                                 Step{2, true, true, 1, "30,"}, Step{1, false, true, 2, ""},
                                 Step{4, false, true, 2, ""}, Step{3, false, true, 2, ""}}) {
            game.press({30}, step.button);
            EXPECT_EQ(s.marked, step.marked) << step.button;
            EXPECT_EQ(s.outlined, step.outlined) << step.button;
            EXPECT_EQ(game->state.moveCount, step.moves) << step.button;
            EXPECT_EQ(game->markedText(), step.markedText) << step.button;
        }
        EXPECT_EQ(s.colour, 65535u); // the line colour of the settings, kept when unmarked
        const test::Texts sounds = {"setup/1.wav", "setup/3.wav", "setup/3.wav", "setup/2.wav"};
        EXPECT_EQ(game.platform.sounds, sound == std::string("True") ? sounds : test::Texts{});
    }
}

TEST(Marking, MoveCountStopsAtItsLimit) {
    test::Game game;
    game.startQuick();
    game->state.moveCount = 32766;
    game.press({5, 5, 5});
    EXPECT_EQ(game->state.moveCount, 32767);
}

} // namespace
} // namespace quirn
