// A tiny additive synthesiser: decaying tones and filtered noise bursts on a mix bus.
#pragma once

#include "WavFile.h"

#include <cstdint>
#include <vector>

namespace quirn::assets {

struct Partial {
    double ratio = 1;      // times the tone's frequency
    double weight = 1;     // relative to the tone's amplitude
    double decayScale = 1; // higher partials die sooner, as in a plucked string or a bell
};

struct Tone {
    double start = 0; // seconds
    double frequency = 440;
    double amplitude = 1;
    double attack = 0.003; // seconds of raised-cosine rise
    double decay = 10;     // exponential decay rate per second
    double length = 0.1;   // seconds; the last few milliseconds are faded out
    std::vector<Partial> partials{Partial{}};
};

class Mix {
  public:
    Mix(int sampleRate, double seconds);

    void addTone(const Tone& tone);
    // White noise through a one-pole low-pass (smoothing in [0, 1): higher is duller),
    // with a fast attack and exponential decay: the "tap" of a click.
    void addNoiseBurst(double start, double length, double amplitude, double smoothing,
                       double decay, std::uint64_t seed);

    // Scaled so the loudest sample reaches peak (0 < peak <= 1), faded in and out over
    // the given seconds so neither end clicks, rounded to 16 bits.
    PcmSound render(double peak, double fadeIn, double fadeOut) const;

  private:
    int rate_;
    std::vector<double> bus_;
};

} // namespace quirn::assets
