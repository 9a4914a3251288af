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
    const std::string_view why = deliver(command);
    if (!why.empty())
        platform_.emit(JsonObject()
                           .text("event", "refused")
                           .text("command", written)
                           .text("why", std::string(why))
                           .str());
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
        platform_.queuePopup(*command.menu);
        break;
    case AnswerKind::PopupNone:
        platform_.queuePopup(std::nullopt);
        break;
    }
}

// A file is named as the list shows it, or by its very bytes.
std::optional<int> Interpreter::fileIndex(const std::string& utf8Name) const {
    const std::vector<std::string>& items = form_->model[ControlId::File1].items;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == utf8Name) return static_cast<int>(i);
    for (std::size_t i = 0; i < items.size(); ++i)
        if (fileNameToUtf8(items[i]) == utf8Name) return static_cast<int>(i);
    return std::nullopt;
}

// The window's own refusal, or the driver's where the window never sees the command.
std::string_view Interpreter::deliver(const Command& c) {
    if (c.verb == Verb::Start) {
        if (form_) return "already started";
        form_.emplace(folder_, platform_, &solver_);
        form_->Form_Load();
        return {};
    }
    if (!form_) return "not started";
    Form1& form = *form_;
    switch (c.verb) {
    case Verb::Press:
        return form.pressSegment(c.index, c.button).refusal;
    case Verb::PressAt:
        return form.pressAt(c.x, c.y, c.button).refusal;
    case Verb::Cell:
        return form.clickSquare(c.index).refusal;
    case Verb::Click:
        return (c.menu ? form.clickMenu(*c.menu) : form.clickControl(*c.control)).refusal;
    case Verb::Combo:
        return form.chooseComboEntry(c.index).refusal;
    case Verb::File: {
        const std::optional<int> index = fileIndex(c.text);
        const std::string_view why = form.chooseFile(index.value_or(-1)).refusal;
        return why == "no such entry" ? "no such file" : why;
    }
    case Verb::Select:
        return form.selectListEntry(c.index).refusal;
    case Verb::Type:
        return form.setText(*c.control, utf8ToCp1252(c.text)).refusal;
    case Verb::State:
        platform_.emit(stateJson(form));
        return {};
    default:
        return {};
    }
}

} // namespace quirn::script
