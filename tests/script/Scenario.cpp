#include "Scenario.h"

#include <gtest/gtest.h>

namespace quirn::testing {

void runScenario(const Scenario& scenario) {
    Sandbox sandbox;
    for (const std::string& relative : scenario.removed) sandbox.remove(relative);
    for (const auto& [relative, bytes] : scenario.files) sandbox.write(relative, bytes);
    const ScriptRun run = sandbox.run(scenario.script);
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    SCOPED_TRACE("output:\n" + [&run] {
        std::string all;
        for (const std::string& line : run.events()) all += line + "\n";
        return all;
    }());
    scenario.check(run, sandbox);
}

std::string config(const std::string& sizeClass, const std::string& sound) {
    return crlf({sizeClass, "red.jpg", "65535", "192", "16777215", sound});
}

std::string progress(int number) {
    return " " + std::to_string(number) + " \r\n";
}

std::string level(const std::string& solution, const std::string& clues,
                  const std::string& message) {
    return crlf({solution, clues, "", message});
}

std::string levelWithoutMessage(const std::string& solution, const std::string& clues) {
    return crlf({solution, clues, ""});
}

std::string workedExample() {
    return level("12,13,14,17,21,23,", ",0-3,1-3,2-1,5-1,6-1,", "Well done!");
}

std::string caption(const JsonValue& state, const std::string& control) {
    const JsonValue& c = state["controls"][control];
    return c.has("text") ? c["text"].string() : c["caption"].string();
}

bool visible(const JsonValue& state, const std::string& control) {
    return state["controls"][control]["visible"].boolean();
}

bool enabled(const JsonValue& state, const std::string& control) {
    return state["controls"][control]["enabled"].boolean();
}

bool checked(const JsonValue& state, const std::string& menu) {
    return state["menus"][menu]["checked"].boolean();
}

std::vector<int> range(int first, int last) {
    std::vector<int> out;
    for (int i = first; i <= last; ++i) out.push_back(i);
    return out;
}

} // namespace quirn::testing
