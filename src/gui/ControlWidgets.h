// A real widget for every control in front of the board, kept in line with the model:
// visibility, text, enabled state, colours, place, font, entries and stacking. User
// input on them goes back to the form's entry points.
#pragma once

#include "core/app/WindowModel.h"
#include "gui/Dispatch.h"
#include "gui/PictureCache.h"

#include <QWidget>
#include <array>
#include <optional>

namespace quirn::qt {

class ControlWidgets {
  public:
    // Controls behind the board (the status label, the text stores and the board
    // picture) are painted by the board widget and get no widget here.
    static bool hasWidget(ControlId id) { return id < kFirstBehindBoard; }

    void build(QWidget* client, const WindowModel& model, const Dispatch& dispatch);
    void sync(const WindowModel& model, PictureCache& pictures);

    QWidget* widget(ControlId id) const { return widgets_[static_cast<int>(id)]; }

  private:
    QWidget* create(ControlId id, const Control& control, QWidget* parent,
                    const Dispatch& dispatch);
    void syncContent(ControlId id, const Control& control, bool showing, PictureCache& pictures);
    void syncLook(QWidget* widget, const Control& control);

    std::array<QWidget*, kControlCount> widgets_{};
    // What each widget was last brought in line with, and whether it was showing then.
    std::array<std::optional<Control>, kControlCount> synced_{};
    std::array<bool, kControlCount> syncedShowing_{};
};

} // namespace quirn::qt
