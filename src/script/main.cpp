// quirn-script PROGRAM_FOLDER [SCRIPT]: runs a scripted session against the game's
// core and prints what happens as JSON lines. The player's files go where the game puts
// them (XDG_DATA_HOME and HOME count when the folder is not writable). Exit 2 for a
// malformed script or an unreadable folder or file, else 0.
#include "script/Interpreter.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

namespace {

namespace fs = std::filesystem;

int usageError(const std::string& text) {
    std::cerr << "quirn-script: " << text << "\n";
    return 2;
}

int runScript(std::istream& in, const std::string& scriptName, const fs::path& folder) {
    quirn::script::Interpreter session(quirn::openProgramFolder(folder),
                                       [](const std::string& line) {
                                           std::fwrite(line.data(), 1, line.size(), stdout);
                                           std::fputc('\n', stdout);
                                           std::fflush(stdout);
                                       });
    std::string line;
    for (long number = 1; std::getline(in, line); ++number) {
        if (const auto error = session.runLine(line)) {
            std::cerr << scriptName << ":" << number << ": " << *error << "\n";
            return 2;
        }
    }
    if (in.bad()) return usageError("cannot read " + scriptName);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) return usageError("usage: quirn-script PROGRAM_FOLDER [SCRIPT]");
    std::error_code ec;
    fs::path folder = fs::absolute(argv[1], ec).lexically_normal();
    if (!folder.has_filename()) folder = folder.parent_path();
    const bool isFolder = !ec && fs::is_directory(folder, ec);
    if (isFolder) fs::directory_iterator probe(folder, ec); // can its names be read
    if (!isFolder || ec) return usageError(std::string("cannot read program folder ") + argv[1]);
    if (argc == 2) return runScript(std::cin, "<stdin>", folder);
    std::ifstream script(argv[2], std::ios::binary);
    if (!script || fs::is_directory(argv[2], ec))
        return usageError(std::string("cannot read script ") + argv[2]);
    return runScript(script, argv[2], folder);
}
