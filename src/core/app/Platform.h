// The only ways the core reaches beyond the program folder. Texts are the game's
// single-byte (Windows-1252) strings; an implementation decodes them for display.
#pragma once

#include "core/app/WindowModel.h"

#include <filesystem>
#include <optional>
#include <string>

namespace quirn {

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class Platform {
  public:
    virtual ~Platform() = default;

    virtual MessageAnswer messageBox(const std::string& text, const std::string& title,
                                     MessageButtons buttons) = 0;
    // The typed text; Cancel gives the empty text, as an emptied field does.
    virtual std::string inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) = 0;
    // Pops up the hidden menu at the pointer; the chosen item, or none.
    virtual std::optional<MenuId> popupMenu(MenuId menu) = 0;
    // Starts playing and returns at once; failures are silent.
    virtual void playSound(const std::filesystem::path& file) = 0;
    // Starts a program from a command line without waiting; whether it started.
    virtual bool startProgram(const std::string& commandLine) = 0;
    // Opens a web address the desktop's own way; whether it did.
    virtual bool openUrl(const std::string& url) = 0;
    // The window's Top on the screen in twips, or none where the platform has no screen.
    virtual std::optional<double> windowTop() const = 0;
};

} // namespace quirn
