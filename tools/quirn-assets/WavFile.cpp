#include "WavFile.h"

namespace quirn::assets {
namespace {

void putLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::uint32_t getLe(std::string_view bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i)
        value |= std::uint32_t{static_cast<unsigned char>(bytes[at + i])} << (8 * i);
    return value;
}

constexpr int kBitsPerSample = 16;
constexpr int kChannels = 1;
constexpr int kBytesPerSample = kBitsPerSample / 8;

} // namespace

std::string encodeWav(const PcmSound& sound) {
    const auto dataBytes = static_cast<std::uint32_t>(sound.samples.size() * kBytesPerSample);
    const auto rate = static_cast<std::uint32_t>(sound.sampleRate);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    putLe(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    putLe(out, 16, 4);
    putLe(out, 1, 2); // integer PCM
    putLe(out, kChannels, 2);
    putLe(out, rate, 4);
    putLe(out, rate * kChannels * kBytesPerSample, 4);
    putLe(out, kChannels * kBytesPerSample, 2);
    putLe(out, kBitsPerSample, 2);
    out += "data";
    putLe(out, dataBytes, 4);
    for (std::int16_t s : sound.samples) putLe(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

std::optional<WavInfo> parseWav(std::string_view bytes) {
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE")
        return std::nullopt;
    WavInfo info;
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string_view id = bytes.substr(at, 4);
        const std::uint32_t size = getLe(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (size > bytes.size() - body) return std::nullopt;
        if (id == "fmt ") {
            if (size < 16) return std::nullopt;
            info.formatCode = static_cast<int>(getLe(bytes, body, 2));
            info.channels = static_cast<int>(getLe(bytes, body + 2, 2));
            info.sampleRate = static_cast<int>(getLe(bytes, body + 4, 4));
            info.byteRate = static_cast<int>(getLe(bytes, body + 8, 4));
            info.blockAlign = static_cast<int>(getLe(bytes, body + 12, 2));
            info.bitsPerSample = static_cast<int>(getLe(bytes, body + 14, 2));
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) return std::nullopt;
            info.dataBytes = size;
            if (info.formatCode == 1 && info.channels == kChannels &&
                info.bitsPerSample == kBitsPerSample) {
                for (std::size_t i = 0; i + 1 < size; i += 2)
                    info.samples.push_back(static_cast<std::int16_t>(getLe(bytes, body + i, 2)));
            }
            return info;
        }
        at = body + size + (size & 1); // chunks are word aligned
    }
    return std::nullopt;
}

} // namespace quirn::assets
