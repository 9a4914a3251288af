#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

using quirn::assets::Mix;
using quirn::assets::Tone;

int peakOf(const quirn::assets::PcmSound& s) {
    int peak = 0;
    for (auto v : s.samples) peak = std::max(peak, std::abs(int{v}));
    return peak;
}

TEST(Synth, RenderReachesTheRequestedPeakAndLength) {
    struct Case {
        double seconds;
        double peak;
    };
    const Case cases[] = {{0.05, 0.3}, {0.2, 0.6}, {1.0, 1.0}};
    for (const Case& c : cases) {
        Mix mix(22050, c.seconds);
        mix.addTone({.frequency = 440, .decay = 5, .length = c.seconds});
        const auto sound = mix.render(c.peak, 0.002, 0.01);
        EXPECT_EQ(sound.samples.size(), static_cast<std::size_t>(std::lround(c.seconds * 22050)));
        EXPECT_NEAR(peakOf(sound), c.peak * 32767, 0.02 * 32767) << c.seconds;
    }
}

TEST(Synth, BothEndsStartAndStopAtSilence) {
    Mix mix(22050, 0.1);
    // A tone at full level from the first sample: only the fades keep the ends quiet.
    mix.addTone({.frequency = 1000, .attack = 0.0001, .decay = 0, .length = 0.1});
    const auto sound = mix.render(1.0, 0.004, 0.01);
    ASSERT_GT(sound.samples.size(), 100u);
    EXPECT_EQ(sound.samples.front(), 0);
    EXPECT_EQ(sound.samples.back(), 0);
    // Within the first millisecond the fade holds the level well below the peak.
    for (std::size_t i = 0; i < 22; ++i) EXPECT_LT(std::abs(int{sound.samples[i]}), 6000) << i;
}

TEST(Synth, SilenceStaysSilent) {
    const auto sound = Mix(22050, 0.05).render(0.8, 0.002, 0.01);
    EXPECT_EQ(peakOf(sound), 0);
}

TEST(Synth, NoiseBurstsRepeatForTheSameSeed) {
    auto burst = [](std::uint64_t seed) {
        Mix mix(22050, 0.02);
        mix.addNoiseBurst(0, 0.02, 1.0, 0.5, 100, seed);
        return mix.render(0.5, 0.001, 0.005).samples;
    };
    EXPECT_EQ(burst(7), burst(7));
    EXPECT_NE(burst(7), burst(8));
}

} // namespace
