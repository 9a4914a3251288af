#include "script/Interpreter.h"

#include "core/text/TextCodec.h"
#include "script/Json.h"
#include "script/StateDump.h"
#include "script/Tokenizer.h"

namespace quirn::script {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool inRange(int index, std::size_t size) {
    return index >= 0 && static_cast<std::size_t>(index) < size;
}

} // namespace

Interpreter::Interpreter(ProgramFolder folder, LineSink sink)
    : folder_(folder), platform_(std::move(folder), std::move(sink)) {}

std::optional<std::string> Interpreter::runLine(std::string_view line) {
    const TokenizedLine tokens = tokenizeLine(line);
    if (!tokens.ok()) return tokens.error;
    if (tokens.words.empty()) return std::nullopt;
    const ParsedCommand parsed = parseCommand(tokens.words);
    if (!parsed.ok()) return parsed.error;
    execute(parsed.command, std::string(trimmed(line)));
    return std::nullopt;
}

void Interpreter::execute(const Command& command, const std::string& written) {
    if (command.verb == Verb::Answer) {
        queueAnswer(command);
        return;
    }
    std::optional<std::string> why = refusal(command);
    if (!why && !deliver(command)) why = "refused by the window";
    if (why)
        platform_.emit(
            JsonObject().text("event", "refused").text("command", written).text("why", *why).str());
}

void Interpreter::queueAnswer(const Command& command) {
    switch (command.answer) {
    case AnswerKind::Input:
        platform_.queueInput(utf8ToCp1252(command.text));
        break;
    case AnswerKind::Cancel:
        platform_.queueInput(std::nullopt);
        break;
    case AnswerKind::Yes:
        platform_.queueYesNo(true);
        break;
    case AnswerKind::No:
        platform_.queueYesNo(false);
        break;
    case AnswerKind::Popup:
        platform_.queuePopup(std::string(menuName(*command.menu)));
        break;
    case AnswerKind::PopupNone:
        platform_.queuePopup(std::nullopt);
        break;
    }
}

std::optional<int> Interpreter::fileIndex(const std::string& utf8Name) const {
    const std::vector<std::string>& items = form_->model[ControlId::File1].items;
    const std::string name = utf8ToCp1252(utf8Name);
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == name) return static_cast<int>(i);
    return std::nullopt;
}

std::optional<std::string> Interpreter::refusal(const Command& c) const {
    if (c.verb == Verb::Start) {
        if (form_) return "already started";
        return std::nullopt;
    }
    if (!form_) return "not started";
    const WindowModel& model = form_->model;
    const auto controlRefusal = [&model](ControlId id) -> std::optional<std::string> {
        if (!model.showing(id)) return "hidden";
        if (!model[id].enabled) return "disabled";
        return std::nullopt;
    };
    switch (c.verb) {
    case Verb::Press:
        if (!inRange(c.index, model.segments.size())) return "no such segment";
        if (!model.segments[c.index].shown) return "hidden";
        return std::nullopt;
    case Verb::PressAt: {
        const std::optional<HitTarget> hit = hitTest(model, c.x, c.y);
        if (!hit) return "nothing there";
        // Only the left button clicks a control, and a disabled one takes no click.
        if (hit->kind == HitTarget::Kind::Control && c.button == 1 && !model[hit->control].enabled)
            return "disabled";
        return std::nullopt;
    }
    case Verb::Cell:
        if (!inRange(c.index, model.squares.size())) return "no such square";
        return std::nullopt;
    case Verb::Click:
        if (c.control) return controlRefusal(*c.control);
        for (std::optional<MenuId> at = c.menu; at; at = model[*at].parent)
            if (!model[*at].enabled) return "disabled";
        // Items of the menu that only pops up can't be reached from the menu bar.
        if (!model.menuUsable(*c.menu)) return "hidden";
        return std::nullopt;
    case Verb::Combo:
    case Verb::Select: {
        const ControlId id = c.verb == Verb::Combo ? ControlId::Combo1 : ControlId::List1;
        if (auto why = controlRefusal(id)) return why;
        if (!inRange(c.index, model[id].items.size())) return "no such entry";
        return std::nullopt;
    }
    case Verb::File:
        if (auto why = controlRefusal(ControlId::File1)) return why;
        if (!fileIndex(c.text)) return "no such file";
        return std::nullopt;
    case Verb::Type:
        if (model[*c.control].kind != ControlKind::TextBox) return "not a text box";
        return controlRefusal(*c.control);
    default:
        return std::nullopt;
    }
}

bool Interpreter::deliver(const Command& c) {
    if (c.verb == Verb::Start) {
        form_.emplace(folder_, platform_);
        form_->Form_Load();
        return true;
    }
    Form1& form = *form_;
    switch (c.verb) {
    case Verb::Press:
        return form.pressSegment(c.index, c.button);
    case Verb::PressAt:
        return form.pressAt(c.x, c.y, c.button);
    case Verb::Cell:
        return form.clickSquare(c.index);
    case Verb::Click:
        return c.menu ? form.clickMenu(*c.menu) : form.clickControl(*c.control);
    case Verb::Combo:
        return form.chooseComboEntry(c.index);
    case Verb::File:
        return form.chooseFile(*fileIndex(c.text));
    case Verb::Select:
        return form.selectListEntry(c.index);
    case Verb::Type:
        return form.setText(*c.control, utf8ToCp1252(c.text));
    case Verb::State:
        platform_.emit(stateJson(form));
        return true;
    default:
        return true;
    }
}

} // namespace quirn::script
