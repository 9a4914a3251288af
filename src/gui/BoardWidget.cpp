#include "gui/BoardWidget.h"

#include "gui/BoardPainter.h"
#include "gui/Look.h"

#include <QMouseEvent>
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

void BoardWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kPictureFallback);
    paintBoard(painter, form_, pictures_);
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    const int button = buttonNumber(event->button());
    if (button == 0) return;
    const double x = event->position().x() * kTwipsPerPixel;
    const double y = event->position().y() * kTwipsPerPixel;
    dispatch_([=](Form1& form) { form.pressAt(x, y, button); });
}

} // namespace quirn::qt
