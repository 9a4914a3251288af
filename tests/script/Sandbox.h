// A fresh temporary copy of the repository's data/ folder as a program folder, and
// runs of the real quirn-script binary on it.
#pragma once

#include "JsonValue.h"

#include <filesystem>
#include <string>
#include <vector>

namespace quirn::testing {

struct ScriptRun {
    int exitCode = -1;
    std::string errors;             // what the driver wrote to stderr
    std::vector<std::string> lines; // stdout, one entry a line
    std::vector<JsonValue> parsed;  // the same lines read as JSON

    // The lines that are events (not state dumps), in order.
    std::vector<std::string> events() const;
    // How often this exact line was printed.
    int count(const std::string& line) const;
    // Every {"state":...} printed, in order; throws when there is none at that place.
    std::vector<JsonValue> states() const;
    JsonValue lastState() const;
};

class Sandbox {
  public:
    // The copy holds no level files (puzzles/*/game*.puz): each case writes its own.
    Sandbox();
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    const std::filesystem::path& programFolder() const { return folder_; }

    void write(const std::string& relative, const std::string& bytes) const;
    void remove(const std::string& relative) const;
    std::string read(const std::string& relative) const;

    // Runs the driver on the folder with this script text, named as a file or given on
    // standard input; fails the test when an output line is no JSON.
    enum class ScriptFrom { File, StandardInput };
    ScriptRun run(const std::string& script, ScriptFrom from = ScriptFrom::File) const;
    // Runs the driver with exactly these arguments, standard input empty.
    ScriptRun runWithArguments(const std::vector<std::string>& arguments) const;

  private:
    ScriptRun runDriver(const std::vector<std::string>& arguments,
                        const std::filesystem::path& input) const;

    std::filesystem::path base_; // holds the program folder and the script
    std::filesystem::path folder_;
};

// CR LF after each line, as the game's files are written.
std::string crlf(const std::vector<std::string>& lines);

} // namespace quirn::testing
