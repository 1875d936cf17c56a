#include "converter/audio/WaveFile.h"

#include <cstring>

#include "formats/io/RecordFields.h"

namespace vn {

namespace {

constexpr size_t kRiffHeaderSize = 12;
constexpr size_t kChunkHeaderSize = 8;

bool HasId(std::span<const uint8_t> bytes, size_t at, const char* id) {
    return bytes.size() >= at + 4 && std::memcmp(bytes.data() + at, id, 4) == 0;
}

WaveFormat ReadFormat(std::span<const uint8_t> fmt) {
    WaveFormat f;
    f.formatTag = GetU16(fmt.data());
    f.channels = GetU16(fmt.data() + 2);
    f.sampleRate = GetU32(fmt.data() + 4);
    f.bytesPerSecond = GetU32(fmt.data() + 8);
    f.blockAlign = GetU16(fmt.data() + 12);
    if (fmt.size() >= 16) f.bitsPerSample = GetU16(fmt.data() + 14);
    return f;
}

}  // namespace

std::optional<WaveData> ParseWave(std::span<const uint8_t> bytes) {
    if (!HasId(bytes, 0, "RIFF") || !HasId(bytes, 8, "WAVE")) return std::nullopt;
    // The RIFF length counts from offset 8; a length that reaches past the
    // bytes we hold is a lie and the file is refused.
    const uint64_t end = 8 + static_cast<uint64_t>(GetU32(bytes.data() + 4));
    if (end > bytes.size()) return std::nullopt;

    std::optional<std::span<const uint8_t>> fmt;
    std::optional<std::span<const uint8_t>> data;
    std::optional<uint32_t> factFrames;
    uint64_t at = kRiffHeaderSize;
    while (at + kChunkHeaderSize <= end && !(fmt && data)) {
        const uint64_t length = GetU32(bytes.data() + at + 4);
        const uint64_t body = at + kChunkHeaderSize;
        if (body + length > end) return std::nullopt;
        const auto chunk = bytes.subspan(body, length);
        if (!fmt && HasId(bytes, at, "fmt ")) {
            if (length < kWaveFormatMinSize || length > kWaveFormatMaxSize) return std::nullopt;
            fmt = chunk;
        } else if (!data && HasId(bytes, at, "data") && length > 0) {
            data = chunk;
        } else if (!factFrames && HasId(bytes, at, "fact") && length >= 4) {
            factFrames = GetU32(chunk.data());
        }
        at = body + length + (length & 1);  // chunks are padded to an even length
    }
    if (!fmt || !data) return std::nullopt;

    WaveData wave;
    wave.format = ReadFormat(*fmt);
    wave.formatBytes.assign(fmt->begin(), fmt->end());
    wave.data = *data;
    wave.factFrames = factFrames;
    return wave;
}

}  // namespace vn
