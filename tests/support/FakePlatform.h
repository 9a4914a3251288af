// Records every outward action; answers dialogs from queues.
#pragma once

#include "core/app/Platform.h"

#include <deque>
#include <string>
#include <vector>

namespace quirn::test {

class FakePlatform : public Platform {
  public:
    struct Message {
        std::string text;
        std::string title;
        MessageButtons buttons;
    };
    std::vector<Message> messages;
    std::vector<std::string> sounds; // file names as given, folder included
    std::vector<std::string> inputs; // prompts
    std::deque<std::string> inputAnswers;
    std::deque<MessageAnswer> yesNoAnswers;
    std::deque<std::optional<MenuId>> popupAnswers;

    MessageAnswer messageBox(const std::string& text, const std::string& title,
                             MessageButtons buttons) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    std::optional<MenuId> popupMenu(MenuId menu) override;
    void playSound(const std::filesystem::path& file) override;
    bool startProgram(const std::string& commandLine) override;
    bool openUrl(const std::string& url) override;
    std::optional<double> windowTop() const override { return top; }
    std::optional<double> top; // where the window stands, if placed

    // The last path components of each sound, e.g. "setup/1.wav".
    std::vector<std::string> soundNames() const;
};

} // namespace quirn::test
