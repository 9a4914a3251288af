#include "script/ScriptPlatform.h"

#include "core/text/TextCodec.h"
#include "script/Json.h"

namespace quirn::script {
namespace {

template <typename T> std::optional<T> takeFront(std::deque<T>& queue) {
    if (queue.empty()) return std::nullopt;
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}

} // namespace

ScriptPlatform::ScriptPlatform(ProgramFolder folder, LineSink sink)
    : folder_(std::move(folder)), sink_(std::move(sink)) {}

void ScriptPlatform::queueInput(std::optional<std::string> text) {
    inputs_.push_back(std::move(text));
}
void ScriptPlatform::queueYesNo(bool yes) {
    yesNos_.push_back(yes);
}
void ScriptPlatform::queuePopup(std::optional<MenuId> item) {
    popups_.push_back(std::move(item));
}

std::string ScriptPlatform::display(const std::string& text) const {
    // Command lines and addresses may name files by their full path; output names them
    // relative to the program folder, as everywhere else.
    std::string result = cp1252ToUtf8(text);
    const std::string root = folder_.root().generic_string();
    const std::string prefix = root.empty() || root.back() == '/' ? root : root + "/";
    if (prefix.size() <= 1) return result;
    for (std::size_t at = result.find(prefix); at != std::string::npos;
         at = result.find(prefix, at))
        result.erase(at, prefix.size());
    return result;
}

MessageAnswer ScriptPlatform::messageBox(const std::string& text, const std::string& title,
                                         MessageButtons buttons) {
    MessageAnswer answer = MessageAnswer::Ok;
    if (buttons == MessageButtons::YesNo)
        answer = takeFront(yesNos_).value_or(false) ? MessageAnswer::Yes : MessageAnswer::No;
    const char* answerName = answer == MessageAnswer::Ok    ? "ok"
                             : answer == MessageAnswer::Yes ? "yes"
                                                            : "no";
    emit(JsonObject()
             .text("event", "msgbox")
             .text("title", cp1252ToUtf8(title))
             .text("text", cp1252ToUtf8(text))
             .text("buttons", buttons == MessageButtons::YesNo ? "yesno" : "ok")
             .text("answer", answerName)
             .str());
    return answer;
}

std::string ScriptPlatform::inputBox(const std::string& prompt, const std::string& title,
                                     const std::string& defaultText) {
    const std::optional<std::string> answer = takeFront(inputs_).value_or(std::nullopt);
    JsonObject event;
    event.text("event", "inputbox")
        .text("title", cp1252ToUtf8(title))
        .text("prompt", cp1252ToUtf8(prompt))
        .text("default", cp1252ToUtf8(defaultText));
    if (answer)
        event.text("answer", cp1252ToUtf8(*answer));
    else
        event.null("answer");
    emit(event.str());
    return answer.value_or("");
}

std::optional<MenuId> ScriptPlatform::popupMenu(MenuId menu) {
    const std::optional<MenuId> answer = takeFront(popups_).value_or(std::nullopt);
    JsonObject event;
    event.text("event", "popup").text("menu", std::string(menuName(menu)));
    if (answer)
        event.text("answer", std::string(menuName(*answer)));
    else
        event.null("answer");
    emit(event.str());
    return answer;
}

void ScriptPlatform::playSound(const std::filesystem::path& file) {
    emit(JsonObject().text("event", "sound").text("file", folder_.relativeName(file)).str());
}

bool ScriptPlatform::startProgram(const std::string& commandLine) {
    emit(JsonObject()
             .text("event", "startprogram")
             .text("command", display(commandLine))
             .boolean("started", false)
             .str());
    return false;
}

bool ScriptPlatform::openUrl(const std::string& url) {
    emit(JsonObject()
             .text("event", "openurl")
             .text("url", display(url))
             .boolean("opened", false)
             .str());
    return false;
}

} // namespace quirn::script
