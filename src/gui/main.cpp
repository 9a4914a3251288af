// The game takes no options: every setting lives in its data folder, or in the player's
// own folder when the data folder is not theirs to write.
#include "gui/DataFolder.h"
#include "gui/MainWindow.h"
#include "gui/QtPlatform.h"
#include "solver/BoardSolver.h"

#include <QApplication>
#include <QFile>
#include <malloc.h>

int main(int argc, char** argv) {
    // One heap for every thread: the game's few threads allocate little, and apart each
    // would keep a heap of its own. Large blocks (pictures, their decoding) go straight
    // back to the system when freed, however large the last one was.
    mallopt(M_ARENA_MAX, 1);
    mallopt(M_MMAP_THRESHOLD, 128 << 10);
    QApplication app(argc, argv);
    const std::filesystem::path executableFolder(
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
    quirn::qt::QtPlatform platform;
    const quirn::solver::BoardSolver solver;
    const quirn::qt::DataFolder data =
        quirn::qt::dataFolder(executableFolder, QUIRN_INSTALLED_DATA);
    quirn::qt::MainWindow window(quirn::openProgramFolder(data.path, data.kind), platform, &solver);
    platform.attach(&window);
    // The sound library loads once the window is on the screen, so the window comes first.
    window.whenSettled([&platform] { platform.startSound(); });
    window.show();
    return QApplication::exec();
}
