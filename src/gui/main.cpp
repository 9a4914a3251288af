// The game takes no options: every setting lives in the program folder.
#include "gui/MainWindow.h"
#include "gui/QtPlatform.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = QCoreApplication::applicationDirPath();
    quirn::qt::QtPlatform platform;
    quirn::qt::MainWindow window(
        quirn::ProgramFolder(std::filesystem::path(folder.toStdU16String())), platform);
    platform.attach(&window, &window.model());
    window.show();
    return QApplication::exec();
}
