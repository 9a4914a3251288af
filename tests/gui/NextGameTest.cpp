// Winning a level by pressing its pixels lets the real "Next Game!" button through, and
// the button loads the next level of the series.
#include "NextGameTest.h"

#include "GameFolder.h"
#include "core/board/Lattice.h"

#include <QPushButton>
#include <QTest>
#include <algorithm>

namespace quirn::qt::test {

void NextGameTest::winningEnablesNextGame() {
    GameFolder game;
    QVERIFY(game.ok());
    game.settings("quick");
    // Game 1 is the loop around the top-left square.
    game.level("quick", 1, "13,17,20,23,", ",0-4,");
    game.level("quick", 2, "12,20,21,24,", ",1-4,");
    game.progress("quick", 1);
    FakePlatform platform;
    MainWindow window(game.folder(), platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    auto* next = qobject_cast<QPushButton*>(window.controlWidget(ControlId::Command2));
    QVERIFY(next);
    QVERIFY(!next->isEnabled());

    // The first game opens with the start screen in front of the board; its OK button
    // takes it away.
    QWidget* start = window.controlWidget(ControlId::Picture1);
    QVERIFY(start->isVisible());
    QWidget* ok = window.controlWidget(ControlId::Command4);
    QCOMPARE(pressPixel(window, ok->mapTo(window.client(), ok->rect().center()), Qt::LeftButton),
             ok);
    QVERIFY(!start->isVisible());
    const QPoint visible = next->mapTo(window.client(), next->rect().center());

    const int loop[] = {horizontalSegment(0, 0), horizontalSegment(1, 0), verticalSegment(0, 0),
                        verticalSegment(0, 1)};
    for (int i = 0; i < 4; ++i) {
        QVERIFY(!next->isEnabled()); // not won until the loop closes
        pressPixel(window, segmentCentre(loop[i]), Qt::LeftButton);
    }
    QVERIFY(next->isEnabled());
    const auto sounds = platform.soundNames();
    QCOMPARE(std::count(sounds.begin(), sounds.end(), "setup/win.wav"), 1);
    QCOMPARE(window.model().squares[0].clue, std::string("4"));

    QWidget* target = pressPixel(window, visible, Qt::LeftButton);
    QCOMPARE(target, static_cast<QWidget*>(next));
    QCOMPARE(window.model()[ControlId::Label5].caption, std::string("Game: 2"));
    QVERIFY(!next->isEnabled());
    QCOMPARE(window.model().squares[1].clue, std::string("4"));
    QVERIFY(window.model().squares[0].clue.empty());
    for (int segment : loop) QVERIFY(!window.model().segments[segment].marked);
    QVERIFY(platform.messages.empty());
}

} // namespace quirn::qt::test
