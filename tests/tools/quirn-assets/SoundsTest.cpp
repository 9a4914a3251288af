// The sounds in data/setup/: what the asset tool makes, in the one layout the game plays,
// and sounding as meant.
#include "Sounds.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>

namespace {

using namespace quirn::assets;

// RIFF, a 16-byte "fmt " chunk (PCM, one channel, the rates, 16 bits), then the samples,
// all numbers little-endian.
TEST(WavFile, SixteenBitMonoPcm) {
    const std::string expected("RIFF(\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0D\xac\0\0\x88X\x01\0\x02\0"
                               "\x10\0data\x04\0\0\0\x01\0\0\x80",
                               48);
    EXPECT_EQ(encodeWav(PcmSound{44100, {1, -32768}}), expected);
}

TEST(Sounds, TheCommittedFilesAreWhatTheToolMakes) {
    // A difference means the tool changed and tools/quirn-assets/make-assets.sh was not run.
    for (const auto& [name, sound] : allSounds()) {
        std::ifstream in(QUIRN_SOURCE_DIR "/data/setup/" + name, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), encodeWav(sound)) << name;
    }
}

TEST(Sounds, AreAudibleUnclippedAndFadedAtBothEnds) {
    const std::map<std::string, std::pair<double, double>> seconds = {{"1.wav", {0.05, 0.12}},
                                                                      {"2.wav", {0.04, 0.12}},
                                                                      {"3.wav", {0.01, 0.06}},
                                                                      {"4.wav", {0.2, 0.45}},
                                                                      {"win.wav", {0.7, 1.5}}};
    for (const auto& [name, sound] : allSounds()) {
        SCOPED_TRACE(name);
        ASSERT_FALSE(sound.samples.empty());
        EXPECT_GE(sound.seconds(), seconds.at(name).first);
        EXPECT_LE(sound.seconds(), seconds.at(name).second);
        int peak = 0;
        for (auto v : sound.samples) peak = std::max(peak, std::abs(int{v}));
        EXPECT_GT(peak, 32768 / 5);
        EXPECT_LT(peak, 32767);
        EXPECT_LT(std::abs(int{sound.samples.front()}) + std::abs(int{sound.samples.back()}), 64);
    }
    // Zero crossings per second, halved: roughly the pitch a listener hears.
    const auto pitch = [](const PcmSound& s) {
        int crossings = 0;
        for (std::size_t i = 1; i < s.samples.size(); ++i)
            crossings += (s.samples[i - 1] < 0) != (s.samples[i] < 0);
        return crossings * s.sampleRate / (2.0 * static_cast<double>(s.samples.size()));
    };
    EXPECT_LT(pitch(lineUnmarkedSound()), 0.8 * pitch(lineMarkedSound())); // unmarking sounds lower
}

} // namespace
