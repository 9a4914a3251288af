// Plain 16-bit PCM WAV, mono: the one layout the game's sound player accepts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quirn::assets {

struct PcmSound {
    int sampleRate = 22050;
    std::vector<std::int16_t> samples;

    double seconds() const {
        return sampleRate > 0 ? static_cast<double>(samples.size()) / sampleRate : 0.0;
    }
};

// The whole file: RIFF header, a 16-byte "fmt " chunk (format 1) and the "data" chunk.
std::string encodeWav(const PcmSound& sound);

// The header fields as a file states them, and the samples when they are 16-bit mono.
struct WavInfo {
    int formatCode = 0;
    int channels = 0;
    int sampleRate = 0;
    int byteRate = 0;
    int blockAlign = 0;
    int bitsPerSample = 0;
    std::uint32_t dataBytes = 0;
    std::vector<std::int16_t> samples;
};

// nullopt when the bytes are not a RIFF/WAVE file with "fmt " and "data" chunks, or a
// chunk runs past the end. Other chunks are skipped.
std::optional<WavInfo> parseWav(std::string_view bytes);

} // namespace quirn::assets
