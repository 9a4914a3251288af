// "Check this level" in the real window, offscreen: a second loop's differing segment is
// painted silver behind the message and stays so until the next press.
#include "Pixels.h"
#include "gui/QtPlatform.h"
#include "solver/BoardSolver.h"
#include "support/LevelFiles.h"
#include "support/TempFolder.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace quirn::qt::test {

class CheckWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void aSecondLoopIsShownInSilver() {
        // The stored loop goes round squares 0 and 1; the loop round square 1 alone fits
        // the clues too, and differs from it in segment 20 only.
        quirn::test::GameFolder folder;
        folder.write("quirn.cfg", quirn::test::config("quick", "False"));
        folder.write("puzzles/quick/level.dat", quirn::test::progress(3));
        folder.write("puzzles/quick/game3.puz",
                     quirn::test::level(quirn::test::kTwoSquares,
                                        ",2-1,6-1,7-0,9-0,11-0,12-0,17-0,19-0,21-0,23-0,"));
        QtPlatform platform;
        const solver::BoardSolver solver;
        MainWindow window(ProgramFolder(folder.path()), platform, &solver);
        platform.attach(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        PaintLog log;
        window.board()->installEventFilter(&log);

        const QColor silver(192, 192, 192);
        const int differing = 20;
        QString shown;
        bool paintedBehind = false;
        QTimer::singleShot(200, &window, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            shown = box->text();
            paintedBehind = log.painted.contains(pixelRect(segmentRect(differing)));
            box->accept();
        });
        window.menuAction(MenuId::mncheck)->trigger();
        QCOMPARE(shown, QStringLiteral("The clues allow more than one loop. Another loop is "
                                       "shown in silver."));
        QVERIFY2(paintedBehind, "the board was not repainted while the message showed");

        const QImage checked = window.board()->grab().toImage();
        QCOMPARE(checked.pixelColor(segmentCentre(differing)), silver);
        for (int same : {12, 13, 14, 17, 21, 23})
            QVERIFY(checked.pixelColor(segmentCentre(same)) != silver);

        pressPixel(window, segmentCentre(horizontalSegment(4, 4)), Qt::RightButton);
        QVERIFY(window.board()->grab().toImage().pixelColor(segmentCentre(differing)) != silver);
        QCOMPARE(window.form().state.moveCount, std::int16_t{0});
    }
};

} // namespace quirn::qt::test

QTEST_MAIN(quirn::qt::test::CheckWindowTest)
#include "CheckWindowTest.moc"
