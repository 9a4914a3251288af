// A scenario as data: the files it lays into a fresh program folder, the script it
// runs there, and what must hold afterwards.
#pragma once

#include "JsonValue.h"
#include "Sandbox.h"

#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace quirn::testing {

struct Scenario {
    std::string name; // letters, digits and underscores: it names the test
    std::vector<std::pair<std::string, std::string>> files;
    std::vector<std::string> removed;
    std::string script;
    std::function<void(const ScriptRun&, const Sandbox&)> check;
};

inline void PrintTo(const Scenario& s, std::ostream* out) {
    *out << s.name;
}

// Lays the files, runs the script, expects a normal exit and runs the checks.
void runScenario(const Scenario& scenario);

// ---- Files the cases write.
// quirn.cfg with the given size class and sixth (sound) line.
std::string config(const std::string& sizeClass, const std::string& sound = "True");
// level.dat as the game writes it.
std::string progress(int number);
// The four-line level file; a missing message leaves the file at three lines.
std::string level(const std::string& solution, const std::string& clues,
                  const std::string& message);
std::string levelWithoutMessage(const std::string& solution, const std::string& clues);
// Two squares' loop in the top-left corner, the worked example of the rules.
std::string workedExample();

// ---- Reading a state dump.
std::string caption(const JsonValue& state, const std::string& control);
bool visible(const JsonValue& state, const std::string& control);
bool enabled(const JsonValue& state, const std::string& control);
bool checked(const JsonValue& state, const std::string& menu);
std::vector<int> range(int first, int last); // first..last inclusive

} // namespace quirn::testing
