// Renders the real window to a PNG for the README: the hard board on the Red Glow theme
// with part of its loop drawn and a few segments crossed out.
//   QT_QPA_PLATFORM=offscreen quirn_window_shot docs/screenshot.png [THEME_MENU]
// THEME_MENU picks another theme's menu item (mnalt, mnuwas, mnugrey) to look at.
#include "GameFolder.h"
#include "core/board/Lattice.h"

#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <set>
#include <string>

using namespace quirn;
using namespace quirn::qt;
namespace shot = quirn::qt::test;

namespace {

// A region of the hard block; its boundary is one closed loop.
constexpr const char* kRegion[kRows] = {".###...", ".####..", "##..##.", ".....#.",
                                        "##..###", ".#####.", "...###."};

bool inside(int row, int col) {
    return row >= 0 && row < kRows && col >= 0 && col < 7 && kRegion[row][col] == '#';
}

std::set<int> loopSegments() {
    std::set<int> loop;
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < 7; ++c) {
            if (!inside(r, c)) continue;
            if (!inside(r - 1, c)) loop.insert(horizontalSegment(r, c));
            if (!inside(r + 1, c)) loop.insert(horizontalSegment(r + 1, c));
            if (!inside(r, c - 1)) loop.insert(verticalSegment(r, c));
            if (!inside(r, c + 1)) loop.insert(verticalSegment(r, c + 1));
        }
    return loop;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: quirn_window_shot OUTPUT.png [THEME_MENU]\n");
        return 2;
    }
    shot::GameFolder game;
    if (!game.ok()) return 1;
    const std::set<int> loop = loopSegments();
    std::string solution;
    for (int segment : loop) solution += std::to_string(segment) + ",";
    std::string clues = ",";
    for (int square : blockSquares(SizeClass::Hard)) {
        // Every third square keeps its clue back, as a level would.
        if (square % 3 == 1) continue;
        const auto sides = squareSides(square);
        const auto used =
            std::count_if(sides.begin(), sides.end(), [&loop](int s) { return loop.count(s) > 0; });
        clues += std::to_string(square) + "-" + std::to_string(used) + ",";
    }
    game.settings("hard");
    game.level("hard", 7, solution, clues);
    game.progress("hard", 7);

    shot::FakePlatform platform;
    MainWindow window(game.folder(), platform);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    const std::optional<MenuId> theme = menuByName(argc > 2 ? argv[2] : "mdef"); // Red Glow
    if (!theme || !window.menuAction(*theme)) return 2;
    window.menuAction(*theme)->trigger();

    // The top-left part of the loop drawn, two segments crossed out.
    for (int segment : loop) {
        const SegmentPlace place = segmentPlace(segment);
        if (place.row + place.col <= 4)
            shot::pressPixel(window, shot::segmentCentre(segment), Qt::LeftButton);
    }
    for (int segment : {horizontalSegment(3, 0), verticalSegment(3, 2), horizontalSegment(6, 1)})
        shot::pressPixel(window, shot::segmentCentre(segment), Qt::RightButton);
    QApplication::processEvents();

    const QPixmap shot = window.grab();
    if (!shot.save(QString::fromLocal8Bit(argv[1]))) return 1;
    std::printf("%s: %dx%d\n", argv[1], shot.width(), shot.height());
    return 0;
}
