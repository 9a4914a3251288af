// Runs a scripted session line by line: the core's main window driven through the
// same entry points the real window uses, with a ScriptPlatform around it.
#pragma once

#include "core/app/Form1.h"
#include "script/Command.h"
#include "script/ScriptPlatform.h"
#include "solver/BoardSolver.h"

#include <optional>
#include <string>
#include <string_view>

namespace quirn::script {

class Interpreter {
  public:
    Interpreter(ProgramFolder folder, LineSink sink);
    // The window holds a reference to the platform: a session stays where it was made.
    Interpreter(const Interpreter&) = delete;
    Interpreter& operator=(const Interpreter&) = delete;

    // Runs one line; the error when the line is malformed (then nothing was done).
    std::optional<std::string> runLine(std::string_view line);

  private:
    void execute(const Command& command, const std::string& written);
    // Hands the command to the window; why it was turned away, empty when taken.
    std::string_view deliver(const Command& command);
    void queueAnswer(const Command& command);
    std::optional<int> fileIndex(const std::string& utf8Name) const;

    ProgramFolder folder_;
    ScriptPlatform platform_;
    solver::BoardSolver solver_;
    std::optional<Form1> form_;
};

} // namespace quirn::script
