#include "gui/BoardWidget.h"

#include "core/board/Lattice.h"
#include "gui/BoardPainter.h"
#include "gui/Look.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <utility>

namespace quirn::qt {

BoardWidget::BoardWidget(const Form1& form, PictureCache& pictures, Dispatch dispatch,
                         QWidget* parent)
    : QWidget(parent), form_(form), pictures_(pictures), dispatch_(std::move(dispatch)) {
    // Everything is painted over in each frame; skip Qt's own background fill.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int BoardWidget::buttonNumber(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

BoardWidget::Shown BoardWidget::current() const {
    const WindowModel& model = form_.model;
    Shown now{
        model.segments, model.squares, {}, {}, themeTextColour(form_, QApplication::palette()),
        size()};
    for (std::size_t i = 0; i < now.behind.size(); ++i) {
        const auto id = static_cast<ControlId>(static_cast<int>(kFirstBehindBoard) + i);
        now.behind[i] = model[id];
        now.showing[i] = model.showing(id);
    }
    return now;
}

QRegion BoardWidget::changes(const Shown& before, const Shown& after) const {
    const std::size_t picture =
        static_cast<std::size_t>(ControlId::Image1) - static_cast<std::size_t>(kFirstBehindBoard);
    if (before.size != after.size || before.themeText != after.themeText ||
        before.behind[picture] != after.behind[picture] ||
        before.showing[picture] != after.showing[picture])
        return QRegion(rect());
    QRegion region;
    for (int i = 0; i < kSegmentCount; ++i)
        if (before.segments[i] != after.segments[i]) region += pixelRect(segmentRect(i));
    for (int i = 0; i < kSquareCount; ++i)
        if (before.squares[i] != after.squares[i]) region += pixelRect(squareRect(i));
    for (std::size_t i = 0; i < after.behind.size(); ++i) {
        if (before.behind[i] == after.behind[i] && before.showing[i] == after.showing[i]) continue;
        region += pixelRect(before.behind[i]);
        region += pixelRect(after.behind[i]);
    }
    return region;
}

void BoardWidget::refresh() {
    Shown now = current();
    if (!shown_) {
        update();
    } else if (const QRegion region = changes(*shown_, now); !region.isEmpty()) {
        update(region);
    }
    shown_ = std::move(now);
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRegion& region = event->region();
    painter.fillRect(event->rect(), kPictureFallback);
    paintBoard(painter, form_, pictures_, region);
    if (painted_) painted_();
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    const int button = buttonNumber(event->button());
    if (button == 0) return;
    const double x = event->position().x() * kTwipsPerPixel;
    const double y = event->position().y() * kTwipsPerPixel;
    dispatch_([=](Form1& form) { form.pressAt(x, y, button); });
}

} // namespace quirn::qt
