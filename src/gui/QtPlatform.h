// The game's way out to the desktop: dialogs, the pop-up number menu, sounds, other
// programs and web pages. Texts cross here between Windows-1252 and Qt.
#pragma once

#include "core/app/Platform.h"
#include "core/app/WindowModel.h"
#include "gui/SoundPlayer.h"

#include <QPointer>
#include <QWidget>

namespace quirn::qt {

class MainWindow;

class QtPlatform : public Platform {
  public:
    QtPlatform();
    ~QtPlatform() override;

    // The window dialogs belong to and whose model holds the pop-up menu's items.
    void attach(MainWindow* window);
    // Opens the sound device in the background; until then sounds wait.
    void startSound() { sounds_.start(); }

    MessageAnswer messageBox(const std::string& text, const std::string& title,
                             MessageButtons buttons) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    std::optional<MenuId> popupMenu(MenuId menu) override;
    void playSound(const std::filesystem::path& file) override;
    bool startProgram(const std::string& commandLine) override;
    bool openUrl(const std::string& url) override;
    std::optional<double> windowTop() const override;

  private:
    QPointer<MainWindow> window_;
    SoundPlayer sounds_;
};

} // namespace quirn::qt
