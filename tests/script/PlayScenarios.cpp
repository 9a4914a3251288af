// Play: presses on the board, victory, the next level, and levels that can't be read.
#include "Scenario.h"

#include <gtest/gtest.h>

namespace quirn::testing {
namespace {

const std::string kSound1 = R"({"event":"sound","file":"setup/1.wav"})";
const std::string kSound2 = R"({"event":"sound","file":"setup/2.wav"})";
const std::string kSound3 = R"({"event":"sound","file":"setup/3.wav"})";
const std::string kWinSound = R"({"event":"sound","file":"setup/win.wav"})";

// Level 2 of the small series: the loop around square 2 alone.
const std::string kLevelTwo = level("6,21,24,25,", ",2-4,", "Second done");
const char* const kSolveLevelOne = "press 23 1\npress 12 1\npress 13 1\n"
                                   "press 14 1\npress 17 1\npress 21 1\n";

using Files = std::vector<std::pair<std::string, std::string>>;

Files quickSeries(const std::string& sound = "True") {
    return {{"quirn.cfg", config("quick", sound)},
            {"puzzles/quick/level.dat", progress(1)},
            {"puzzles/quick/game1.puz", workedExample()},
            {"puzzles/quick/game2.puz", kLevelTwo}};
}

const std::vector<Scenario> kPlay = {
    {"whole_level_won_then_next",
     quickSeries(),
     {},
     std::string("start\n") + kSolveLevelOne + "state\nclick Command2\nstate\n",
     [](const ScriptRun& run, const Sandbox&) {
         const std::vector<JsonValue> states = run.states();
         ASSERT_EQ(states.size(), 2u);
         const JsonValue& won = states[0];
         EXPECT_EQ(caption(won, "Label5"), "Well done! - A Perfect Score!");
         // The last press sounds, then the victory.
         const std::vector<std::string> events = run.events();
         ASSERT_GE(events.size(), 2u);
         EXPECT_EQ(events[events.size() - 2], kSound1);
         EXPECT_EQ(events.back(), kWinSound);
         EXPECT_EQ(run.count(kWinSound), 1);
         EXPECT_TRUE(won["outlined"].integers().empty());
         EXPECT_TRUE(enabled(won, "Command2"));

         const JsonValue& next = states[1];
         EXPECT_EQ(caption(next, "Label5"), "Game: 2");
         EXPECT_FALSE(enabled(next, "Command2"));
         EXPECT_EQ(next["outlined"].integers(), range(0, 186));
         EXPECT_TRUE(next["marked"].integers().empty());
         ASSERT_EQ(next["clues"].members().size(), 1u);
         EXPECT_EQ(next["clues"]["2"].string(), "4");
         EXPECT_EQ(next["solutionText"].string(), "6,21,24,25,");
     }},
    {"progress_written_on_victory",
     quickSeries(),
     {},
     std::string("start\n") + kSolveLevelOne,
     [](const ScriptRun&, const Sandbox& folder) {
         EXPECT_EQ(folder.read("puzzles/quick/level.dat"), " 2 \r\n");
     }},
    {"extra_presses_counted",
     quickSeries(),
     {},
     std::string("start\npress 24 1\npress 24 1\n") + kSolveLevelOne + "state\n",
     [](const ScriptRun& run, const Sandbox&) {
         EXPECT_EQ(caption(run.lastState(), "Label5"),
                   "Well done! - Game: 1 - Score: 8  (The best possible was: 6)");
         EXPECT_EQ(run.count(kSound2), 1);
     }},
    {"right_press_toggles_outline_only",
     quickSeries(),
     {},
     "start\npress 23 2\nstate\npress 23 2\nstate\n",
     [](const ScriptRun& run, const Sandbox&) {
         const std::vector<JsonValue> states = run.states();
         ASSERT_EQ(states.size(), 2u);
         std::vector<int> withoutOne = range(0, 186);
         withoutOne.erase(withoutOne.begin() + 23);
         EXPECT_EQ(states[0]["outlined"].integers(), withoutOne);
         EXPECT_EQ(states[1]["outlined"].integers(), range(0, 186));
         for (const JsonValue& s : states) {
             EXPECT_TRUE(s["marked"].integers().empty());
             EXPECT_EQ(s["moveCount"].number(), 0);
         }
         EXPECT_EQ(run.events(), (std::vector<std::string>{kSound3, kSound3}));
     }},
    {"right_press_silent_with_sound_off",
     quickSeries("False"),
     {},
     "start\npress 23 2\nstate\n",
     [](const ScriptRun& run, const Sandbox&) {
         EXPECT_TRUE(run.events().empty());
         EXPECT_EQ(run.lastState()["outlined"].integers().size(), 186u);
     }},
    {"middle_press_does_nothing",
     quickSeries(),
     {},
     "start\nstate\npress 23 4\npress 40 4\nstate\n",
     [](const ScriptRun& run, const Sandbox&) {
         ASSERT_EQ(run.lines.size(), 2u) << "the middle button printed something";
         EXPECT_EQ(run.lines[0], run.lines[1]);
     }},
    {"press_on_hidden_segment_refused",
     quickSeries(),
     {},
     "start\nstate\npress 100 1\npress 187 1\nstate\n",
     [](const ScriptRun& run, const Sandbox&) {
         EXPECT_EQ(run.events(),
                   (std::vector<std::string>{
                       R"({"event":"refused","command":"press 100 1","why":"hidden"})",
                       R"({"event":"refused","command":"press 187 1","why":"no such segment"})"}));
         const std::vector<JsonValue> states = run.states();
         ASSERT_EQ(states.size(), 2u);
         EXPECT_EQ(states[1]["moveCount"].number(), 0);
         EXPECT_TRUE(states[1]["marked"].integers().empty());
     }},
    {"press_at_a_dot_reaches_the_front_segment",
     quickSeries(),
     {},
     // Dot (1, 1) at 360 + 960 + 100, 480 + 960 + 100 in the client area.
     "start\npressat 1420 1540 1\nstate\n",
     [](const ScriptRun& run, const Sandbox&) {
         EXPECT_EQ(run.lastState()["marked"].integers(), std::vector<int>{20});
         EXPECT_EQ(run.lastState()["markedText"].string(), "20,");
     }},
    {"start_screen_in_front_of_the_board",
     {{"quirn.cfg", config("normal")},
      {"puzzles/normal/level.dat", progress(1)},
      {"puzzles/normal/game1.puz", workedExample()}},
     {},
     // Segment 53 (row 5, column 2) lies under the start screen until its OK closes it.
     "start\npressat 2900 5300 1\nstate\nclick Command4\npressat 2900 5300 1\nstate\n",
     [](const ScriptRun& run, const Sandbox&) {
         const std::vector<JsonValue> states = run.states();
         ASSERT_EQ(states.size(), 2u);
         EXPECT_TRUE(visible(states[0], "Picture1"));
         EXPECT_TRUE(states[0]["marked"].integers().empty());
         EXPECT_FALSE(visible(states[1], "Picture1"));
         EXPECT_EQ(states[1]["marked"].integers(), std::vector<int>{53});
     }},
    {"level_without_message_keeps_the_one_before",
     {{"quirn.cfg", config("quick")},
      {"puzzles/quick/level.dat", progress(1)},
      {"puzzles/quick/game1.puz", level("12,13,14,17,21,23,", ",0-3,", "First solved")},
      {"puzzles/quick/game2.puz", levelWithoutMessage("6,21,24,25,", ",2-4,")}},
     {},
     std::string("start\n") + kSolveLevelOne +
         "click Command2\npress 6 1\npress 21 1\npress 24 1\npress 25 1\nstate\n",
     [](const ScriptRun& run, const Sandbox&) {
         EXPECT_EQ(run.count(kWinSound), 2);
         EXPECT_EQ(caption(run.lastState(), "Label5"), "First solved - A Perfect Score!");
     }},
    {"victory_only_once",
     quickSeries(),
     {},
     std::string("start\n") + kSolveLevelOne + "state\npress 23 1\npress 23 1\nstate\n",
     [](const ScriptRun& run, const Sandbox&) {
         EXPECT_EQ(run.count(kWinSound), 1);
         const std::vector<JsonValue> states = run.states();
         ASSERT_EQ(states.size(), 2u);
         EXPECT_EQ(caption(states[1], "Label5"), "Well done! - A Perfect Score!");
         EXPECT_EQ(caption(states[1], "Label5"), caption(states[0], "Label5"));
     }},
};

// Boards whose level file could not be read: nothing marked or unmarked may win them.
const char* const kPressesOnUnreadLevel = "press 23 1\npress 23 1\npress 12 1\npress 12 1\n"
                                          "press 23 2\nstate\n";

const std::vector<Scenario> kUnreadLevels = {
    {"series_past_its_files",
     // Level 2 and every later file is gone: the series ends, and level 4 is missing too.
     {{"quirn.cfg", config("quick")},
      {"puzzles/quick/level.dat", progress(2)},
      {"puzzles/quick/game1.puz", workedExample()}},
     {},
     std::string("start\n") + kPressesOnUnreadLevel,
     [](const ScriptRun& run, const Sandbox&) {
         const JsonValue s = run.lastState();
         EXPECT_EQ(s["solutionText"].string(), "");
         EXPECT_EQ(caption(s, "Label5"), "Game: 4");
         EXPECT_EQ(run.count(kWinSound), 0);
     }},
    // The reader stops after four lines, so a long tail loses nothing before it.
    {"level_file_with_a_huge_tail",
     {{"quirn.cfg", config("quick")},
      {"puzzles/quick/level.dat", progress(1)},
      {"puzzles/quick/game1.puz", workedExample() + std::string((1 << 20) + 1, ' ')}},
     {},
     std::string("start\n") + kPressesOnUnreadLevel,
     [](const ScriptRun& run, const Sandbox&) {
         const JsonValue s = run.lastState();
         EXPECT_EQ(s["solutionText"].string(), "12,13,14,17,21,23,");
         EXPECT_EQ(caption(s, "Label5"), "Game: 1");
         EXPECT_EQ(run.count(kWinSound), 0);
     }},
};

class PlayScenario : public ::testing::TestWithParam<Scenario> {};

TEST_P(PlayScenario, Runs) {
    runScenario(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Play, PlayScenario, ::testing::ValuesIn(kPlay),
                         [](const auto& info) { return info.param.name; });
INSTANTIATE_TEST_SUITE_P(UnreadLevel, PlayScenario, ::testing::ValuesIn(kUnreadLevels),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace quirn::testing
