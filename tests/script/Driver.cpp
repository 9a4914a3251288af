#include "Driver.h"

#include <cstdlib>
#include <sys/wait.h>

namespace quirn::test {
namespace {

// Single quotes for the shell, each quote inside written as '\''.
std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

ScriptRun run(const std::vector<std::string>& arguments, const std::string& input,
              const std::vector<std::string>& launcher = {}) {
    const TempFolder scratch;
    const auto file = [&](const char* name) { return quoted((scratch.path() / name).string()); };
    std::string command;
    for (const std::string& word : launcher) command += quoted(word) + " ";
    command += quoted(QUIRN_SCRIPT_EXE);
    for (const std::string& argument : arguments) command += " " + quoted(argument);
    const int status = std::system(
        (command + " <" + quoted(input) + " >" + file("out") + " 2>" + file("errors")).c_str());
    ScriptRun result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, scratch.read("errors"), {}};
    const std::string out = scratch.read("out");
    std::size_t start = 0;
    for (std::size_t end; (end = out.find('\n', start)) != std::string::npos; start = end + 1)
        result.lines.push_back(out.substr(start, end - start));
    EXPECT_EQ(start, out.size()) << "the last line has no line end";
    return result;
}

bool isState(const std::string& line) {
    return line.rfind("{\"state\":{", 0) == 0;
}

} // namespace

std::vector<std::string> ScriptRun::events() const {
    std::vector<std::string> out;
    for (const std::string& line : lines)
        if (!isState(line)) out.push_back(line);
    return out;
}

std::vector<std::string> ScriptRun::states() const {
    std::vector<std::string> out;
    for (const std::string& line : lines)
        if (isState(line)) out.push_back(line);
    return out;
}

ScriptRun runScript(const TempFolder& programFolder, const std::string& script,
                    bool onStandardInput, const std::vector<std::string>& launcher) {
    const TempFolder scratch;
    scratch.write("session.qs", script);
    const std::string file = (scratch.path() / "session.qs").string();
    if (onStandardInput) return run({programFolder.path().string()}, file, launcher);
    return run({programFolder.path().string(), file}, "/dev/null", launcher);
}

ScriptRun runDriver(const std::vector<std::string>& arguments) {
    return run(arguments, "/dev/null");
}

} // namespace quirn::test
