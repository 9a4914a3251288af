// The platform of a scripted session: dialogs take their answers from queues filled
// by the script, and every outward action is written as a JSON event line. Nothing
// here starts a program, opens an address or plays a sound.
#pragma once

#include "core/app/Platform.h"
#include "core/files/ProgramFolder.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>

namespace quirn::script {

// Receives each output line (without its line end) as it happens.
using LineSink = std::function<void(const std::string&)>;

class ScriptPlatform : public Platform {
  public:
    ScriptPlatform(ProgramFolder folder, LineSink sink);

    // Answers for the next dialogs of each kind, first queued first used. Texts are
    // the core's single-byte texts; nullopt cancels an input box or closes a pop-up.
    void queueInput(std::optional<std::string> text);
    void queueYesNo(bool yes);
    void queuePopup(std::optional<MenuId> item);

    MessageAnswer messageBox(const std::string& text, const std::string& title,
                             MessageButtons buttons) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    std::optional<MenuId> popupMenu(MenuId menu) override;
    void playSound(const std::filesystem::path& file) override;
    bool startProgram(const std::string& commandLine) override;
    bool openUrl(const std::string& url) override;
    // No screen: the window counts as centred on one of 1920 x 1080 pixels.
    std::optional<double> windowTop() const override { return std::nullopt; }

    void emit(const std::string& line) const { sink_(line); }

  private:
    // Single-byte text for output, with the program folder's own path left out.
    std::string display(const std::string& text) const;

    ProgramFolder folder_;
    LineSink sink_;
    std::deque<std::optional<std::string>> inputs_;
    std::deque<bool> yesNos_;
    std::deque<std::optional<MenuId>> popups_;
};

} // namespace quirn::script
