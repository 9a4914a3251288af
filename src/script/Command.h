// A script command read from its words, checked for form only: what the window then
// makes of it is the interpreter's business.
#pragma once

#include "core/app/WindowModel.h"

#include <optional>
#include <string>
#include <vector>

namespace quirn::script {

enum class Verb { Start, Press, PressAt, Click, Cell, Combo, File, Select, Type, Answer, State };

enum class AnswerKind { Input, Cancel, Yes, No, Popup, PopupNone };

struct Command {
    Verb verb = Verb::State;
    int index = 0;  // press, cell, combo, select
    int button = 0; // press, pressat: 1 left, 2 right, 4 middle
    double x = 0, y = 0;
    std::optional<ControlId> control; // click, type
    std::optional<MenuId> menu;       // click, answer popup
    std::string text;                 // file, type, answer input: UTF-8 as written
    AnswerKind answer = AnswerKind::Cancel;
};

struct ParsedCommand {
    Command command;
    std::string error; // empty when well formed
    bool ok() const { return error.empty(); }
};

// words holds at least the verb.
ParsedCommand parseCommand(const std::vector<std::string>& words);

} // namespace quirn::script
