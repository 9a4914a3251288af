#include "script/Command.h"

#include <charconv>

namespace quirn::script {
namespace {

struct VerbForm {
    std::string_view name;
    Verb verb;
    std::size_t arguments;
};

constexpr VerbForm kVerbs[] = {
    {"start", Verb::Start, 0},   {"press", Verb::Press, 2},   {"pressat", Verb::PressAt, 3},
    {"click", Verb::Click, 1},   {"cell", Verb::Cell, 1},     {"combo", Verb::Combo, 1},
    {"file", Verb::File, 1},     {"select", Verb::Select, 1}, {"type", Verb::Type, 2},
    {"answer", Verb::Answer, 0}, {"state", Verb::State, 0},
};

std::optional<int> integerOf(const std::string& word) {
    int value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size()) return std::nullopt;
    return value;
}

std::optional<double> numberOf(const std::string& word) {
    double value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size()) return std::nullopt;
    return value;
}

ParsedCommand failure(std::string error) {
    return {Command{}, std::move(error)};
}

std::string buttonError(int button) {
    return button == 1 || button == 2 || button == 4 ? "" : "button must be 1, 2 or 4";
}

ParsedCommand parseAnswer(const std::vector<std::string>& words) {
    ParsedCommand parsed;
    parsed.command.verb = Verb::Answer;
    Command& c = parsed.command;
    const std::string kind = words.size() > 1 ? words[1] : "";
    const std::size_t expected = kind == "input" || kind == "popup" ? 3 : 2;
    if (kind == "input")
        c.answer = AnswerKind::Input;
    else if (kind == "cancel")
        c.answer = AnswerKind::Cancel;
    else if (kind == "yes")
        c.answer = AnswerKind::Yes;
    else if (kind == "no")
        c.answer = AnswerKind::No;
    else if (kind == "popup")
        c.answer = AnswerKind::Popup;
    else
        return failure("answer takes input, cancel, yes, no or popup");
    if (words.size() != expected)
        return failure("answer " + kind + " takes " + std::to_string(expected - 2) + " argument" +
                       (expected == 3 ? "" : "s"));
    if (kind == "input") c.text = words[2];
    if (kind == "popup") {
        if (words[2] == "none") {
            c.answer = AnswerKind::PopupNone;
        } else {
            c.menu = menuByName(words[2]);
            if (!c.menu) return failure("no menu item named " + words[2]);
        }
    }
    return parsed;
}

} // namespace

ParsedCommand parseCommand(const std::vector<std::string>& words) {
    const VerbForm* verb = nullptr;
    for (const VerbForm& v : kVerbs)
        if (!words.empty() && v.name == words[0]) verb = &v;
    if (!verb) return failure("unknown command " + (words.empty() ? "" : words[0]));
    if (verb->verb == Verb::Answer) return parseAnswer(words);
    if (words.size() != verb->arguments + 1)
        return failure(std::string(verb->name) + " takes " + std::to_string(verb->arguments) +
                       " argument" + (verb->arguments == 1 ? "" : "s"));

    ParsedCommand parsed;
    Command& c = parsed.command;
    c.verb = verb->verb;
    switch (c.verb) {
    case Verb::Press: {
        const auto index = integerOf(words[1]);
        const auto button = integerOf(words[2]);
        if (!index || !button) return failure("press takes two whole numbers");
        c.index = *index;
        c.button = *button;
        parsed.error = buttonError(c.button);
        break;
    }
    case Verb::PressAt: {
        const auto x = numberOf(words[1]);
        const auto y = numberOf(words[2]);
        const auto button = integerOf(words[3]);
        if (!x || !y || !button) return failure("pressat takes X Y in twips and a button");
        c.x = *x;
        c.y = *y;
        c.button = *button;
        parsed.error = buttonError(c.button);
        break;
    }
    case Verb::Cell:
    case Verb::Combo:
    case Verb::Select: {
        const auto index = integerOf(words[1]);
        if (!index) return failure(words[0] + " takes a whole number");
        c.index = *index;
        break;
    }
    case Verb::Click:
        c.menu = menuByName(words[1]);
        if (!c.menu) c.control = controlByName(words[1]);
        if (!c.menu && !c.control) return failure("no menu item or control named " + words[1]);
        break;
    case Verb::Type:
        c.control = controlByName(words[1]);
        if (!c.control) return failure("no control named " + words[1]);
        c.text = words[2];
        break;
    case Verb::File:
        c.text = words[1];
        break;
    default:
        break;
    }
    return parsed;
}

} // namespace quirn::script
