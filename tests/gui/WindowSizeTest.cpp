// The window's caption, menu bar and size follow the size class, at start-up and when
// the player picks another class from the menu.
#include "WindowSizeTest.h"

#include "GameFolder.h"

#include <QMenuBar>
#include <QTest>

namespace quirn::qt::test {
namespace {

void writeAllClasses(const GameFolder& game) {
    for (const char* size : {"quick", "normal", "hard", "advanced"}) {
        game.level(size, 2, "13,17,20,23,", ",0-4,");
        game.progress(size, 2);
    }
}

QStringList menuTitles(QMainWindow& window) {
    QStringList titles;
    // The shown text: access keys marked with '&' are not part of it.
    for (QAction* action : window.menuBar()->actions()) titles << action->iconText();
    return titles;
}

} // namespace

void WindowSizeTest::captionAndSizePerClass_data() {
    QTest::addColumn<QString>("sizeClass");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("checkedItem");

    // Client area = outer size less frame, caption and menu bar, at 15 twips a pixel;
    // quick is 5850 x 7440 twips outside.
    QTest::newRow("quick") << "quick"
                           << "Quirn Puzzle:  QUICK Game." << QSize(382, 445)
                           << static_cast<int>(MenuId::mnquick);
    QTest::newRow("normal") << "normal"
                            << "Quirn Puzzle:  NORMAL Game." << QSize(446, 511)
                            << static_cast<int>(MenuId::mnnorm);
    QTest::newRow("hard") << "hard"
                          << "Quirn Puzzle:  HARD Game." << QSize(507, 560)
                          << static_cast<int>(MenuId::mnuhard);
    QTest::newRow("advanced") << "advanced"
                              << "Quirn Puzzle:  ADVANCED Game." << QSize(831, 560)
                              << static_cast<int>(MenuId::mnadv);
}

void WindowSizeTest::captionAndSizePerClass() {
    QFETCH(QString, sizeClass);
    QFETCH(QString, caption);
    QFETCH(QSize, client);
    QFETCH(int, checkedItem);

    GameFolder game;
    QVERIFY(game.ok());
    game.settings(sizeClass.toStdString());
    writeAllClasses(game);
    FakePlatform platform;
    MainWindow window(game.folder(), platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.windowTitle(), caption);
    QCOMPARE(window.client()->size(), client);
    QCOMPARE(window.board()->size(), client);
    // Fixed: the outer size is the menu bar over the client area, and can't be changed.
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(window.width(), client.width());
    QCOMPARE(window.height(), client.height() + window.menuBar()->height());

    QCOMPARE(menuTitles(window), (QStringList{"Play", "Tools", "Options", "Help"}));
    for (MenuId size : {MenuId::mnquick, MenuId::mnnorm, MenuId::mnuhard, MenuId::mnadv})
        QCOMPARE(window.menuAction(size)->isChecked(), static_cast<int>(size) == checkedItem);
    QVERIFY(platform.messages.empty());
}

void WindowSizeTest::sizeCommandResizesWindow() {
    GameFolder game;
    QVERIFY(game.ok());
    game.settings("quick");
    writeAllClasses(game);
    FakePlatform platform;
    MainWindow window(game.folder(), platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.client()->size(), QSize(382, 445));

    window.menuAction(MenuId::mnadv)->trigger();
    QCOMPARE(window.windowTitle(), QString("Quirn Puzzle:  ADVANCED Game."));
    QCOMPARE(window.client()->size(), QSize(831, 560));
    QTRY_COMPARE(window.size(), QSize(831, 560 + window.menuBar()->height()));
    QVERIFY(window.menuAction(MenuId::mnadv)->isChecked());
    QVERIFY(!window.menuAction(MenuId::mnquick)->isChecked());
}

void WindowSizeTest::startScreenFitsTheWindow_data() {
    QTest::addColumn<QString>("sizeClass");
    for (const char* size : {"quick", "normal", "hard", "advanced"}) QTest::newRow(size) << size;
}

// On level 1 the start screen shows over the board, whole, and its OK button closes it.
void WindowSizeTest::startScreenFitsTheWindow() {
    QFETCH(QString, sizeClass);
    GameFolder game;
    QVERIFY(game.ok());
    game.settings(sizeClass.toStdString());
    game.level(sizeClass.toStdString(), 1, "13,17,20,23,", ",0-4,");
    game.progress(sizeClass.toStdString(), 1);
    FakePlatform platform;
    MainWindow window(game.folder(), platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QWidget* panel = window.controlWidget(ControlId::Picture1);
    QWidget* ok = window.controlWidget(ControlId::Command4);
    QVERIFY(panel->isVisible());
    QVERIFY2(window.client()->rect().contains(panel->geometry()),
             qPrintable(QStringLiteral("panel %1,%2 %3x%4 in %5x%6")
                            .arg(panel->x())
                            .arg(panel->y())
                            .arg(panel->width())
                            .arg(panel->height())
                            .arg(window.client()->width())
                            .arg(window.client()->height())));
    const QPoint okCentre = ok->mapTo(window.client(), ok->rect().center());
    QCOMPARE(pressPixel(window, okCentre, Qt::LeftButton), ok);
    QVERIFY(!panel->isVisible());
    QVERIFY(!window.form().model[ControlId::Picture1].visible);
}

} // namespace quirn::qt::test
