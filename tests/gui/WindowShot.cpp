// Renders the real window to a PNG for the README: the shipped hard level 7 on the Red
// Glow theme, part of its loop drawn and a few segments crossed out.
//   QT_QPA_PLATFORM=offscreen quirn_window_shot docs/screenshot.png [THEME_MENU]
// THEME_MENU picks another theme's menu item (mnalt, mnuwas, mnugrey) to look at.
#include "Pixels.h"
#include "core/levels/LevelFile.h"
#include "support/FakePlatform.h"
#include "support/LevelFiles.h"
#include "support/TempFolder.h"

#include <QApplication>
#include <cstdio>

using namespace quirn;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: quirn_window_shot OUTPUT.png [THEME_MENU]\n");
        return 2;
    }
    const test::TempFolder game;
    std::filesystem::copy(QUIRN_DATA_DIR, game.path(), std::filesystem::copy_options::recursive);
    game.write("quirn.cfg", test::config("hard", "False"));
    game.write("puzzles/hard/level.dat", test::progress(7));
    test::FakePlatform platform;
    platform.top = 0;
    qt::MainWindow window(ProgramFolder(game.path()), platform);
    window.show();
    const std::optional<MenuId> theme = menuByName(argc > 2 ? argv[2] : "mdef");
    if (!QTest::qWaitForWindowExposed(&window) || !theme || !window.menuAction(*theme)) return 2;
    window.menuAction(*theme)->trigger();

    // The top-left part of the loop drawn, three segments crossed out.
    for (const std::string& item : splitSegmentItems(window.form().solutionText())) {
        const int segment = segmentIndexOf(item).value_or(0);
        if (segmentPlace(segment).row + segmentPlace(segment).col <= 4)
            qt::test::pressPixel(window, qt::test::segmentCentre(segment), Qt::LeftButton);
    }
    for (int segment : {horizontalSegment(3, 0), verticalSegment(3, 2), horizontalSegment(6, 1)})
        qt::test::pressPixel(window, qt::test::segmentCentre(segment), Qt::RightButton);
    QApplication::processEvents();

    const QPixmap shot = window.grab();
    if (!shot.save(QString::fromLocal8Bit(argv[1]))) return 1;
    std::printf("%s: %dx%d\n", argv[1], shot.width(), shot.height());
    return 0;
}
