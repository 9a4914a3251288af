// Test support: a fresh program folder holding a copy of the repository's data, and
// presses on real pixels of the window.
#pragma once

#include "core/files/ProgramFolder.h"
#include "gui/MainWindow.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"

#include <QPoint>
#include <memory>
#include <string>

namespace quirn::qt::test {

// Records what the window asks of the platform, and reports the window where the Qt
// platform does while start-up runs: not yet placed, at Top 0.
struct FakePlatform : quirn::test::FakePlatform {
    FakePlatform() { top = 0; }
};

class GameFolder {
  public:
    GameFolder();
    bool ok() const { return ok_; }
    ProgramFolder folder() const { return ProgramFolder(temp_.path()); }
    // Red Glow colours; sound off so nothing plays while testing.
    void settings(const std::string& sizeClass) const;
    void level(const std::string& sizeClass, int number, const std::string& solution,
               const std::string& clues) const;
    void progress(const std::string& sizeClass, int number) const;

  private:
    quirn::test::TempFolder temp_;
    bool ok_ = false;
};

// A shown window on the quick board at game 3, past the start screen; the level is the
// loop around square 0.
struct QuickBoard {
    QuickBoard();
    // The folder was laid out and the window is on the screen.
    bool ready() const;

    GameFolder game;
    FakePlatform platform;
    std::unique_ptr<MainWindow> window;
};

// The pixel at the middle of a segment's rectangle, in client coordinates.
QPoint segmentCentre(int segment);
// The front-most widget at a client pixel gets the press (and release), as the real
// window routes it; returns that widget.
QWidget* pressPixel(MainWindow& window, QPoint clientPixel, Qt::MouseButton button);

} // namespace quirn::qt::test
