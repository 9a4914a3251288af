// A press repaints the pressed segment's rectangle (and the status line), not the board.
#include "RepaintTest.h"

#include "GameFolder.h"
#include "core/board/Lattice.h"
#include "gui/Look.h"

#include <QPaintEvent>
#include <QTest>

namespace quirn::qt::test {
namespace {

// Collects the regions the board is asked to paint.
class PaintLog : public QObject {
  public:
    QRegion painted;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void RepaintTest::pressRepaintsOnlyItsSegment() {
    QuickBoard quick;
    QVERIFY(quick.ready());
    MainWindow* window = quick.window.get();
    PaintLog log;
    window->board()->installEventFilter(&log);
    QTest::qWait(20);

    for (int segment : {verticalSegment(2, 3), horizontalSegment(4, 1)}) {
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            log.painted = {};
            pressPixel(*window, segmentCentre(segment), button);
            QTRY_VERIFY(!log.painted.isEmpty());
            QTest::qWait(20);
            const QRect pressed = pixelRect(segmentRect(segment));
            const QRegion allowed =
                QRegion(pressed) + pixelRect(window->model()[ControlId::Label5]);
            QVERIFY2((log.painted - allowed).isEmpty(),
                     qPrintable(QStringLiteral("painted beyond the segment: %1 pixels")
                                    .arg((log.painted - allowed).boundingRect().width())));
            QCOMPARE(log.painted.intersected(pressed), QRegion(pressed));
        }
    }
}

} // namespace quirn::qt::test
