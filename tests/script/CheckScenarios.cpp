// "Check this level" and "Solve from clues" on hand-made quick boards, in play and in the
// editor: the message, the silver segments until the next press, and nothing else changed.
#include "Driver.h"
#include "support/LevelFiles.h"

#include <filesystem>
#include <map>

namespace quirn::test {
namespace {

namespace fs = std::filesystem;

// The loop around square 1 alone; kTwoSquares goes round squares 0 and 1.
const std::string kSquareOne = "12,14,20,21,";
// Clues that only the two-square loop fits; that both loops fit; that nothing fits.
const std::string kUnique = ",0-3,1-3,2-1,5-1,6-1,";
const std::string kBoth = ",2-1,6-1,7-0,9-0,11-0,12-0,17-0,19-0,21-0,23-0,";
const std::string kNone = ",0-3,1-0,5-0,";

const std::string kOneSolution = "This level has exactly one solution. Grade: normal.";
const std::string kMoreThanOne =
    "The clues allow more than one loop. Another loop is shown in silver.";
const std::string kNoLoop = "No loop fits these clues.";
const std::string kNotIt = "The clues have one solution, but the loop drawn is not it. Its "
                           "segments are shown in silver.";
const std::string kNotClosed = "The loop drawn is not one closed loop.";

struct CheckCase {
    const char* name;
    bool editor;         // the board made in the editor, else level 1 of the series in play
    std::string clues;   // line 2, or the clues put in with the editor
    std::string loop;    // line 1, or the segments drawn in the editor
    const char* item;    // mncheck or mnsolve
    std::string message; // empty: none
    std::string silver;  // the dump's list
};

void PrintTo(const CheckCase& c, std::ostream* out) {
    *out << c.name;
}

std::vector<std::string> items(const std::string& text, char separator) {
    std::vector<std::string> out;
    for (std::size_t at = text.find_first_not_of(separator); at < text.size();) {
        const std::size_t end = text.find(separator, at);
        out.push_back(text.substr(at, end - at));
        at = end == std::string::npos ? end : end + 1;
    }
    return out;
}

// Picks each clue from the pop-up of its square, then draws the loop.
std::string editorScript(const std::string& clues, const std::string& loop) {
    std::string script = "click mcreate\n";
    for (const std::string& clue : items(clues, ',')) {
        const std::size_t dash = clue.find('-');
        script +=
            "answer popup m" + clue.substr(dash + 1) + "\ncell " + clue.substr(0, dash) + "\n";
    }
    for (const std::string& segment : items(loop, ',')) script += "press " + segment + " 1\n";
    return script;
}

// The dump with the value of one member taken out (lists, objects and texts hold no
// brackets or quotes of their own here).
std::string without(std::string state, const std::string& key) {
    const std::size_t at = state.find("\"" + key + "\":");
    if (at == std::string::npos) return state;
    const std::size_t from = at + key.size() + 3;
    const char close = state[from] == '[' ? ']' : state[from] == '{' ? '}' : '"';
    state.erase(from, state.find(close, from + 1) + 1 - from);
    return state;
}

using Snapshot = std::map<std::string, std::pair<std::uintmax_t, fs::file_time_type>>;

Snapshot filesBelow(const fs::path& folder) {
    Snapshot files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), folder).string()] = {entry.file_size(),
                                                                  entry.last_write_time()};
    return files;
}

const std::vector<CheckCase> kCases = {
    {"play_unique_and_matching", false, kUnique, kTwoSquares, "mncheck", kOneSolution, ""},
    {"play_two_loops", false, kBoth, kTwoSquares, "mncheck", kMoreThanOne, "20"},
    {"play_no_loop", false, kNone, kTwoSquares, "mncheck", kNoLoop, ""},
    {"play_stored_loop_not_the_one", false, kUnique, kSquareOne, "mncheck", kNotIt,
     "12,13,14,17,21,23"},
    {"play_stored_not_closed", false, kUnique, "12,13,", "mncheck", kNotClosed, ""},
    {"editor_unique_and_matching", true, kUnique, kTwoSquares, "mncheck", kOneSolution, ""},
    {"editor_other_loop_drawn", true, kUnique, kSquareOne, "mncheck", kNotIt, "12,13,14,17,21,23"},
    {"editor_two_loops", true, kBoth, kSquareOne, "mncheck", kMoreThanOne, "13,17,23"},
    {"editor_no_loop", true, kNone, "", "mncheck", kNoLoop, ""},
    {"editor_not_closed", true, kUnique, "12,13,", "mncheck", kNotClosed, ""},
    {"solve_unique", true, kUnique, "20,42,", "mnsolve", "", ""},
    {"solve_two_loops", true, kBoth, kTwoSquares, "mnsolve", kMoreThanOne, "20"},
};

class CheckScenario : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckScenario, Runs) {
    const CheckCase& c = GetParam();
    GameFolder folder;
    folder.write("quirn.cfg", config("quick", "False"));
    folder.write("puzzles/quick/level.dat", progress(1));
    folder.write("puzzles/quick/game1.puz", level(c.editor ? kTwoSquares : c.loop, c.clues));
    const Snapshot files = filesBelow(folder.path());

    // A right press is the next press: it takes the silver away.
    const ScriptRun run = runScript(
        folder, "start\nclick Command4\n" + (c.editor ? editorScript(c.clues, c.loop) : "") +
                    "state\nclick " + c.item + "\nstate\npress 23 2\nstate\n");
    const std::vector<std::string> states = run.states();
    ASSERT_EQ(states.size(), 3u) << run.errors;
    std::vector<std::string> messages;
    for (const std::string& event : run.events())
        if (event.find(R"("event":"msgbox")") != std::string::npos) messages.push_back(event);
    EXPECT_EQ(messages, c.message.empty() ? std::vector<std::string>{}
                                          : std::vector<std::string>{
                                                R"({"event":"msgbox","title":"Quirn","text":")" +
                                                c.message + R"(","buttons":"ok","answer":"ok"})"});
    const std::string& before = states[0];
    const std::string& after = states[1];
    EXPECT_THAT(after, HasSubstr(R"("silver":[)" + c.silver + "]"));
    EXPECT_THAT(states[2], HasSubstr(R"("silver":[])"));
    EXPECT_THAT(before, HasSubstr(std::string(R"("mnsolve":{"caption":"Solve from clues",)") +
                                  R"("checked":false,"enabled":)" + (c.editor ? "true" : "false")));

    // Counters, stores, status line, the level in play: all as they were.
    std::string now = without(after, "silver");
    std::string was = without(before, "silver");
    if (std::string(c.item) == "mnsolve" && c.message.empty()) {
        // The one loop drawn in the line colour, and markedText brought up to date.
        EXPECT_THAT(after, HasSubstr(R"("markedText":")" + kTwoSquares + "\""));
        EXPECT_THAT(after, HasSubstr(R"("segmentColours":{"12":65535,"13":65535,"14":65535,)"
                                     R"("17":65535,"21":65535,"23":65535})"));
        for (const char* drawn : {"marked", "markedText", "segmentColours", "Text1"}) {
            now = without(now, drawn);
            was = without(was, drawn);
        }
    }
    EXPECT_EQ(now, was);
    EXPECT_EQ(filesBelow(folder.path()), files) << "a file was written";
}

INSTANTIATE_TEST_SUITE_P(Check, CheckScenario, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quirn::test
