// The yardstick for the game window: a bare Qt Widgets window with a menu bar and one
// painted widget that changes colour under each mouse press, repainting only that spot.
//   quirn_bare_window [WIDTH HEIGHT X Y]   (client size and place, default 831 x 560 at 0, 0)
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <cstdlib>

namespace {

class Canvas : public QWidget {
  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(90, 20, 20));
        painter.fillRect(spot_, on_ ? QColor(255, 255, 0) : QColor(40, 40, 40));
    }
    void mousePressEvent(QMouseEvent* event) override {
        on_ = !on_;
        spot_ = QRect(event->position().toPoint() - QPoint(40, 8), QSize(81, 17));
        update(spot_);
    }

  private:
    QRect spot_{0, 0, 81, 17};
    bool on_ = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    for (const char* title : {"Play", "Tools", "Options", "Help"})
        window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
    auto* canvas = new Canvas;
    window.setCentralWidget(canvas);
    const auto arg = [&](int i, int fallback) { return argc > i ? std::atoi(argv[i]) : fallback; };
    canvas->setFixedSize(arg(1, 831), arg(2, 560));
    window.move(arg(3, 0), arg(4, 0));
    window.show();
    return QApplication::exec();
}
