#include "WavFile.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace {

using quirn::assets::encodeWav;
using quirn::assets::parseWav;
using quirn::assets::PcmSound;

std::uint32_t le(const std::string& bytes, std::size_t at, int count) {
    std::uint32_t v = 0;
    for (int i = 0; i < count; ++i)
        v |= std::uint32_t{static_cast<unsigned char>(bytes[at + i])} << (8 * i);
    return v;
}

TEST(WavFile, HeaderFieldsOfA16BitMonoFile) {
    const PcmSound sound{44100, {0, 1, -1, 32767, -32768}};
    const std::string bytes = encodeWav(sound);
    ASSERT_EQ(bytes.size(), 44u + 10u);

    struct Field {
        const char* name;
        std::size_t at;
        int width;
        std::uint32_t expected;
    };
    const Field fields[] = {
        {"RIFF size", 4, 4, 36 + 10}, {"fmt size", 16, 4, 16},       {"format code", 20, 2, 1},
        {"channels", 22, 2, 1},       {"sample rate", 24, 4, 44100}, {"byte rate", 28, 4, 88200},
        {"block align", 32, 2, 2},    {"bits", 34, 2, 16},           {"data size", 40, 4, 10},
    };
    for (const Field& f : fields) EXPECT_EQ(le(bytes, f.at, f.width), f.expected) << f.name;
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(bytes.substr(36, 4), "data");
    // Samples little-endian, two's complement.
    EXPECT_EQ(le(bytes, 44 + 2, 2), 0x0001u);
    EXPECT_EQ(le(bytes, 44 + 4, 2), 0xFFFFu);
    EXPECT_EQ(le(bytes, 44 + 6, 2), 0x7FFFu);
    EXPECT_EQ(le(bytes, 44 + 8, 2), 0x8000u);
}

TEST(WavFile, ParsesWhatItWrites) {
    const PcmSound sound{22050, {0, 100, -200, 300, 0}};
    const auto info = parseWav(encodeWav(sound));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->formatCode, 1);
    EXPECT_EQ(info->channels, 1);
    EXPECT_EQ(info->sampleRate, 22050);
    EXPECT_EQ(info->byteRate, 44100);
    EXPECT_EQ(info->blockAlign, 2);
    EXPECT_EQ(info->bitsPerSample, 16);
    EXPECT_EQ(info->dataBytes, 10u);
    EXPECT_EQ(info->samples, sound.samples);
}

TEST(WavFile, SkipsUnknownChunksIncludingOddSizedOnes) {
    std::string bytes = encodeWav(PcmSound{22050, {7, -7}});
    // Insert a 3-byte "LIST" chunk (plus its pad byte) before "data".
    bytes.insert(36, std::string("LIST\x03\0\0\0abc\0", 12));
    bytes[4] = static_cast<char>(static_cast<unsigned char>(bytes[4]) + 12);
    const auto info = parseWav(bytes);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->samples, (std::vector<std::int16_t>{7, -7}));
}

TEST(WavFile, RejectsBrokenFiles) {
    const std::string good = encodeWav(PcmSound{22050, {1, 2, 3}});
    struct Case {
        const char* what;
        std::string bytes;
    };
    std::string wrongMagic = good;
    wrongMagic[0] = 'X';
    std::string notWave = good;
    notWave[8] = 'A';
    std::string dataBeforeFormat = good.substr(0, 12) + good.substr(36);
    const Case cases[] = {
        {"empty", ""},
        {"wrong magic", wrongMagic},
        {"not WAVE", notWave},
        {"cut inside the samples", good.substr(0, good.size() - 1)},
        {"header only", good.substr(0, 36)},
        {"data before fmt", dataBeforeFormat},
    };
    for (const Case& c : cases) EXPECT_FALSE(parseWav(c.bytes)) << c.what;
}

TEST(WavFile, KeepsHeaderButNoSamplesForOtherLayouts) {
    std::string bytes = encodeWav(PcmSound{22050, {1, 2}});
    bytes[34] = 32; // claims 32-bit samples
    const auto info = parseWav(bytes);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->bitsPerSample, 32);
    EXPECT_TRUE(info->samples.empty());
}

} // namespace
