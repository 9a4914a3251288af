// One painted widget filling the client area behind every control: the board picture,
// the status label, the clues and the segments. Presses go to the core's hit test.
#pragma once

#include "core/app/Form1.h"
#include "gui/Dispatch.h"
#include "gui/PictureCache.h"

#include <QColor>
#include <QRegion>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

namespace quirn::qt {

class BoardWidget : public QWidget {
  public:
    BoardWidget(const Form1& form, PictureCache& pictures, Dispatch dispatch, QWidget* parent);

    // Qt button to the button number the handlers take: 1 left, 2 right, 4 middle.
    static int buttonNumber(Qt::MouseButton button);

    // Schedules a repaint of what changed since the last call: the rectangles of the
    // segments, squares and labels that differ, or everything when the picture, the
    // theme or the size did.
    void refresh();

    // Runs after every paint of the board.
    void onPainted(std::function<void()> run) { painted_ = std::move(run); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    // What the board showed at the last refresh.
    struct Shown {
        std::array<Segment, kSegmentCount> segments;
        std::array<Square, kSquareCount> squares;
        std::array<Control, kControlCount - static_cast<int>(kFirstBehindBoard)> behind;
        std::array<bool, kControlCount - static_cast<int>(kFirstBehindBoard)> showing{};
        QColor themeText;
        QSize size;
    };
    Shown current() const;
    QRegion changes(const Shown& before, const Shown& after) const;

    const Form1& form_;
    PictureCache& pictures_;
    Dispatch dispatch_;
    std::optional<Shown> shown_;
    std::function<void()> painted_;
};

} // namespace quirn::qt
