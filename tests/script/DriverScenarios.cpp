// The driver's own contract: exit codes, refusals, and the shape of a state dump.
#include "Scenario.h"

#include <cctype>
#include <gtest/gtest.h>

namespace quirn::testing {
namespace {

void layQuickSeries(const Sandbox& folder) {
    folder.write("quirn.cfg", config("quick"));
    folder.write("puzzles/quick/level.dat", progress(1));
    folder.write("puzzles/quick/game1.puz", workedExample());
}

TEST(Driver, MalformedLineStopsWithItsNumber) {
    Sandbox folder;
    layQuickSeries(folder);
    const ScriptRun run = folder.run("# comment\nstart\npress 23\npress 23 1\n");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.errors.find(":3:"), std::string::npos) << run.errors;
    EXPECT_TRUE(run.lines.empty()) << "nothing after the malformed line may run";
}

TEST(Driver, UnterminatedQuoteIsMalformed) {
    Sandbox folder;
    const ScriptRun run = folder.run("answer input \"open\n");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.errors.find(":1:"), std::string::npos) << run.errors;
}

TEST(Driver, UnreadableFolderOrScriptIsExitTwo) {
    Sandbox folder;
    const std::string missing = (folder.programFolder() / "no-such-folder").string();
    EXPECT_EQ(folder.runWithArguments({missing}).exitCode, 2);
    EXPECT_EQ(folder.runWithArguments({folder.programFolder().string(), missing}).exitCode, 2);
    const std::string aFile = (folder.programFolder() / "quirn.cfg").string();
    EXPECT_EQ(folder.runWithArguments({aFile}).exitCode, 2);
    EXPECT_EQ(folder.runWithArguments({}).exitCode, 2);
}

TEST(Driver, ReadsTheScriptFromStandardInput) {
    Sandbox folder;
    layQuickSeries(folder);
    const ScriptRun run = folder.run("start\npress 23 1\n", Sandbox::ScriptFrom::StandardInput);
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.lines, std::vector<std::string>{R"({"event":"sound","file":"setup/1.wav"})"});
}

TEST(Driver, NothingButAnswersBeforeStart) {
    Sandbox folder;
    layQuickSeries(folder);
    const ScriptRun run = folder.run("answer yes\nanswer input \"x y\"\nstate\npress 23 1\n"
                                     "start\nstart\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.lines, (std::vector<std::string>{
                             R"({"event":"refused","command":"state","why":"not started"})",
                             R"({"event":"refused","command":"press 23 1","why":"not started"})",
                             R"({"event":"refused","command":"start","why":"already started"})"}));
}

struct RefusalCase {
    const char* command;
    const char* why;
};

class Refusals : public ::testing::TestWithParam<RefusalCase> {};

// What the window would not let through after start-up on level 1 of a quick series.
TEST_P(Refusals, AreReportedAndChangeNothing) {
    Sandbox folder;
    layQuickSeries(folder);
    const ScriptRun run =
        folder.run(std::string("start\nstate\n") + GetParam().command + "\nstate\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    const std::string expected = std::string(R"({"event":"refused","command":")") +
                                 GetParam().command + R"(","why":")" + GetParam().why + "\"}";
    EXPECT_EQ(run.events(), std::vector<std::string>{expected});
    ASSERT_EQ(run.states().size(), 2u);
    EXPECT_EQ(run.lines.front(), run.lines.back());
}

INSTANTIATE_TEST_SUITE_P(
    AfterStart, Refusals,
    ::testing::Values(
        RefusalCase{"press 100 1", "hidden"}, RefusalCase{"press 187 2", "no such segment"},
        RefusalCase{"press -1 1", "no such segment"}, RefusalCase{"cell 84", "no such square"},
        RefusalCase{"click Command2", "disabled"}, RefusalCase{"click Command3", "hidden"},
        RefusalCase{"click Command9", "hidden"}, RefusalCase{"click m3", "hidden"},
        RefusalCase{"combo 1", "hidden"}, RefusalCase{"file game1.puz", "hidden"},
        RefusalCase{"select 0", "hidden"}, RefusalCase{"type Text3 12", "hidden"},
        RefusalCase{"type Label5 x", "not a text box"},
        RefusalCase{"pressat -5000 -5000 1", "nothing there"},
        // The Next Game button of the quick board, still disabled, beside the start screen.
        RefusalCase{"pressat 5000 5900 1", "disabled"}),
    [](const auto& info) {
        std::string name = info.param.command;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    });

TEST(Driver, StateHoldsEveryPart) {
    Sandbox folder;
    layQuickSeries(folder);
    const ScriptRun run = folder.run("start\npress 23 1\nstate\n");
    const JsonValue s = run.lastState();
    for (const char* key :
         {"selectedCell", "gameNumber",   "playMode",       "successMessage", "sizeClass",
          "themePicture", "lineColour",   "buttonColour",   "textColour",     "hintFactor",
          "moveCount",    "bestPossible", "gameInProgress", "soundOn",        "solutionText",
          "clueText",     "extraText",    "markedText",     "editorClueText", "editorExtraText",
          "clues",        "shown",        "marked",         "outlined",       "segmentColours",
          "window",       "controls",     "menus",          "List1",          "Combo1",
          "File1",        "picture"})
        EXPECT_TRUE(s.has(key)) << key;
    EXPECT_EQ(s["lineColour"].string(), "65535");
    EXPECT_EQ(s["moveCount"].number(), 1);
    EXPECT_EQ(s["segmentColours"]["23"].number(), 65535);
    EXPECT_EQ(s["segmentColours"].members().size(), 1u);
    EXPECT_EQ(s["picture"].string(), "setup/red.jpg");
    EXPECT_EQ(s["Combo1"]["items"].array().size(), 4u);
    EXPECT_EQ(s["Combo1"]["selected"].number(), -1);
    EXPECT_EQ(s["controls"]["Text1"]["text"].string(), "23,");
    EXPECT_FALSE(s["controls"]["Label5"].has("text"));
    EXPECT_EQ(s["controls"]["Command2"]["backColor"].number(), 192);
    EXPECT_FALSE(s["controls"]["Command4"].has("backColor"));
    EXPECT_EQ(s["menus"]["mnsound"]["caption"].string(), "Sound Effects");
    EXPECT_EQ(s["File1"]["folder"].string(), "");
}

TEST(Driver, PictureNullWithoutThemeFile) {
    Sandbox folder;
    layQuickSeries(folder);
    folder.write("quirn.cfg", crlf({"quick", "none.jpg", "65535", "192", "16777215", "True"}));
    EXPECT_TRUE(folder.run("start\nstate\n").lastState()["picture"].isNull());
}

} // namespace
} // namespace quirn::testing
