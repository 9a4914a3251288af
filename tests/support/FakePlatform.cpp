#include "support/FakePlatform.h"

namespace quirn::test {

MessageAnswer FakePlatform::messageBox(const std::string& text, const std::string& title,
                                       MessageButtons buttons) {
    messages.push_back({text, title, buttons});
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (yesNoAnswers.empty()) return MessageAnswer::No;
    const MessageAnswer answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

std::string FakePlatform::inputBox(const std::string& prompt, const std::string&,
                                   const std::string&) {
    inputs.push_back(prompt);
    if (inputAnswers.empty()) return {};
    std::string answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

std::optional<MenuId> FakePlatform::popupMenu(MenuId) {
    if (popupAnswers.empty()) return std::nullopt;
    auto answer = popupAnswers.front();
    popupAnswers.pop_front();
    return answer;
}

void FakePlatform::playSound(const std::filesystem::path& file) {
    sounds.push_back(file.string());
}

bool FakePlatform::startProgram(const std::string&) {
    return false;
}
bool FakePlatform::openUrl(const std::string&) {
    return false;
}

std::vector<std::string> FakePlatform::soundNames() const {
    std::vector<std::string> names;
    for (const std::string& s : sounds) {
        const std::filesystem::path p(s);
        names.push_back(p.parent_path().filename().string() + "/" + p.filename().string());
    }
    return names;
}

} // namespace quirn::test
