#include "GameFolder.h"

#include "core/board/Lattice.h"
#include "gui/Look.h"
#include "support/Levels.h"

#include <QTest>
#include <filesystem>

namespace quirn::qt::test {

GameFolder::GameFolder() {
    std::error_code error;
    std::filesystem::copy(QUIRN_DATA_DIR, temp_.path(),
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing,
                          error);
    ok_ = !error;
}

void GameFolder::settings(const std::string& sizeClass) const {
    temp_.write("quirn.cfg", quirn::test::config(sizeClass, "False"));
}

void GameFolder::level(const std::string& sizeClass, int number, const std::string& solution,
                       const std::string& clues) const {
    temp_.write("puzzles/" + sizeClass + "/game" + std::to_string(number) + ".puz",
                solution + "\r\n" + clues + "\r\n\r\nWell done!\r\n");
}

void GameFolder::progress(const std::string& sizeClass, int number) const {
    temp_.write("puzzles/" + sizeClass + "/level.dat", " " + std::to_string(number) + " \r\n");
}

QuickBoard::QuickBoard() {
    game.settings("quick");
    game.level("quick", 3, "13,17,20,23,", ",0-4,");
    game.progress("quick", 3);
    window = std::make_unique<MainWindow>(game.folder(), platform);
    window->show();
}

bool QuickBoard::ready() const {
    return game.ok() && QTest::qWaitForWindowExposed(window.get());
}

QPoint segmentCentre(int segment) {
    const Rect r = segmentRect(segment);
    return QPoint(static_cast<int>((r.left + r.width / 2) / kTwipsPerPixel),
                  static_cast<int>((r.top + r.height / 2) / kTwipsPerPixel));
}

QWidget* pressPixel(MainWindow& window, QPoint clientPixel, Qt::MouseButton button) {
    QWidget* client = window.client();
    QWidget* target = client->childAt(clientPixel);
    if (!target) target = client;
    const QPoint local = target->mapFrom(client, clientPixel);
    QTest::mousePress(target, button, Qt::NoModifier, local);
    QTest::mouseRelease(target, button, Qt::NoModifier, local);
    return target;
}

} // namespace quirn::qt::test
