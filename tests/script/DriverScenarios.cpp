// The driver's own contract: exit codes, where the script comes from, refusals, and what
// a state dump holds.
#include "Driver.h"
#include "support/LevelFiles.h"

namespace quirn::test {
namespace {

struct QuickSeries : GameFolder {
    QuickSeries() {
        write("quirn.cfg", config("quick"));
        write("puzzles/quick/level.dat", progress(1));
        write("puzzles/quick/game1.puz", twoSquareLevel());
    }
};

std::string refused(const std::string& command, const std::string& why) {
    return R"({"event":"refused","command":")" + command + R"(","why":")" + why + "\"}";
}

// The script comes from a file or standard input; nothing after a malformed line runs.
TEST(Driver, AMalformedLineStopsTheScriptWithItsNumber) {
    const QuickSeries folder;
    const ScriptRun run = runScript(folder, "# comment\nstart\npress 23\npress 23 1\n");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_THAT(run.errors, HasSubstr("session.qs:3:"));
    EXPECT_TRUE(run.lines.empty());
    const ScriptRun input = runScript(folder, "start\npress 23 1\n\nanswer input \"x\n", true);
    EXPECT_EQ(input.exitCode, 2);
    EXPECT_THAT(input.errors, HasSubstr("<stdin>:4:"));
    EXPECT_EQ(input.lines, std::vector<std::string>{R"({"event":"sound","file":"setup/1.wav"})"});
}

TEST(Driver, AnUnreadableFolderOrScriptIsExitTwo) {
    const QuickSeries folder;
    const std::string root = folder.path().string();
    for (const auto& arguments : {std::vector<std::string>{root + "/none"},
                                  {root, root + "/none"},
                                  {root + "/quirn.cfg"},
                                  {}})
        EXPECT_EQ(runDriver(arguments).exitCode, 2);
}

TEST(Driver, WhatTheWindowTurnsAwayIsReportedAndChangesNothing) {
    const QuickSeries folder;
    const ScriptRun run =
        runScript(folder, "answer yes\nstate\nstart\nstart\nstate\nclick Command2\n"
                          "file game1.puz\npressat -5000 0 1\nstate\n");
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.events(),
              (std::vector<std::string>{
                  refused("state", "not started"), refused("start", "already started"),
                  refused("click Command2", "disabled"), refused("file game1.puz", "hidden"),
                  refused("pressat -5000 0 1", "nothing there")}));
    ASSERT_EQ(run.states().size(), 2u);
    EXPECT_EQ(run.states()[0], run.states()[1]);
    const ScriptRun open = runScript(folder, "start\nclick mnopen\nfile game7.puz\n");
    EXPECT_EQ(open.events(), std::vector<std::string>{refused("file game7.puz", "no such file")});
}

TEST(Driver, AStateDumpShowsTheWindowAsItIs) {
    QuickSeries folder;
    const std::string s = runScript(folder, "start\npress 23 1\nstate\n").lines.at(1);
    for (const char* piece : {R"("segmentColours":{"23":65535})", R"("clues":{"0":"3","1":"3",)",
                              R"("Text1":{"text":"23,","visible":true,"enabled":true,"left":5190,)",
                              R"("mnsound":{"caption":"Sound Effects","checked":true,)",
                              R"("picture":"setup/red.jpg"})"})
        EXPECT_THAT(s, HasSubstr(piece));
    folder.write("quirn.cfg", crlf({"quick", "none.jpg"}));
    EXPECT_THAT(runScript(folder, "start\nstate\n").lines.at(0), HasSubstr(R"("picture":null})"));
}

} // namespace
} // namespace quirn::test
