#include "support/Game.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

void startWith(test::Game& game, const std::string& solution, const std::string& sound = "True") {
    game.start("advanced", 1, {{1, test::level(solution, ",")}}, sound);
}

// Up to five lines of the loop whose number starts or ends in 1, in file order; an item
// that names no segment still counts.
TEST(Hints, HintOneShowsUpToFiveLinesWithAOne) {
    struct Case {
        std::string solution;
        std::vector<int> revealed;
        bool sound;
    };
    const Case cases[] = {
        {"1,10,11,12,13,21,", {1, 10, 11, 12, 13}, true},
        {"2,31,41,50,", {31, 41}, false},
        {"2,3,40,", {}, true},
        {"5,100", {100}, true},
        {"1x,199,11,16,17,18,19,", {11, 16, 17}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.solution);
        test::Game game;
        startWith(game, c.solution, c.sound ? "True" : "False");
        ASSERT_TRUE(game->clickMenu(MenuId::mh1).taken());
        EXPECT_EQ(game.marked(), c.revealed);
        for (int i : c.revealed) EXPECT_EQ(game->model.segments[i].colour, 0xC0C0C0u);
        EXPECT_EQ(game->state.hintFactor, 2);
        EXPECT_EQ(game->state.moveCount, 0);
        EXPECT_EQ(game->clickMenu(MenuId::mh1).refusal, "disabled");
        const bool found = !c.revealed.empty();
        EXPECT_EQ(game.platform.messages, found ? test::Texts{} : test::Texts{"No hints found"});
        const bool sounds = found && c.sound;
        EXPECT_EQ(game.platform.sounds, sounds ? test::Texts{"setup/4.wav"} : test::Texts{});
    }
}

TEST(Hints, HintTwoWantsTheWordPlease) {
    for (const std::string answer : {"please", "PLEASE", "please ", ""}) {
        SCOPED_TRACE(answer);
        test::Game game;
        startWith(game, "3,13,15,25,26,");
        game.platform.inputs.push_back(answer);
        game->clickMenu(MenuId::mh2);
        EXPECT_EQ(game.platform.prompts,
                  test::Texts{"Please type the word \"please\" in the field below!"});
        EXPECT_EQ(game->state.hintFactor, 2); // asking costs, whatever the answer
        const bool accepted = answer == "please" || answer == "PLEASE";
        EXPECT_EQ(game->model[MenuId::mh2].enabled, !accepted);
        const std::vector<int> revealed = {3, 13, 15, 25};
        EXPECT_EQ(game.marked(), accepted ? revealed : std::vector<int>());
    }
}

TEST(Hints, RestartLevelOffersThemAgainAndKeepsTheScore) {
    test::Game game;
    startWith(game, "11,23,30,");
    game->clickMenu(MenuId::mh1);
    game.platform.inputs.push_back("please");
    game->clickMenu(MenuId::mh2);
    game.press({40, 40}, 1);
    game->clickMenu(MenuId::mnres);
    EXPECT_TRUE(game.marked().empty());
    EXPECT_TRUE(game->model[MenuId::mh1].enabled);
    EXPECT_TRUE(game->model[MenuId::mh2].enabled);
    game.press({11, 23, 30});
    EXPECT_EQ(game.status(), "Well done! - Game: 1 - Score: 15  (The best possible was: 3)");
}

} // namespace
} // namespace quirn
