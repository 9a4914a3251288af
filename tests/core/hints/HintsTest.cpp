#include "support/Levels.h"

#include <gtest/gtest.h>

namespace quirn {
namespace {

using test::Game;

Game& withSolution(Game& game, const std::string& solution, const std::string& sound = "True") {
    game.folder.write("quirn.cfg", test::config("advanced", sound));
    game.folder.write("puzzles/advanced/level.dat", " 1 \r\n");
    game.folder.write("puzzles/advanced/game1.puz", solution + "\r\n,\r\n\r\nYes\r\n");
    game.start();
    return game;
}

std::vector<int> markedOf(const Form1& f) {
    std::vector<int> out;
    for (int i = 0; i < kSegmentCount; ++i)
        if (f.model.segments[i].marked) out.push_back(i);
    return out;
}

TEST(Hints, HintOneRevealsUpToFive) {
    struct Case {
        const char* what;
        std::string solution;
        std::vector<int> revealed;
        bool noHints;
    };
    const Case cases[] = {
        {"first five in ascending order", "1,10,11,12,13,21,", {1, 10, 11, 12, 13}, false},
        {"fewer than five", "2,31,41,50,", {31, 41}, false},
        {"none qualifies", "2,3,40,", {}, true},
        {"empty solution", "", {}, true},
        {"no final comma", "5,100", {100}, false},
        {"item that is no segment still counts", "1x,199,11,", {11}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Game game;
        withSolution(game, c.solution);
        Form1& f = *game;
        game.platform.messages.clear();
        ASSERT_TRUE(f.clickMenu(MenuId::mh1).taken());
        EXPECT_EQ(markedOf(f), c.revealed);
        for (int i : c.revealed) EXPECT_EQ(f.model.segments[i].colour, 0xC0C0C0u);
        EXPECT_EQ(f.state.hintFactor, 2);
        EXPECT_FALSE(f.model[MenuId::mh1].enabled);
        EXPECT_FALSE(f.clickMenu(MenuId::mh1).taken());
        EXPECT_EQ(f.state.moveCount, 0);
        EXPECT_EQ(game.platform.messages.size(), c.noHints ? 1u : 0u);
        if (c.noHints) {
            EXPECT_EQ(game.platform.messages[0].text, "No hints found");
        }
        EXPECT_EQ(game.platform.soundNames(),
                  c.noHints ? std::vector<std::string>{} : std::vector<std::string>{"setup/4.wav"});
    }
}

TEST(Hints, HintTwoWantsTheWord) {
    struct Case {
        std::optional<std::string> answer;
        bool accepted;
    };
    for (const Case& c : {Case{"please", true}, Case{"PLEASE", true}, Case{"Please", true},
                          Case{"please ", false}, Case{"", false}, Case{std::nullopt, false}}) {
        SCOPED_TRACE(c.answer.value_or("(cancel)"));
        Game game;
        withSolution(game, "3,13,15,25,26,");
        Form1& f = *game;
        if (c.answer) game.platform.inputAnswers.push_back(*c.answer);
        f.clickMenu(MenuId::mh2);
        EXPECT_EQ(game.platform.inputs,
                  std::vector<std::string>{"Please type the word \"please\" in the field below!"});
        EXPECT_EQ(f.state.hintFactor, 2);
        EXPECT_EQ(f.model[MenuId::mh2].enabled, !c.accepted);
        const std::vector<int> expected =
            c.accepted ? std::vector<int>{3, 13, 15, 25} : std::vector<int>();
        EXPECT_EQ(markedOf(f), expected);
    }
}

TEST(Hints, RevealedLineIsOrdinaryAndWinsOnTheNextPress) {
    Game game;
    withSolution(game, "11,", "False");
    Form1& f = *game;
    f.clickMenu(MenuId::mh1);
    EXPECT_TRUE(f.state.gameInProgress); // no check ran
    f.Label1_MouseDown(100, 1);
    f.Label1_MouseDown(100, 1);
    EXPECT_EQ(f.model[ControlId::Label5].caption,
              "Yes - Game: 1 - Score: 4  (The best possible was: 1)");
    f.clickMenu(MenuId::mnres);
    EXPECT_TRUE(f.model[MenuId::mh1].enabled);
    EXPECT_TRUE(f.model[MenuId::mh2].enabled);
}

} // namespace
} // namespace quirn
