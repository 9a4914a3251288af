// The real widgets follow the model: the help viewer's look and scrolling, and the
// theme's colours on the buttons and the board.
#include "ControlsTest.h"

#include "GameFolder.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

namespace quirn::qt::test {
void ControlsTest::helpViewerScrollsWithoutBars() {
    QuickBoard quick;
    QVERIFY(quick.ready());
    MainWindow* window = quick.window.get();

    // The viewer is made when it first shows.
    QVERIFY(!window->controlWidget(ControlId::Text6));
    window->menuAction(MenuId::mrules)->trigger();
    auto* viewer = qobject_cast<QPlainTextEdit*>(window->controlWidget(ControlId::Text6));
    QVERIFY(viewer);
    QVERIFY(viewer->isVisible());
    QVERIFY(viewer->toPlainText().size() > 200);
    QVERIFY(!viewer->toPlainText().contains(QLatin1Char('\r')));
    QCOMPARE(viewer->palette().color(QPalette::Base), QColor(Qt::black));
    QCOMPARE(viewer->palette().color(QPalette::Text), QColor(Qt::white));
    QVERIFY(!viewer->verticalScrollBar()->isVisible());

    QScrollBar* bar = viewer->verticalScrollBar();
    QVERIFY(bar->maximum() > 0); // the text is longer than the viewer
    QCOMPARE(bar->value(), 0);
    const QPoint at = viewer->viewport()->rect().center();
    QWheelEvent wheel(at, viewer->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(viewer->viewport(), &wheel);
    QVERIFY(bar->value() > 0);
    // Scrolling is not an edit: the model's text stays as the file gave it.
    QVERIFY(window->model()[ControlId::Text6].caption.find("\r\n") != std::string::npos);
}

void ControlsTest::themeColoursReachWidgets_data() {
    QTest::addColumn<int>("theme");
    QTest::addColumn<QColor>("button");
    QTest::addColumn<QColor>("clue");

    // Colours are 0x00BBGGRR in the model.
    QTest::newRow("Red Glow") << static_cast<int>(MenuId::mdef) << QColor(0xC0, 0, 0)
                              << QColor(Qt::white);
    QTest::newRow("Cool Blue") << static_cast<int>(MenuId::mnalt) << QColor(0, 0, 0xFF)
                               << QColor(Qt::white);
    QTest::newRow("Parchment") << static_cast<int>(MenuId::mnugrey) << QColor(Qt::black)
                               << QColor(0x59, 0x59, 0x59);
}

void ControlsTest::themeColoursReachWidgets() {
    QFETCH(int, theme);
    QFETCH(QColor, button);
    QFETCH(QColor, clue);

    QuickBoard quick;
    QVERIFY(quick.ready());
    MainWindow* window = quick.window.get();
    window->menuAction(static_cast<MenuId>(theme))->trigger();

    auto* next = qobject_cast<QPushButton*>(window->controlWidget(ControlId::Command2));
    QVERIFY(next);
    QCOMPARE(next->palette().color(QPalette::Button), button);

    // The clue of square 0 is drawn in the theme's clue colour: some pixel of its
    // rectangle has exactly that colour.
    const QImage board = window->board()->grab().toImage();
    const QRect square(40, 48, 49, 49); // square 0: 600, 720 twips, 735 wide
    bool found = false;
    for (int y = square.top(); y <= square.bottom() && !found; ++y)
        for (int x = square.left(); x <= square.right() && !found; ++x)
            found = board.pixelColor(x, y) == clue;
    QVERIFY(found);
}

} // namespace quirn::qt::test
