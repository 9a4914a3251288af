// Start-up: settings, progress and level files read as the window opens.
#include "Scenario.h"

#include <gtest/gtest.h>

namespace quirn::testing {
namespace {

const std::string kSeriesEnd =
    "Success!  You have completed all %s levels!  More may be available for download from our "
    "site.  In the meantime the game will return to the beginning for this size";

std::string seriesEndBox(const std::string& sizeClass) {
    std::string text = kSeriesEnd;
    text.replace(text.find("%s"), 2, sizeClass);
    return R"({"event":"msgbox","title":"Quirn","text":")" + text +
           R"(","buttons":"ok","answer":"ok"})";
}

const char* const kSizeItems[] = {"mnquick", "mnnorm", "mnuhard", "mnadv"};

void expectNoSizeChecked(const JsonValue& s) {
    for (const char* item : kSizeItems) EXPECT_FALSE(checked(s, item)) << item;
}

const std::vector<Scenario> kStartup = {
    {"normal_board_and_start_screen",
     {{"quirn.cfg", config("normal")},
      {"puzzles/normal/level.dat", progress(1)},
      {"puzzles/normal/game1.puz", workedExample()}},
     {},
     "start\nstate\n",
     [](const ScriptRun& run, const Sandbox&) {
         const JsonValue s = run.lastState();
         EXPECT_EQ(s["shown"].integers(), range(0, 83));
         EXPECT_TRUE(checked(s, "mnnorm"));
         for (const char* item : {"mnquick", "mnuhard", "mnadv"}) EXPECT_FALSE(checked(s, item));
         EXPECT_EQ(s["window"]["caption"].string(), "Quirn Puzzle:  NORMAL Game.");
         EXPECT_EQ(s["window"]["width"].number(), 6810);
         EXPECT_EQ(s["window"]["height"].number(), 8430);
         EXPECT_EQ(caption(s, "Label5"), "Game: 1");
         EXPECT_TRUE(visible(s, "Picture1"));
         EXPECT_EQ(s["controls"]["Picture1"]["top"].number(), 4885);
         EXPECT_EQ(s["controls"]["Picture1"]["left"].number(), 1480);
         EXPECT_TRUE(run.events().empty());
     }},
    {"start_screen_hidden_past_level_one",
     {{"quirn.cfg", config("normal")},
      {"puzzles/normal/level.dat", progress(2)},
      {"puzzles/normal/game1.puz", workedExample()},
      {"puzzles/normal/game2.puz", workedExample()}},
     {},
     "start\nstate\n",
     [](const ScriptRun& run, const Sandbox&) {
         const JsonValue s = run.lastState();
         EXPECT_EQ(caption(s, "Label5"), "Game: 2");
         EXPECT_FALSE(visible(s, "Picture1"));
     }},
    {"clue_of_square_twelve",
     {{"quirn.cfg", config("quick")},
      {"puzzles/quick/level.dat", progress(1)},
      {"puzzles/quick/game1.puz", level("12,13,14,17,21,23,", ",12-3,", "Done")}},
     {},
     "start\nstate\n",
     [](const ScriptRun& run, const Sandbox&) {
         const JsonValue s = run.lastState();
         ASSERT_EQ(s["clues"].members().size(), 1u);
         EXPECT_EQ(s["clues"]["12"].string(), "3");
         EXPECT_FALSE(s["clues"].has("1"));
         EXPECT_FALSE(s["clues"].has("2"));
     }},
    {"clue_outside_the_block",
     {{"quirn.cfg", config("quick")},
      {"puzzles/quick/level.dat", progress(1)},
      // Square 40 lies in row 5, column 7: outside the quick board's 5 x 5 block.
      {"puzzles/quick/game1.puz", level("12,13,14,17,21,23,", ",0-3,40-2,", "Done")}},
     {},
     "start\nstate\n",
     [](const ScriptRun& run, const Sandbox&) {
         const JsonValue s = run.lastState();
         EXPECT_EQ(s["clues"]["0"].string(), "3");
         EXPECT_EQ(s["clues"]["40"].string(), "2");
     }},
    {"editing_controls_hidden",
     {{"quirn.cfg", config("quick")},
      {"puzzles/quick/level.dat", progress(1)},
      {"puzzles/quick/game1.puz", workedExample()}},
     {},
     "start\nstate\n",
     [](const ScriptRun& run, const Sandbox&) {
         const JsonValue s = run.lastState();
         EXPECT_EQ(caption(s, "Command3"), "Clear All");
         EXPECT_EQ(caption(s, "Command1"), "Save As #:");
         for (const char* control : {"Command3", "Command1", "Text3"})
             EXPECT_FALSE(visible(s, control)) << control;
     }},
    {"no_settings_file",
     {},
     {"quirn.cfg"},
     "start\nstate\n",
     [](const ScriptRun& run, const Sandbox&) {
         const JsonValue s = run.lastState();
         expectNoSizeChecked(s);
         EXPECT_TRUE(s["shown"].integers().empty());
         EXPECT_EQ(s["window"]["caption"].string(), "Quirn Puzzle:   Game.");
         EXPECT_TRUE(s["soundOn"].boolean());
         EXPECT_EQ(run.events(), std::vector<std::string>{seriesEndBox("")});
     }},
    {"size_class_in_capitals_selects_nothing",
     {{"quirn.cfg", config("Hard")}, {"puzzles/hard/game1.puz", workedExample()}},
     {},
     "start\nstate\n",
     [](const ScriptRun& run, const Sandbox&) {
         const JsonValue s = run.lastState();
         expectNoSizeChecked(s);
         EXPECT_TRUE(s["shown"].integers().empty());
     }},
    {"missing_levels_jump_ahead",
     {{"quirn.cfg", config("quick")},
      {"puzzles/quick/level.dat", progress(5)},
      {"puzzles/quick/game1.puz", workedExample()},
      {"puzzles/quick/game7.puz", workedExample()}},
     {},
     "start\nstate\n",
     [](const ScriptRun& run, const Sandbox& folder) {
         EXPECT_EQ(
             run.events(),
             std::vector<std::string>{
                 R"({"event":"msgbox","title":"Quirn","text":"Levels missing? Jumping to: 7","buttons":"ok","answer":"ok"})"});
         EXPECT_EQ(caption(run.lastState(), "Label5"), "Game: 7");
         EXPECT_EQ(folder.read("puzzles/quick/level.dat"), " 5 \r\n");
     }},
    {"past_the_last_level_back_to_four",
     {{"quirn.cfg", config("quick")},
      {"puzzles/quick/level.dat", progress(998)},
      {"puzzles/quick/game1.puz", workedExample()},
      {"puzzles/quick/game4.puz", level("6,21,24,25,", ",2-4,", "Four")}},
     {},
     "start\nstate\n",
     [](const ScriptRun& run, const Sandbox& folder) {
         EXPECT_EQ(run.events(), std::vector<std::string>{seriesEndBox("quick")});
         const JsonValue s = run.lastState();
         EXPECT_EQ(folder.read("puzzles/quick/level.dat"), " 4 \r\n");
         EXPECT_EQ(caption(s, "Label5"), "Game: 4");
         EXPECT_EQ(s["gameNumber"].number(), 4);
         EXPECT_EQ(s["solutionText"].string(), "6,21,24,25,");
     }},
};

class StartupScenario : public ::testing::TestWithParam<Scenario> {};

TEST_P(StartupScenario, Runs) {
    runScenario(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Startup, StartupScenario, ::testing::ValuesIn(kStartup),
                         [](const auto& info) { return info.param.name; });

// The sixth settings line switches the sound effects.
struct SoundCase {
    const char* name;
    const char* sixthLine;
    bool soundOn;
};

class SoundSetting : public ::testing::TestWithParam<SoundCase> {};

TEST_P(SoundSetting, DecidesWhetherPressesSound) {
    const SoundCase& c = GetParam();
    runScenario({c.name,
                 {{"quirn.cfg", config("quick", c.sixthLine)},
                  {"puzzles/quick/level.dat", progress(1)},
                  {"puzzles/quick/game1.puz", workedExample()}},
                 {},
                 "start\nstate\npress 23 1\n",
                 [&c](const ScriptRun& run, const Sandbox&) {
                     const JsonValue s = run.lastState();
                     EXPECT_EQ(s["soundOn"].boolean(), c.soundOn);
                     EXPECT_EQ(checked(s, "mnsound"), c.soundOn);
                     const std::vector<std::string> sound = {
                         R"({"event":"sound","file":"setup/1.wav"})"};
                     EXPECT_EQ(run.events(), c.soundOn ? sound : std::vector<std::string>{});
                 }});
}

INSTANTIATE_TEST_SUITE_P(SixthLine, SoundSetting,
                         ::testing::Values(SoundCase{"False", "False", false},
                                           SoundCase{"empty", "", true},
                                           SoundCase{"True", "True", true},
                                           SoundCase{"zero", "0", false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quirn::testing
