#include "Synth.h"

#include "Random.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quirn::assets {
namespace {

constexpr double kToneRelease = 0.006;

// 0 -> 0, 1 -> 1 along half a cosine: no corner where a fade starts or ends.
double raisedCosine(double t) {
    t = std::clamp(t, 0.0, 1.0);
    return 0.5 - 0.5 * std::cos(std::numbers::pi * t);
}

} // namespace

Mix::Mix(int sampleRate, double seconds)
    : rate_(sampleRate), bus_(static_cast<std::size_t>(std::lround(seconds * sampleRate)), 0.0) {}

void Mix::addTone(const Tone& tone) {
    const auto first = static_cast<std::size_t>(std::lround(tone.start * rate_));
    const auto count = static_cast<std::size_t>(std::lround(tone.length * rate_));
    for (std::size_t i = 0; i < count && first + i < bus_.size(); ++i) {
        const double t = static_cast<double>(i) / rate_;
        const double envelope = raisedCosine(t / tone.attack) *
                                raisedCosine((tone.length - t) / kToneRelease) * tone.amplitude;
        double value = 0;
        for (const Partial& p : tone.partials) {
            const double phase = 2 * std::numbers::pi * tone.frequency * p.ratio * t;
            value += p.weight * std::exp(-tone.decay * p.decayScale * t) * std::sin(phase);
        }
        bus_[first + i] += envelope * value;
    }
}

void Mix::addNoiseBurst(double start, double length, double amplitude, double smoothing,
                        double decay, std::uint64_t seed) {
    Random random(seed);
    const auto first = static_cast<std::size_t>(std::lround(start * rate_));
    const auto count = static_cast<std::size_t>(std::lround(length * rate_));
    double filtered = 0;
    for (std::size_t i = 0; i < count && first + i < bus_.size(); ++i) {
        const double t = static_cast<double>(i) / rate_;
        filtered = smoothing * filtered + (1 - smoothing) * random.signedUnit();
        const double envelope = raisedCosine(t / 0.001) * std::exp(-decay * t) *
                                raisedCosine((length - t) / kToneRelease);
        bus_[first + i] += amplitude * envelope * filtered;
    }
}

PcmSound Mix::render(double peak, double fadeIn, double fadeOut) const {
    double loudest = 0;
    for (double v : bus_) loudest = std::max(loudest, std::abs(v));
    const double gain = loudest > 0 ? peak / loudest : 0.0;
    PcmSound sound;
    sound.sampleRate = rate_;
    sound.samples.reserve(bus_.size());
    const double total = static_cast<double>(bus_.size()) / rate_;
    for (std::size_t i = 0; i < bus_.size(); ++i) {
        const double t = static_cast<double>(i) / rate_;
        // The very first and last samples land exactly on zero.
        const double edges =
            raisedCosine(t / fadeIn) * raisedCosine((total - t - 1.0 / rate_) / fadeOut);
        const double v = std::clamp(bus_[i] * gain * edges, -1.0, 1.0);
        sound.samples.push_back(static_cast<std::int16_t>(std::lround(v * 32767.0)));
    }
    return sound;
}

} // namespace quirn::assets
