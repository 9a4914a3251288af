#include "Sounds.h"

#include "Synth.h"

namespace quirn::assets {
namespace {

const std::vector<Partial> kPluck{{1, 1, 1}, {2, 0.45, 1.8}, {3, 0.2, 2.6}, {4, 0.1, 3.5}};
const std::vector<Partial> kDullPluck{{1, 1, 1}, {2, 0.25, 2}, {3, 0.08, 3}};
const std::vector<Partial> kBell{{1, 1, 1}, {2, 0.35, 1.6}, {3, 0.12, 2.2}, {4.2, 0.06, 3}};
const std::vector<Partial> kMellow{{1, 1, 1}, {2, 0.3, 1.5}, {3, 0.12, 2}, {4, 0.05, 2.5}};

// Equal-tempered pitches used below.
constexpr double kG4 = 392.00;
constexpr double kC5 = 523.25;
constexpr double kE5 = 659.26;
constexpr double kG5 = 783.99;
constexpr double kA5 = 880.00;
constexpr double kC6 = 1046.50;
constexpr double kE6 = 1318.51;
constexpr double kG6 = 1567.98;
constexpr double kC7 = 2093.00;

// A plucked note with a short noise tap on top: the two line clicks differ only in pitch,
// brightness and loudness.
struct Pluck {
    double length;
    double frequency;
    double decay;
    const std::vector<Partial>& partials;
    double tapLevel;
    double tapSmoothing; // higher is a duller tap
    std::uint64_t seed;
    double peak;
};

PcmSound pluck(const Pluck& p) {
    Mix mix(kSoundRate, p.length);
    mix.addTone(
        {.frequency = p.frequency, .decay = p.decay, .length = p.length, .partials = p.partials});
    mix.addNoiseBurst(0, 0.008, p.tapLevel, p.tapSmoothing, 600, p.seed);
    return mix.render(p.peak, 0.0015, 0.015);
}

} // namespace

PcmSound lineMarkedSound() {
    return pluck({0.08, kG5, 35, kPluck, 0.25, 0.6, 0x51, 0.55});
}

PcmSound lineUnmarkedSound() {
    return pluck({0.07, kG4, 45, kDullPluck, 0.15, 0.8, 0x52, 0.38});
}

PcmSound outlineSound() {
    constexpr double length = 0.035;
    Mix mix(kSoundRate, length);
    mix.addTone({.frequency = kC7,
                 .attack = 0.001,
                 .decay = 140,
                 .length = length,
                 .partials = {{1, 1, 1}, {2.7, 0.3, 2}}});
    mix.addNoiseBurst(0, 0.004, 0.3, 0.3, 900, 0x53);
    return mix.render(0.3, 0.001, 0.008);
}

PcmSound hintSound() {
    constexpr double length = 0.32;
    Mix mix(kSoundRate, length);
    mix.addTone(
        {.frequency = kA5, .attack = 0.004, .decay = 9, .length = length, .partials = kBell});
    mix.addTone({.start = 0.07,
                 .frequency = kE6,
                 .amplitude = 0.8,
                 .attack = 0.004,
                 .decay = 9,
                 .length = length - 0.07,
                 .partials = kBell});
    return mix.render(0.5, 0.002, 0.06);
}

PcmSound winSound() {
    constexpr double length = 1.1;
    constexpr double step = 0.11;
    Mix mix(kSoundRate, length);
    const double notes[] = {kC5, kE5, kG5, kC6};
    for (int i = 0; i < 4; ++i) {
        const double start = i * step;
        mix.addTone({.start = start,
                     .frequency = notes[i],
                     .amplitude = 0.8 + 0.1 * i,
                     .attack = 0.005,
                     .decay = i == 3 ? 3.5 : 6,
                     .length = length - start,
                     .partials = kMellow});
    }
    // A soft shimmer above the last note, so the end rings rather than stops.
    for (double f : {kE6, kG6}) {
        mix.addTone({.start = 4 * step,
                     .frequency = f,
                     .amplitude = 0.25,
                     .attack = 0.03,
                     .decay = 4,
                     .length = length - 4 * step,
                     .partials = kBell});
    }
    return mix.render(0.6, 0.003, 0.25);
}

std::vector<NamedSound> allSounds() {
    return {{"1.wav", lineMarkedSound()},
            {"2.wav", lineUnmarkedSound()},
            {"3.wav", outlineSound()},
            {"4.wav", hintSound()},
            {"win.wav", winSound()}};
}

} // namespace quirn::assets
