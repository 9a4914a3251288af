// Runs of the real quirn-script on a program folder. Tests read its JSON lines as text:
// a state dump holds R"("marked":[23])" when segment 23 alone is marked.
#pragma once

#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include <string>
#include <vector>

namespace quirn::test {

using ::testing::HasSubstr;

struct ScriptRun {
    int exitCode = -1;
    std::string errors;                      // standard error
    std::vector<std::string> lines;          // standard output, a line each
    std::vector<std::string> events() const; // the lines that are no state dump
    std::vector<std::string> states() const; // the state dumps
};

// The script given as a file, or on standard input; the driver started through a launcher
// when one is given: the words of a command that runs its arguments (env, setpriv).
ScriptRun runScript(const TempFolder& programFolder, const std::string& script,
                    bool onStandardInput = false, const std::vector<std::string>& launcher = {});
// The driver with exactly these arguments and nothing on standard input.
ScriptRun runDriver(const std::vector<std::string>& arguments);

// Script lines that left-press the segments in turn.
inline std::string pressing(const std::vector<int>& segments) {
    std::string script;
    for (int segment : segments) script += "press " + std::to_string(segment) + " 1\n";
    return script;
}

// How a state dump shows a control with its caption first, e.g. "Label5", "Game: 2".
inline std::string caption(const std::string& control, const std::string& text) {
    return "\"" + control + R"(":{"caption":")" + text + "\"";
}

} // namespace quirn::test
