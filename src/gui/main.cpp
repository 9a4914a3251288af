// The game takes no options: every setting lives in its data folder, or in the player's
// own folder when the data folder is not theirs to write.
#include "gui/DataFolder.h"
#include "gui/MainWindow.h"
#include "gui/QtPlatform.h"
#include "solver/BoardSolver.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::filesystem::path executableFolder(
        QCoreApplication::applicationDirPath().toStdU16String());
    quirn::qt::QtPlatform platform;
    const quirn::solver::BoardSolver solver;
    quirn::qt::MainWindow window(
        quirn::openProgramFolder(quirn::qt::dataFolder(executableFolder, QUIRN_INSTALLED_DATA)),
        platform, &solver);
    platform.attach(&window);
    // The sound library loads once the window is on the screen, so the window comes first.
    window.whenSettled([&platform] { platform.startSound(); });
    window.show();
    return QApplication::exec();
}
