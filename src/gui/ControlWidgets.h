// A real widget for every control in front of the board, kept in line with the model:
// visibility, text, enabled state, colours, place, font, entries and stacking. A widget
// is made the first time its control shows in the window, so hidden panels and the text
// stores below the view cost nothing at start-up. User input on them goes back to the
// form's entry points.
#pragma once

#include "core/app/WindowModel.h"
#include "gui/Dispatch.h"
#include "gui/PictureCache.h"

#include <QRect>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

namespace quirn::qt {

class ControlWidgets {
  public:
    // Controls behind the board (the status label, the text stores and the board
    // picture) are painted by the board widget and get no widget here.
    static bool hasWidget(ControlId id) { return id < kFirstBehindBoard; }

    void build(QWidget* client, const Dispatch& dispatch);
    void sync(const WindowModel& model, PictureCache& pictures);

    // Null until the control has first shown.
    QWidget* widget(ControlId id) const { return widgets_[static_cast<int>(id)]; }

  private:
    bool createShown(const WindowModel& model);
    QWidget* create(ControlId id, const Control& control, QWidget* parent);
    void syncContent(ControlId id, const WindowModel& model, bool showing, PictureCache& pictures);
    void syncLook(QWidget* widget, const Control& control);
    // Where children of a control go: inside a framed panel's border.
    QWidget* inside(ControlId id) const;

    QWidget* client_ = nullptr;
    Dispatch dispatch_;
    std::array<QWidget*, kControlCount> widgets_{};
    std::array<QWidget*, kControlCount> insides_{};
    // What each widget was last brought in line with, and whether it was showing then.
    std::array<std::optional<Control>, kControlCount> synced_{};
    std::array<bool, kControlCount> syncedShowing_{};
    std::array<std::vector<QRect>, kControlCount> syncedFront_{};
};

// The rectangles, in pixels of the control's parent, of the controls in front of it
// that take clicks (buttons and one-line boxes), showing and overlapping it.
std::vector<QRect> controlsInFront(const WindowModel& model, ControlId id);

} // namespace quirn::qt
