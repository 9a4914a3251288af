// Hears what the player would: records a PulseAudio monitor source while it works the
// game with real X input (XTest), and reports when each sound starts after its cause.
//   quirn_sound_probe MONITOR_SOURCE SOUND_FOLDER < ACTIONS
// ACTIONS, one a line:
//   press X Y BUTTON KIND     a mouse press at screen (X, Y); KIND names the sound it causes
//   keys KEY... KIND          key presses (xdotool-style names, "alt+t"); timed from the last
//   paplay FILE KIND          plays FILE with paplay (the probe's check of itself)
//   wait MS
// KIND is move, unmark, outline, hint or win (files 1, 2, 3, 4 and win.wav of
// SOUND_FOLDER), or paplay, or - for none. Prints each timed action's onset and a
// summary per kind: how many were heard and the delays, less each file's own lead-in.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <mutex>
#include <pulse/error.h>
#include <pulse/simple.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRate = 44100;
constexpr int kThreshold = 300; // about -40 dB below full scale
constexpr int kChunk = kRate * 3 / 1000;

double seconds(Clock::time_point t) {
    return std::chrono::duration<double>(t.time_since_epoch()).count();
}

struct Recording {
    std::mutex mutex;
    std::vector<std::int16_t> samples;
    // Per chunk read: index just past its last sample, and when that sample was heard.
    std::vector<std::pair<std::size_t, double>> marks;

    // When sample i was heard, from the nearest chunk mark at or after it.
    double timeOf(std::size_t i) {
        const auto it = std::lower_bound(marks.begin(), marks.end(), std::make_pair(i + 1, 0.0));
        if (it == marks.end()) return -1;
        return it->second - static_cast<double>(it->first - 1 - i) / kRate;
    }
};

void record(pa_simple* source, Recording& recording, const std::atomic<bool>& stop) {
    std::vector<std::int16_t> chunk(kChunk);
    int error = 0;
    while (!stop) {
        if (pa_simple_read(source, chunk.data(), chunk.size() * sizeof(std::int16_t), &error) < 0)
            break;
        const double now = seconds(Clock::now());
        const pa_usec_t latency = pa_simple_get_latency(source, &error);
        const std::lock_guard lock(recording.mutex);
        recording.samples.insert(recording.samples.end(), chunk.begin(), chunk.end());
        recording.marks.emplace_back(recording.samples.size(), now - latency / 1e6);
    }
}

// Seconds from a sound file's start to its first sample above the threshold.
double leadIn(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    const std::size_t data = bytes.find("data");
    if (data == std::string::npos || bytes.size() < 44) return 0;
    const int rate = static_cast<unsigned char>(bytes[24]) |
                     static_cast<unsigned char>(bytes[25]) << 8 |
                     static_cast<unsigned char>(bytes[26]) << 16;
    const int channels = static_cast<unsigned char>(bytes[22]);
    for (std::size_t i = data + 8; i + 1 < bytes.size(); i += 2) {
        const auto s = static_cast<std::int16_t>(static_cast<unsigned char>(bytes[i]) |
                                                 static_cast<unsigned char>(bytes[i + 1]) << 8);
        if (std::abs(s) > kThreshold)
            return static_cast<double>((i - data - 8) / 2 / std::max(channels, 1)) /
                   std::max(rate, 1);
    }
    return 0;
}

void pressKey(Display* display, const std::string& combo) {
    std::vector<KeyCode> codes;
    std::stringstream parts(combo);
    std::string part;
    while (std::getline(parts, part, '+')) {
        std::string name = part == "alt" ? "Alt_L" : part == "ctrl" ? "Control_L" : part;
        codes.push_back(XKeysymToKeycode(display, XStringToKeysym(name.c_str())));
    }
    for (KeyCode c : codes) XTestFakeKeyEvent(display, c, True, CurrentTime);
    XFlush(display);
}

void releaseKey(Display* display, const std::string& combo) {
    std::stringstream parts(combo);
    std::string part;
    std::vector<KeyCode> codes;
    while (std::getline(parts, part, '+')) {
        std::string name = part == "alt" ? "Alt_L" : part == "ctrl" ? "Control_L" : part;
        codes.push_back(XKeysymToKeycode(display, XStringToKeysym(name.c_str())));
    }
    for (auto it = codes.rbegin(); it != codes.rend(); ++it)
        XTestFakeKeyEvent(display, *it, False, CurrentTime);
    XSync(display, False);
}

struct Timed {
    std::string kind;
    double at;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: quirn_sound_probe MONITOR_SOURCE SOUND_FOLDER < ACTIONS\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    const std::string folder = argv[2];
    const std::map<std::string, std::string> files = {{"move", folder + "/1.wav"},
                                                      {"unmark", folder + "/2.wav"},
                                                      {"outline", folder + "/3.wav"},
                                                      {"hint", folder + "/4.wav"},
                                                      {"win", folder + "/win.wav"}};

    const pa_sample_spec format{PA_SAMPLE_S16LE, kRate, 1};
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.fragsize = kChunk * sizeof(std::int16_t);
    int error = 0;
    pa_simple* source = pa_simple_new(nullptr, "quirn-sound-probe", PA_STREAM_RECORD, argv[1],
                                      "probe", &format, nullptr, &attr, &error);
    if (!source) {
        std::fprintf(stderr, "quirn_sound_probe: no recording: %s\n", pa_strerror(error));
        return 1;
    }
    Recording recording;
    std::atomic<bool> stop{false};
    std::thread recorder([&] { record(source, recording, stop); });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));

    std::vector<Timed> timed;
    std::map<std::string, double> paplayLeadIn;
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string verb;
        words >> verb;
        if (verb == "wait") {
            int ms = 0;
            words >> ms;
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        } else if (verb == "press" && display) {
            int x = 0, y = 0, button = 1;
            std::string kind;
            words >> x >> y >> button >> kind;
            XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
            XSync(display, False);
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            const double at = seconds(Clock::now());
            XTestFakeButtonEvent(display, static_cast<unsigned>(button), True, CurrentTime);
            XFlush(display);
            if (kind != "-") timed.push_back({kind, at});
            std::this_thread::sleep_for(std::chrono::milliseconds(40));
            XTestFakeButtonEvent(display, static_cast<unsigned>(button), False, CurrentTime);
            XSync(display, False);
        } else if (verb == "keys" && display) {
            std::vector<std::string> keys;
            std::string word;
            while (words >> word) keys.push_back(word);
            const std::string kind = keys.back();
            keys.pop_back();
            for (std::size_t i = 0; i < keys.size(); ++i) {
                const double at = seconds(Clock::now());
                pressKey(display, keys[i]);
                if (i + 1 == keys.size() && kind != "-") timed.push_back({kind, at});
                std::this_thread::sleep_for(std::chrono::milliseconds(40));
                releaseKey(display, keys[i]);
                std::this_thread::sleep_for(std::chrono::milliseconds(150));
            }
        } else if (verb == "paplay") {
            std::string file, kind;
            words >> file >> kind;
            paplayLeadIn[kind] = leadIn(file);
            const double at = seconds(Clock::now());
            const pid_t child = fork();
            if (child == 0) {
                execlp("paplay", "paplay", file.c_str(), static_cast<char*>(nullptr));
                _exit(127);
            }
            if (kind != "-") timed.push_back({kind, at});
            waitpid(child, nullptr, 0);
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
    stop = true;
    recorder.join();
    pa_simple_free(source);

    // Each timed action's onset: the first loud sample from its moment until the next
    // action's (or 1.5 s on).
    std::map<std::string, std::vector<double>> delays;
    std::map<std::string, int> asked;
    const std::lock_guard lock(recording.mutex);
    for (std::size_t n = 0; n < timed.size(); ++n) {
        const Timed& t = timed[n];
        const double until = n + 1 < timed.size() ? timed[n + 1].at : t.at + 1.5;
        ++asked[t.kind];
        double onset = -1;
        for (std::size_t i = 0; i < recording.samples.size(); ++i) {
            if (std::abs(recording.samples[i]) <= kThreshold) continue;
            const double when = recording.timeOf(i);
            if (when < t.at - 0.002) continue;
            if (when < until) onset = when;
            break;
        }
        const auto file = files.find(t.kind);
        const double lead = file != files.end() ? leadIn(file->second) : paplayLeadIn[t.kind];
        if (onset < 0) {
            std::printf("%-8s missing\n", t.kind.c_str());
            continue;
        }
        const double ms = (onset - t.at - lead) * 1000;
        delays[t.kind].push_back(ms);
        std::printf("%-8s %7.1f ms\n", t.kind.c_str(), ms);
    }
    for (auto& [kind, list] : delays) {
        std::sort(list.begin(), list.end());
        std::printf("%s: heard %zu of %d; onset median %.1f ms, max %.1f ms\n", kind.c_str(),
                    list.size(), asked[kind], list[list.size() / 2], list.back());
    }
    for (const auto& [kind, count] : asked)
        if (!delays.count(kind)) std::printf("%s: heard 0 of %d\n", kind.c_str(), count);
    return 0;
}
