// Start-up as the player meets it: from process start to the board's first paint, and
// the peak memory by then. Builds the window as the game's main does.
//   quirn_startup_bench START_EPOCH_NS PROGRAM_FOLDER
// START_EPOCH_NS is the wall clock, in nanoseconds, taken just before the process
// started (bench/startup.sh passes `date +%s%N`).
#include "gui/MainWindow.h"
#include "gui/QtPlatform.h"

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace {

// Reports once the first paint of the board has been flushed, then quits.
class FirstPaint : public QObject {
  public:
    explicit FirstPaint(long long startNs) : startNs_(startNs) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, this, [this] { report(); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void report() const {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        const double ms =
            static_cast<double>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() -
                                startNs_) /
            1e6;
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("startup_ms %.1f\npeak_rss_kb %ld\n", ms, usage.ru_maxrss);
        QCoreApplication::quit();
    }

    long long startNs_;
    bool seen_ = false;
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: quirn_startup_bench START_EPOCH_NS PROGRAM_FOLDER\n");
        return 2;
    }
    const long long startNs = std::atoll(argv[1]);
    QApplication app(argc, argv);
    quirn::qt::QtPlatform platform;
    quirn::qt::MainWindow window(quirn::ProgramFolder(argv[2]), platform);
    platform.attach(&window, &window.model());
    FirstPaint watch(startNs);
    window.board()->installEventFilter(&watch);
    window.show();
    return QApplication::exec();
}
