#include "Sandbox.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>

namespace quirn::testing {
namespace fs = std::filesystem;

namespace {

fs::path makeUniqueFolder() {
    std::random_device seed;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate =
            fs::temp_directory_path() / ("quirn-scenario-" + std::to_string(seed()));
        if (fs::create_directory(candidate)) return candidate;
    }
    throw std::runtime_error("no temporary folder could be made");
}

// Single quotes for the shell, each quote inside written as '\\''.
std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}
std::string quoted(const fs::path& path) {
    return quoted(path.string());
}

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool isState(const JsonValue& line) {
    return line.kind() == JsonValue::Kind::Object && line.has("state");
}

} // namespace

std::string crlf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

Sandbox::Sandbox() : base_(makeUniqueFolder()), folder_(base_ / "game") {
    fs::copy(QUIRN_DATA_DIR, folder_, fs::copy_options::recursive);
    if (!fs::is_directory(folder_ / "puzzles")) return;
    for (const auto& entry : fs::recursive_directory_iterator(folder_ / "puzzles")) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && name.rfind("game", 0) == 0 &&
            entry.path().extension() == ".puz")
            fs::remove(entry.path());
    }
}

Sandbox::~Sandbox() {
    std::error_code ec;
    fs::remove_all(base_, ec);
}

void Sandbox::write(const std::string& relative, const std::string& bytes) const {
    const fs::path path = folder_ / relative;
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

void Sandbox::remove(const std::string& relative) const {
    fs::remove(folder_ / relative);
}

std::string Sandbox::read(const std::string& relative) const {
    return slurp(folder_ / relative);
}

ScriptRun Sandbox::run(const std::string& script, ScriptFrom from) const {
    const fs::path scriptFile = base_ / "session.qs";
    {
        std::ofstream out(scriptFile, std::ios::binary | std::ios::trunc);
        out << script;
    }
    if (from == ScriptFrom::File) return runDriver({folder_.string(), scriptFile.string()}, "");
    return runDriver({folder_.string()}, scriptFile);
}

ScriptRun Sandbox::runWithArguments(const std::vector<std::string>& arguments) const {
    return runDriver(arguments, "");
}

ScriptRun Sandbox::runDriver(const std::vector<std::string>& arguments,
                             const fs::path& input) const {
    const fs::path errorFile = base_ / "stderr.txt";
    std::string command = quoted(std::string(QUIRN_SCRIPT_EXE));
    for (const std::string& argument : arguments) command += " " + quoted(argument);
    command += " <" + (input.empty() ? std::string("/dev/null") : quoted(input));
    command += " 2>" + quoted(errorFile);

    ScriptRun result;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) throw std::runtime_error("cannot run " + command);
    std::string line;
    for (int c = std::fgetc(pipe); c != EOF; c = std::fgetc(pipe)) {
        if (c != '\n') {
            line += static_cast<char>(c);
            continue;
        }
        result.lines.push_back(line);
        line.clear();
    }
    EXPECT_TRUE(line.empty()) << "last output line has no line end: " << line;
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.errors = slurp(errorFile);
    for (const std::string& text : result.lines) {
        auto value = JsonValue::parse(text);
        EXPECT_TRUE(value.has_value()) << "not JSON: " << text;
        result.parsed.push_back(value.value_or(JsonValue()));
    }
    return result;
}

std::vector<std::string> ScriptRun::events() const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (!isState(parsed[i])) out.push_back(lines[i]);
    return out;
}

int ScriptRun::count(const std::string& wanted) const {
    int n = 0;
    for (const std::string& line : lines) n += line == wanted;
    return n;
}

std::vector<JsonValue> ScriptRun::states() const {
    std::vector<JsonValue> out;
    for (const JsonValue& value : parsed)
        if (isState(value)) out.push_back(value["state"]);
    return out;
}

JsonValue ScriptRun::lastState() const {
    const std::vector<JsonValue> all = states();
    if (all.empty()) throw std::runtime_error("the script printed no state");
    return all.back();
}

} // namespace quirn::testing
