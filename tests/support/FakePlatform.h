// Records what the game asks of the platform and answers its dialogs from queues; an
// empty queue answers No, the empty text (a cancel) or no menu item.
#pragma once

#include "core/app/Platform.h"

#include <deque>
#include <string>
#include <vector>

namespace quirn::test {

class FakePlatform : public Platform {
  public:
    std::vector<std::string> messages; // the message boxes' texts
    std::vector<std::string> prompts;  // the input boxes' prompts
    std::vector<std::string> sounds;   // "setup/1.wav"
    std::deque<std::string> inputs;
    std::deque<MessageAnswer> yesNo;
    std::deque<MenuId> popups;
    std::optional<double> top; // the window's Top, where the platform knows it

    MessageAnswer messageBox(const std::string& text, const std::string&,
                             MessageButtons buttons) override {
        messages.push_back(text);
        if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        return take(yesNo).value_or(MessageAnswer::No);
    }
    std::string inputBox(const std::string& prompt, const std::string&,
                         const std::string&) override {
        prompts.push_back(prompt);
        return take(inputs).value_or("");
    }
    std::optional<MenuId> popupMenu(MenuId) override { return take(popups); }
    void playSound(const std::filesystem::path& file) override {
        sounds.push_back((file.parent_path().filename() / file.filename()).string());
    }
    bool startProgram(const std::string&) override { return false; }
    bool openUrl(const std::string&) override { return false; }
    std::optional<double> windowTop() const override { return top; }

  private:
    template <typename T> static std::optional<T> take(std::deque<T>& queue) {
        if (queue.empty()) return std::nullopt;
        T front = queue.front();
        queue.pop_front();
        return front;
    }
};

} // namespace quirn::test
