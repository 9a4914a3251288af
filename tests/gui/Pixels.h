// Presses on real pixels of the window's client area.
#pragma once

#include "core/board/Lattice.h"
#include "gui/Look.h"
#include "gui/MainWindow.h"

#include <QPaintEvent>
#include <QTest>

namespace quirn::qt::test {

// The pixel at the middle of a segment.
inline QPoint segmentCentre(int segment) {
    const Rect r = segmentRect(segment);
    return QPoint(pixels(r.left + r.width / 2), pixels(r.top + r.height / 2));
}

// The front-most widget at the pixel gets the press and release, as the real window
// routes them; returns that widget.
inline QWidget* pressPixel(MainWindow& window, QPoint pixel, Qt::MouseButton button) {
    QWidget* target = window.client()->childAt(pixel);
    if (!target) target = window.client();
    const QPoint local = target->mapFrom(window.client(), pixel);
    QTest::mousePress(target, button, Qt::NoModifier, local);
    QTest::mouseRelease(target, button, Qt::NoModifier, local);
    return target;
}

// The regions a widget is asked to paint, once installed as its event filter.
struct PaintLog : QObject {
    QRegion painted;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
        return QObject::eventFilter(watched, event);
    }
};

} // namespace quirn::qt::test
