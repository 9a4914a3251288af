// Presses on real pixels of the board reach the segment the player sees there, and the
// painted board shows the result.
#include "BoardPressTest.h"

#include "GameFolder.h"
#include "core/board/Lattice.h"

#include <QTest>

namespace quirn::qt::test {
namespace {

const QColor kYellowLine(255, 255, 0); // the line colour 65535 of the settings

int markedCount(const WindowModel& model) {
    int count = 0;
    for (const Segment& segment : model.segments) count += segment.marked ? 1 : 0;
    return count;
}

} // namespace

void BoardPressTest::pressReachesSegment_data() {
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("segment");
    QTest::addColumn<bool>("marked");
    QTest::addColumn<bool>("outlined");
    QTest::addColumn<int>("markedTotal");

    const int h00 = horizontalSegment(0, 0);
    const QPoint dot10((360 + 127) / 15, (1440 + 127) / 15); // dot (1, 0)
    QTest::newRow("left on H(0,0) draws") << segmentCentre(h00) << 1 << h00 << true << true << 1;
    QTest::newRow("right on H(0,0) drops outline")
        << segmentCentre(h00) << 2 << h00 << false << false << 0;
    QTest::newRow("middle on H(0,0) does nothing")
        << segmentCentre(h00) << 4 << h00 << false << true << 0;
    QTest::newRow("left on dot (1,0) reaches V(0,0) above it")
        << dot10 << 1 << verticalSegment(0, 0) << true << true << 1;
    QTest::newRow("left on dot (0,1) reaches V(0,1), not the horizontals")
        << QPoint((1320 + 127) / 15, (480 + 127) / 15) << 1 << verticalSegment(0, 1) << true << true
        << 1;
    QTest::newRow("left on V(4,5) right edge of the quick block")
        << segmentCentre(verticalSegment(4, 5)) << 1 << verticalSegment(4, 5) << true << true << 1;
}

void BoardPressTest::pressReachesSegment() {
    QFETCH(QPoint, pixel);
    QFETCH(int, button);
    QFETCH(int, segment);
    QFETCH(bool, marked);
    QFETCH(bool, outlined);
    QFETCH(int, markedTotal);

    QuickBoard quick;
    QVERIFY(quick.ready());
    MainWindow* window = quick.window.get();

    const Qt::MouseButton qtButton = button == 1   ? Qt::LeftButton
                                     : button == 2 ? Qt::RightButton
                                                   : Qt::MiddleButton;
    QWidget* target = pressPixel(*window, pixel, qtButton);
    QCOMPARE(target, static_cast<QWidget*>(window->board()));

    const Segment& hit = window->model().segments[segment];
    QCOMPARE(hit.marked, marked);
    QCOMPARE(hit.outlined, outlined);
    QCOMPARE(markedCount(window->model()), markedTotal);
    QVERIFY(quick.platform.messages.empty());
}

void BoardPressTest::paintedBoardShowsEachLook() {
    QuickBoard quick;
    QVERIFY(quick.ready());
    MainWindow* window = quick.window.get();

    const int h00 = horizontalSegment(0, 0);
    const QPoint centre = segmentCentre(h00);
    const QPoint topEdge(centre.x(), 480 / 15); // the frame's top line, clear of the dots
    const QImage bare = window->board()->grab().toImage();
    QVERIFY(bare.pixelColor(centre) != kYellowLine);

    pressPixel(*window, centre, Qt::LeftButton); // marked and outlined
    const QImage drawn = window->board()->grab().toImage();
    QCOMPARE(drawn.pixelColor(centre), kYellowLine);

    pressPixel(*window, centre, Qt::RightButton); // marked only
    const QImage filled = window->board()->grab().toImage();
    QCOMPARE(filled.pixelColor(centre), kYellowLine);
    QCOMPARE(filled.pixelColor(topEdge), kYellowLine);
    QVERIFY(drawn.pixelColor(topEdge) != kYellowLine);

    pressPixel(*window, centre, Qt::LeftButton); // neither: the picture shows through
    const QImage crossed = window->board()->grab().toImage();
    QCOMPARE(crossed.pixelColor(centre), bare.pixelColor(centre));
    QVERIFY(crossed.pixelColor(topEdge) != bare.pixelColor(topEdge));

    // The press on the board also reached the model: each press was one move.
    QCOMPARE(static_cast<int>(window->form().state.moveCount), 2);
}

void BoardPressTest::picturesLoadOnceWhenNeeded() {
    QuickBoard quick;
    QVERIFY(quick.ready());
    MainWindow* window = quick.window.get();
    // The theme picture only: the start screen is hidden past the first game.
    QCOMPARE(window->pictures().loads(), 1);

    for (int segment : {horizontalSegment(0, 0), verticalSegment(0, 0), horizontalSegment(1, 0)})
        pressPixel(*window, segmentCentre(segment), Qt::LeftButton);
    window->board()->grab();
    QCOMPARE(window->pictures().loads(), 1);

    window->menuAction(MenuId::mnalt)->trigger(); // Cool Blue: a new picture
    window->board()->grab();
    window->board()->grab();
    QCOMPARE(window->pictures().loads(), 2);
    // Only the picture shown is kept: going back reads Red Glow's again.
    window->menuAction(MenuId::mdef)->trigger();
    window->board()->grab();
    QCOMPARE(window->pictures().loads(), 3);

    window->menuAction(MenuId::mnstart)->trigger(); // the start screen shows its picture
    QVERIFY(window->controlWidget(ControlId::Image2)->isVisible());
    QCOMPARE(window->pictures().loads(), 4);
}

} // namespace quirn::qt::test
