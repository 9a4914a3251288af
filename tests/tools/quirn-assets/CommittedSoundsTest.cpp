// The sounds in data/setup/ as the game ships them.
#include "Sounds.h"
#include "WavFile.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;
using quirn::assets::parseWav;

std::string readAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const fs::path kSetup = fs::path(QUIRN_SOURCE_DIR) / "data" / "setup";

struct Expected {
    const char* file;
    double minSeconds;
    double maxSeconds;
};
const Expected kSounds[] = {
    {"1.wav", 0.05, 0.12}, {"2.wav", 0.04, 0.12}, {"3.wav", 0.01, 0.06},
    {"4.wav", 0.2, 0.45},  {"win.wav", 0.7, 1.5},
};

// Crossings of zero per second, halved: roughly the pitch a listener hears.
double roughPitch(const std::vector<std::int16_t>& s, int rate) {
    int crossings = 0;
    for (std::size_t i = 1; i < s.size(); ++i) crossings += (s[i - 1] < 0) != (s[i] < 0);
    return crossings * rate / (2.0 * static_cast<double>(s.size()));
}

TEST(CommittedSounds, Are16BitMonoPcmOfTheRightLength) {
    for (const Expected& e : kSounds) {
        SCOPED_TRACE(e.file);
        const auto info = parseWav(readAll(kSetup / e.file));
        ASSERT_TRUE(info);
        EXPECT_EQ(info->formatCode, 1);
        EXPECT_EQ(info->bitsPerSample, 16);
        EXPECT_EQ(info->channels, 1);
        EXPECT_TRUE(info->sampleRate == 22050 || info->sampleRate == 44100);
        EXPECT_EQ(info->blockAlign, 2);
        EXPECT_EQ(info->byteRate, info->sampleRate * 2);
        ASSERT_EQ(info->samples.size() * 2, info->dataBytes);
        const double seconds = static_cast<double>(info->samples.size()) / info->sampleRate;
        EXPECT_GE(seconds, e.minSeconds);
        EXPECT_LE(seconds, e.maxSeconds);
    }
}

TEST(CommittedSounds, AreAudibleUnclippedAndFadedAtBothEnds) {
    for (const Expected& e : kSounds) {
        SCOPED_TRACE(e.file);
        const auto info = parseWav(readAll(kSetup / e.file));
        ASSERT_TRUE(info);
        ASSERT_FALSE(info->samples.empty());
        int peak = 0;
        for (auto v : info->samples) peak = std::max(peak, std::abs(int{v}));
        EXPECT_GT(peak, 32768 / 5);
        EXPECT_LT(peak, 32767);
        EXPECT_LT(std::abs(int{info->samples.front()}), 64);
        EXPECT_LT(std::abs(int{info->samples.back()}), 64);
    }
}

TEST(CommittedSounds, UnmarkingSoundsLowerThanMarking) {
    const auto marked = parseWav(readAll(kSetup / "1.wav"));
    const auto unmarked = parseWav(readAll(kSetup / "2.wav"));
    ASSERT_TRUE(marked && unmarked);
    EXPECT_LT(roughPitch(unmarked->samples, unmarked->sampleRate),
              0.8 * roughPitch(marked->samples, marked->sampleRate));
}

TEST(CommittedSounds, MatchWhatTheAssetToolMakes) {
    // A stale file means someone changed the tool and did not re-run make-assets.sh.
    for (const auto& [name, sound] : quirn::assets::allSounds()) {
        EXPECT_EQ(readAll(kSetup / name), quirn::assets::encodeWav(sound)) << name;
    }
}

} // namespace
