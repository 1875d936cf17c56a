#include "converter/audio/WaveDecoder.h"

#include <sndfile.h>

#include <algorithm>
#include <cstring>

#include "formats/io/RecordFields.h"

namespace vn {

namespace {

// libsndfile reads a whole file; this one lives in memory.
struct MemoryFile {
    std::span<const uint8_t> bytes;
    sf_count_t position = 0;
};

sf_count_t FileLength(void* user) {
    return static_cast<sf_count_t>(static_cast<MemoryFile*>(user)->bytes.size());
}

sf_count_t Seek(sf_count_t offset, int whence, void* user) {
    auto* file = static_cast<MemoryFile*>(user);
    const auto size = static_cast<sf_count_t>(file->bytes.size());
    sf_count_t base = 0;
    if (whence == SEEK_CUR) base = file->position;
    if (whence == SEEK_END) base = size;
    file->position = std::clamp<sf_count_t>(base + offset, 0, size);
    return file->position;
}

sf_count_t Read(void* dest, sf_count_t count, void* user) {
    auto* file = static_cast<MemoryFile*>(user);
    const auto size = static_cast<sf_count_t>(file->bytes.size());
    const sf_count_t n = std::clamp<sf_count_t>(count, 0, size - file->position);
    std::memcpy(dest, file->bytes.data() + file->position, static_cast<size_t>(n));
    file->position += n;
    return n;
}

sf_count_t Write(const void*, sf_count_t, void*) { return 0; }

sf_count_t Tell(void* user) { return static_cast<MemoryFile*>(user)->position; }

void AppendChunk(std::vector<uint8_t>& out, const char* id, std::span<const uint8_t> body) {
    uint8_t header[8];
    std::memcpy(header, id, 4);
    PutU32(header + 4, static_cast<uint32_t>(body.size()));
    out.insert(out.end(), header, header + 8);
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() & 1) out.push_back(0);
}

// A plain RIFF file of just the two chunks ParseWave chose, so libsndfile
// sees exactly the format and data we picked, whatever surrounded them.
std::vector<uint8_t> CanonicalWave(const WaveData& wave) {
    std::vector<uint8_t> fmt = wave.formatBytes;
    if (fmt.size() < 16) {
        // The old 14-byte record has no bits per sample; derive it.
        const auto& f = wave.format;
        fmt.resize(16, 0);
        PutU16(fmt.data() + 14, static_cast<uint16_t>(f.blockAlign * 8 / f.channels));
    }
    std::vector<uint8_t> out{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
    AppendChunk(out, "fmt ", fmt);
    AppendChunk(out, "data", wave.data);
    PutU32(out.data() + 4, static_cast<uint32_t>(out.size() - 8));
    return out;
}

std::optional<Pcm16> DecodeWithLibrary(const WaveData& wave) {
    const std::vector<uint8_t> file = CanonicalWave(wave);
    MemoryFile memory{file};
    SF_VIRTUAL_IO io{FileLength, Seek, Read, Write, Tell};
    SF_INFO info{};
    SNDFILE* sound = sf_open_virtual(&io, SFM_READ, &info, &memory);
    if (!sound) return std::nullopt;
    Pcm16 pcm;
    pcm.sampleRate = static_cast<uint32_t>(info.samplerate);
    pcm.channels = static_cast<uint16_t>(info.channels);
    if (info.channels != wave.format.channels || info.samplerate <= 0) {
        sf_close(sound);
        return std::nullopt;
    }
    bool ok = true;
    // Even the densest codec (GSM, low-rate MPEG) yields far fewer than 32
    // samples per input byte; more means a broken stream, so stop there.
    const size_t limit = wave.data.size() * 32 + 65536;
    constexpr sf_count_t kBlockFrames = 4096;
    std::vector<short> block(static_cast<size_t>(kBlockFrames) * info.channels);
    while (ok) {
        const sf_count_t frames = sf_readf_short(sound, block.data(), kBlockFrames);
        if (frames <= 0) break;
        const size_t n = static_cast<size_t>(frames) * info.channels;
        if (pcm.samples.size() + n > limit) ok = false;
        pcm.samples.insert(pcm.samples.end(), block.begin(), block.begin() + n);
    }
    sf_close(sound);
    if (!ok) return std::nullopt;
    // Some writers put 0 for "not known"; that cuts nothing.
    if (wave.factFrames && *wave.factFrames > 0 && *wave.factFrames < pcm.FrameCount()) {
        pcm.samples.resize(static_cast<size_t>(*wave.factFrames) * pcm.channels);
    }
    return pcm;
}

}  // namespace

bool IsPcm16(const WaveFormat& f) {
    return f.formatTag == kWaveFormatPcm && f.blockAlign == 2 * f.channels &&
           (f.bitsPerSample == 16 || f.bitsPerSample == 0);
}

std::optional<Pcm16> DecodeWave(const WaveData& wave) {
    const WaveFormat& f = wave.format;
    if (f.channels == 0 || f.channels > kWaveMaxChannels) return std::nullopt;
    if (f.sampleRate < kWaveMinRate || f.sampleRate > kWaveMaxRate) return std::nullopt;
    if (!IsPcm16(f)) return DecodeWithLibrary(wave);
    Pcm16 pcm;
    pcm.sampleRate = f.sampleRate;
    pcm.channels = f.channels;
    // A partial frame at the end is dropped.
    const size_t frames = wave.data.size() / f.blockAlign;
    pcm.samples.resize(frames * f.channels);
    for (size_t i = 0; i < pcm.samples.size(); ++i) {
        pcm.samples[i] = static_cast<int16_t>(GetU16(wave.data.data() + 2 * i));
    }
    return pcm;
}

}  // namespace vn
