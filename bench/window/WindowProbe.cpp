// Times a window as the X server shows it, with real X input (XTest):
//   quirn_window_probe startup X Y PROGRAM [ARG...]
//     starts PROGRAM, prints "startup_ms M cpu_ms C" once the pixel at screen (X, Y)
//     is no longer the black of the empty screen, then ends the program.
//   quirn_window_probe presses N X1 Y1 [X2 Y2 ...]
//     presses the left button N times at each point in turn and prints, per point, the
//     milliseconds from each press to the first change of the pixel under it.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

unsigned long pixelAt(Display* display, int x, int y) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return 0;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return pixel;
}

// CPU time of all of a process's threads so far, in milliseconds, from the scheduler's
// nanosecond counts.
double cpuMs(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    double total = 0;
    for (const auto& task : std::filesystem::directory_iterator(tasks)) {
        std::ifstream stat(task.path() / "schedstat");
        double ns = 0;
        stat >> ns;
        total += ns;
    }
    return total / 1e6;
}

int startup(Display* display, int x, int y, char** command) {
    const unsigned long empty = pixelAt(display, x, y);
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(command[0], command);
        _exit(127);
    }
    double ms = -1;
    double cpu = -1;
    while (msSince(start) < 10000) {
        if (pixelAt(display, x, y) != empty) {
            ms = msSince(start);
            cpu = cpuMs(child);
            break;
        }
        if (waitpid(child, nullptr, WNOHANG) == child) break;
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    if (ms < 0) {
        std::fprintf(stderr, "quirn_window_probe: nothing was drawn at %d,%d\n", x, y);
        return 1;
    }
    std::printf("startup_ms %.2f cpu_ms %.1f\n", ms, cpu);
    return 0;
}

int presses(Display* display, int count, const std::vector<std::pair<int, int>>& points) {
    std::vector<std::vector<double>> times(points.size());
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pause(25, 45);
    for (int n = 0; n < count; ++n) {
        for (std::size_t p = 0; p < points.size(); ++p) {
            const auto [x, y] = points[p];
            XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
            XSync(display, False);
            std::this_thread::sleep_for(std::chrono::milliseconds(pause(random)));
            const unsigned long before = pixelAt(display, x, y);
            const Clock::time_point start = Clock::now();
            XTestFakeButtonEvent(display, 1, True, CurrentTime);
            XFlush(display);
            double ms = -1;
            while (msSince(start) < 500) {
                if (pixelAt(display, x, y) != before) {
                    ms = msSince(start);
                    break;
                }
            }
            XTestFakeButtonEvent(display, 1, False, CurrentTime);
            XSync(display, False);
            times[p].push_back(ms);
        }
    }
    for (std::size_t p = 0; p < points.size(); ++p) {
        std::printf("point %zu:", p);
        for (double ms : times[p]) std::printf(" %.3f", ms);
        std::printf("\n");
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // A busy server may turn a connection away for a moment.
    Display* display = XOpenDisplay(nullptr);
    for (int tries = 0; !display && tries < 50; ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        display = XOpenDisplay(nullptr);
    }
    if (!display) {
        std::fprintf(stderr, "quirn_window_probe: no X display\n");
        return 2;
    }
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "startup" && argc > 4)
        return startup(display, std::atoi(argv[2]), std::atoi(argv[3]), argv + 4);
    if (mode == "presses" && argc > 4 && argc % 2 == 1) {
        std::vector<std::pair<int, int>> points;
        for (int i = 3; i + 1 < argc; i += 2)
            points.emplace_back(std::atoi(argv[i]), std::atoi(argv[i + 1]));
        return presses(display, std::atoi(argv[2]), points);
    }
    std::fprintf(
        stderr,
        "usage: quirn_window_probe startup X Y PROGRAM [ARG...] | presses N X Y [X Y ...]\n");
    return 2;
}
