// The game window: a fixed-size main window whose menu bar, controls and board are
// drawn from the form's model and brought in line with it after every event.
#pragma once

#include "core/app/Form1.h"
#include "gui/BoardWidget.h"
#include "gui/ControlWidgets.h"
#include "gui/MenuBinder.h"
#include "gui/PictureCache.h"

#include <QMainWindow>
#include <QShortcut>
#include <QTimer>
#include <vector>

namespace quirn::qt {

class MainWindow : public QMainWindow {
  public:
    // Loads the game (Form_Load) on the screen the window will show on. Without a solver
    // the level check's menu items are disabled.
    MainWindow(ProgramFolder folder, Platform& platform, const LoopSolver* solver = nullptr,
               QWidget* parent = nullptr);

    Form1& form() { return form_; }
    const WindowModel& model() const { return form_.model; }
    BoardWidget* board() const { return board_; }
    QWidget* client() const { return client_; }
    QWidget* controlWidget(ControlId id) const { return controls_.widget(id); }
    QAction* menuAction(MenuId id) const { return menus_.action(id); }
    const PictureCache& pictures() const { return pictures_; }

    // Runs once the board has been painted and its picture packed: what can wait until
    // the window is on the screen.
    void whenSettled(std::function<void()> run) { settled_.push_back(std::move(run)); }

    // Runs one input through the form, then re-renders.
    void dispatch(const std::function<void(Form1&)>& event);
    void render();

  private:
    Form1 form_;
    PictureCache pictures_;
    ControlWidgets controls_;
    MenuBinder menus_;
    QWidget* client_ = nullptr;
    BoardWidget* board_ = nullptr;
    std::vector<QShortcut*> startScreenKeys_;
    // After a paint: a pause, then the board picture packed a row of tiles per turn.
    QTimer settle_;
    QTimer packing_;
    std::vector<std::function<void()>> settled_;
};

} // namespace quirn::qt
