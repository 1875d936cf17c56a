#include "converter/audio/AudioTestSupport.h"

#include <mpg123.h>
#include <sndfile.h>

#include <cmath>
#include <cstring>

#include "formats/io/RecordFields.h"

namespace vn::audiotest {

Pcm16 Tone(uint32_t sampleRate, uint16_t channels, double seconds) {
    Pcm16 pcm;
    pcm.sampleRate = sampleRate;
    pcm.channels = channels;
    const auto frames = static_cast<size_t>(seconds * sampleRate);
    pcm.samples.resize(frames * channels);
    for (size_t i = 0; i < frames; ++i) {
        for (uint16_t c = 0; c < channels; ++c) {
            const double hz = c == 0 ? 440.0 : 660.0;
            pcm.samples[i * channels + c] =
                static_cast<int16_t>(8000 * std::sin(2 * M_PI * hz * i / sampleRate));
        }
    }
    return pcm;
}

std::vector<uint8_t> RiffWave(const std::vector<Chunk>& chunks) {
    std::vector<uint8_t> out{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
    for (const Chunk& c : chunks) {
        uint8_t header[8];
        std::memcpy(header, c.id.data(), 4);
        PutU32(header + 4, static_cast<uint32_t>(c.body.size()));
        out.insert(out.end(), header, header + 8);
        out.insert(out.end(), c.body.begin(), c.body.end());
        if (c.body.size() & 1) out.push_back(0);
    }
    PutU32(out.data() + 4, static_cast<uint32_t>(out.size() - 8));
    return out;
}

std::vector<uint8_t> Pcm16Format(uint32_t sampleRate, uint16_t channels) {
    std::vector<uint8_t> f(16);
    PutU16(f.data(), 1);
    PutU16(f.data() + 2, channels);
    PutU32(f.data() + 4, sampleRate);
    PutU32(f.data() + 8, sampleRate * 2 * channels);
    PutU16(f.data() + 12, static_cast<uint16_t>(2 * channels));
    PutU16(f.data() + 14, 16);
    return f;
}

std::vector<uint8_t> PcmBytes(const Pcm16& pcm) {
    std::vector<uint8_t> out(pcm.samples.size() * 2);
    for (size_t i = 0; i < pcm.samples.size(); ++i) {
        PutU16(out.data() + 2 * i, static_cast<uint16_t>(pcm.samples[i]));
    }
    return out;
}

std::vector<uint8_t> Pcm16Wave(const Pcm16& pcm) {
    return RiffWave({{"fmt ", Pcm16Format(pcm.sampleRate, pcm.channels)}, {"data", PcmBytes(pcm)}});
}

namespace {

struct Growing {
    std::vector<uint8_t> bytes;
    sf_count_t position = 0;
};

sf_count_t GrowLength(void* u) { return static_cast<sf_count_t>(static_cast<Growing*>(u)->bytes.size()); }
sf_count_t GrowSeek(sf_count_t offset, int whence, void* u) {
    auto* g = static_cast<Growing*>(u);
    sf_count_t base = whence == SEEK_CUR ? g->position
                      : whence == SEEK_END ? static_cast<sf_count_t>(g->bytes.size())
                                           : 0;
    g->position = std::max<sf_count_t>(0, base + offset);
    return g->position;
}
sf_count_t GrowRead(void* dest, sf_count_t n, void* u) {
    auto* g = static_cast<Growing*>(u);
    const auto size = static_cast<sf_count_t>(g->bytes.size());
    const sf_count_t count = std::max<sf_count_t>(0, std::min(n, size - g->position));
    std::memcpy(dest, g->bytes.data() + g->position, static_cast<size_t>(count));
    g->position += count;
    return count;
}
sf_count_t GrowWrite(const void* src, sf_count_t n, void* u) {
    auto* g = static_cast<Growing*>(u);
    const auto end = static_cast<size_t>(g->position + n);
    if (g->bytes.size() < end) g->bytes.resize(end);
    std::memcpy(g->bytes.data() + g->position, src, static_cast<size_t>(n));
    g->position += n;
    return n;
}
sf_count_t GrowTell(void* u) { return static_cast<Growing*>(u)->position; }

}  // namespace

std::vector<uint8_t> EncodedWave(const Pcm16& pcm, int subtype, int major) {
    Growing out;
    SF_VIRTUAL_IO io{GrowLength, GrowSeek, GrowRead, GrowWrite, GrowTell};
    SF_INFO info{};
    info.samplerate = static_cast<int>(pcm.sampleRate);
    info.channels = pcm.channels;
    info.format = major | subtype;
    SNDFILE* file = sf_open_virtual(&io, SFM_WRITE, &info, &out);
    if (!file) return {};
    const auto frames = static_cast<sf_count_t>(pcm.FrameCount());
    const bool ok = sf_writef_short(file, pcm.samples.data(), frames) == frames;
    sf_close(file);
    if (!ok) return {};
    // libsndfile's "fact" count for IMA ADPCM is not the frame count; set it
    // as Windows' writers do, to the frames before the last block's filling.
    for (size_t at = 12; at + 12 <= out.bytes.size();) {
        const uint32_t length = GetU32(out.bytes.data() + at + 4);
        if (std::memcmp(out.bytes.data() + at, "fact", 4) == 0 && length >= 4) {
            PutU32(out.bytes.data() + at + 8, static_cast<uint32_t>(pcm.FrameCount()));
            break;
        }
        at += 8 + length + (length & 1);
    }
    return out.bytes;
}

Mp3Probe ProbeMp3(std::span<const uint8_t> mp3) {
    Mp3Probe probe;
    mpg123_handle* mh = mpg123_new(nullptr, nullptr);
    if (!mh) return probe;
    mpg123_param(mh, MPG123_FLAGS, MPG123_GAPLESS | MPG123_QUIET, 0);
    bool ok = mpg123_open_feed(mh) == MPG123_OK &&
              mpg123_feed(mh, mp3.data(), mp3.size()) == MPG123_OK;
    size_t bytes = 0;
    int encoding = 0;
    while (ok) {
        off_t num = 0;
        unsigned char* audio = nullptr;
        const int r = mpg123_decode_frame(mh, &num, &audio, &bytes);
        if (r == MPG123_NEW_FORMAT) {
            mpg123_getformat(mh, &probe.sampleRate, &probe.channels, &encoding);
            continue;
        }
        if (r == MPG123_NEED_MORE || r == MPG123_DONE) break;
        if (r != MPG123_OK) {
            ok = false;
            break;
        }
        mpg123_frameinfo info{};
        mpg123_info(mh, &info);
        probe.bitrates.insert(info.bitrate);
        ++probe.mp3Frames;
        if (probe.channels > 0) probe.frames += bytes / (2 * probe.channels);
    }
    mpg123_delete(mh);
    probe.ok = ok && probe.channels > 0 && encoding == MPG123_ENC_SIGNED_16;
    return probe;
}

}  // namespace vn::audiotest
