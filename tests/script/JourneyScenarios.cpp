// Whole journeys through the window as a player makes them, run by quirn-script.
#include "Driver.h"
#include "support/LevelFiles.h"

#include <algorithm>

namespace quirn::test {
namespace {

const std::string kWinSound = R"({"event":"sound","file":"setup/win.wav"})";
const std::string kNextEnabled = R"("Command2":{"caption":"Next Game!","visible":true,"enabled":)";

struct Series : GameFolder {
    Series(const std::string& size, const std::string& sound, const std::string& levelTwo) {
        write("quirn.cfg", config(size, sound));
        write("puzzles/" + size + "/level.dat", progress(1));
        write("puzzles/" + size + "/game1.puz", twoSquareLevel());
        write("puzzles/" + size + "/game2.puz", levelTwo);
    }
};

TEST(Journey, FirstLevelWonThenTheNext) {
    const Series game("normal", "True", crlf({"6,21,24,25,", ",2-4,", ""})); // no message
    const ScriptRun run = runScript(
        game, "start\nclick Command4\npress 24 1\npress 24 1\n" + pressing(kTwoSquarePresses) +
                  "state\nclick Command2\nstate\n" + pressing({6, 21, 24, 25}) + "state\n");
    const std::vector<std::string> s = run.states();
    ASSERT_EQ(s.size(), 3u) << run.errors;
    EXPECT_THAT(s[0], HasSubstr(caption("Label5", "Well done! - Game: 1 - Score: 8  (The best "
                                                  "possible was: 6)")));
    EXPECT_THAT(s[0], HasSubstr(kNextEnabled + "true"));
    EXPECT_THAT(s[0], HasSubstr(R"("outlined":[])"));
    EXPECT_THAT(s[1], HasSubstr(caption("Label5", "Game: 2")));
    EXPECT_THAT(s[1], HasSubstr(kNextEnabled + "false"));
    EXPECT_THAT(s[1], HasSubstr(R"("clues":{"2":"4"},"shown":[)"));
    EXPECT_THAT(s[1], HasSubstr(R"("marked":[])"));
    EXPECT_THAT(s[2], HasSubstr(caption("Label5", "Well done! - A Perfect Score!"))); // kept
    const std::vector<std::string> events = run.events();
    EXPECT_EQ(std::count(events.begin(), events.end(), kWinSound), 2);
    EXPECT_EQ(events.back(), kWinSound);
    EXPECT_EQ(game.read("puzzles/normal/level.dat"), progress(3));
}

TEST(Journey, SkipALevelThenReplayItFromTheList) {
    const Series game("quick", "False", level("6,21,24,25,", ",2-4,", "Two"));
    const ScriptRun run =
        runScript(game, "start\nclick mskip\nstate\nclick mshows\nstate\nclick Command7\n" +
                            pressing(kTwoSquarePresses) + "state\nclick Command2\nstate\n" +
                            "click mshows\nselect 0\nclick Command6\nclick Command8\n");
    const std::vector<std::string> s = run.states();
    ASSERT_EQ(s.size(), 4u) << run.errors;
    EXPECT_THAT(s[0], HasSubstr(caption("Label5", "Game: 2")));
    EXPECT_THAT(s[1], HasSubstr(R"("List1":{"items":["Game: 1"],"selected":0})"));
    EXPECT_THAT(s[2], HasSubstr(caption("Label5", "Well done! - A Perfect Score!")));
    EXPECT_THAT(s[3], HasSubstr(caption("Label5", "Game: 2"))); // where the skip left the series
    EXPECT_EQ(game.read("puzzles/quick/level.dat"), progress(2));
    EXPECT_EQ(game.read("puzzles/quick/skipped.dat"), ""); // its one entry removed
}

TEST(Journey, AnEditedLevelIsSavedOpenedFromDiskAndWon) {
    const Series game("quick", "False", twoSquareLevel());
    const ScriptRun run =
        runScript(game, "start\nclick mcreate\nanswer popup m3\ncell 0\nanswer popup m3\ncell 1\n" +
                            pressing(kTwoSquarePresses) +
                            "type Text3 120\nanswer input \"Made here\"\nclick Command1\n"
                            "click mnopen\nfile game120.puz\nstate\n"
                            "click mnedit\ntype Text3 121\nanswer input Again\nclick Command1\n"
                            "click mh1\nclick mnopen\nfile game121.puz\n" + // a fresh score
                            pressing(kTwoSquarePresses) +
                            "state\n");
    const std::vector<std::string> s = run.states();
    ASSERT_EQ(s.size(), 2u) << run.errors;
    EXPECT_EQ(game.read("puzzles/quick/game120.puz"), level(kTwoSquares, ",0-3,1-3,", "Made here"));
    EXPECT_EQ(game.read("puzzles/quick/game121.puz"), level(kTwoSquares, ",0-3,1-3,", "Again"));
    EXPECT_THAT(s[0], HasSubstr(caption("Label5", "File: game120.puz")));
    EXPECT_THAT(s[0], HasSubstr(R"("clues":{"0":"3","1":"3"})"));
    EXPECT_THAT(s[0],
                HasSubstr(R"("items":["game1.puz","game120.puz","game2.puz"]})")); // levels only
    EXPECT_THAT(s[1], HasSubstr(caption("Label5", "Again - A Perfect Score!")));
    EXPECT_THAT(s[1], HasSubstr(kNextEnabled + "false"));
    EXPECT_EQ(game.read("puzzles/quick/level.dat"), progress(1));
    for (const std::string& event : run.events())
        EXPECT_THAT(event, ::testing::Not(HasSubstr("refused")));
}

} // namespace
} // namespace quirn::test
