#include "tools/samplegame/WaveWriter.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

#include "formats/io/RecordFields.h"

namespace vn {
namespace {

using Bytes = std::vector<uint8_t>;

constexpr int kBlockPerChannel = 256;

void Append16(Bytes& b, int v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}
void Append32(Bytes& b, uint32_t v) {
    Append16(b, static_cast<int>(v & 0xFFFF));
    Append16(b, static_cast<int>(v >> 16));
}

int16_t Clamp16(int v) { return static_cast<int16_t>(std::clamp(v, -32768, 32767)); }

// Sample i of channel c, silence past the end (the last block is padded).
int16_t SampleAt(const std::vector<int16_t>& s, int channels, size_t i, int c) {
    const size_t k = i * channels + c;
    return k < s.size() ? s[k] : 0;
}

constexpr int kImaSteps[89] = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,
    25,    28,    31,    34,    37,    41,    45,    50,    55,    60,    66,    73,    80,
    88,    97,    107,   118,   130,   143,   157,   173,   190,   209,   230,   253,   279,
    307,   337,   371,   408,   449,   494,   544,   598,   658,   724,   796,   876,   963,
    1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,  2272,  2499,  2749,  3024,  3327,
    3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,  9493,  10442, 11487,
    12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};
constexpr int kImaIndex[8] = {-1, -1, -1, -1, 2, 4, 6, 8};

struct ImaState {
    int predictor = 0;
    int index = 0;
    uint8_t Encode(int sample) {
        const int step = kImaSteps[index];
        int diff = sample - predictor;
        uint8_t nibble = 0;
        if (diff < 0) {
            nibble = 8;
            diff = -diff;
        }
        int delta = step >> 3;
        for (int bit = 4, s = step; bit >= 1; bit >>= 1, s >>= 1) {
            if (diff >= s) {
                nibble |= bit;
                diff -= s;
                delta += s;
            }
        }
        predictor = Clamp16(predictor + ((nibble & 8) ? -delta : delta));
        index = std::clamp(index + kImaIndex[nibble & 7], 0, 88);
        return nibble;
    }
};

Bytes ImaBlocks(const std::vector<int16_t>& s, int ch, size_t frames, int samplesPerBlock) {
    Bytes out;
    std::vector<ImaState> state(ch);
    for (size_t start = 0; start < frames; start += samplesPerBlock) {
        for (int c = 0; c < ch; ++c) {
            state[c].predictor = SampleAt(s, ch, start, c);
            Append16(out, state[c].predictor);
            out.push_back(static_cast<uint8_t>(state[c].index));
            out.push_back(0);
        }
        // Eight samples of one channel per 4-byte group, channels in turn.
        for (int k = 1; k < samplesPerBlock; k += 8) {
            for (int c = 0; c < ch; ++c) {
                for (int j = 0; j < 8; j += 2) {
                    const uint8_t lo = state[c].Encode(SampleAt(s, ch, start + k + j, c));
                    const uint8_t hi = state[c].Encode(SampleAt(s, ch, start + k + j + 1, c));
                    out.push_back(static_cast<uint8_t>(lo | (hi << 4)));
                }
            }
        }
    }
    return out;
}

constexpr int kMsAdapt[16] = {230, 230, 230, 230, 307, 409, 512, 614,
                              768, 614, 512, 409, 307, 230, 230, 230};
constexpr int kMsCoef[7][2] = {{256, 0}, {512, -256}, {0, 0}, {192, 64},
                               {240, 0}, {460, -208}, {392, -232}};

struct MsState {
    int coef = 0, delta = 16, s1 = 0, s2 = 0;
    int64_t error = 0;
    uint8_t Encode(int sample) {
        const int predicted = (s1 * kMsCoef[coef][0] + s2 * kMsCoef[coef][1]) >> 8;
        const int diff = sample - predicted;
        const int q = std::clamp(diff >= 0 ? (diff + delta / 2) / delta : -((-diff + delta / 2) / delta), -8, 7);
        const int decoded = Clamp16(predicted + q * delta);
        error += std::abs(sample - decoded);
        delta = std::max(16, (kMsAdapt[q & 15] * delta) >> 8);
        s2 = s1;
        s1 = decoded;
        return static_cast<uint8_t>(q & 15);
    }
};

// Picks for each channel of a block the predictor with the smallest error.
Bytes MsBlocks(const std::vector<int16_t>& s, int ch, size_t frames, int samplesPerBlock) {
    Bytes out;
    for (size_t start = 0; start < frames; start += samplesPerBlock) {
        std::vector<MsState> state(ch);
        for (int c = 0; c < ch; ++c) {
            int best = 0;
            int64_t bestError = INT64_MAX;
            for (int p = 0; p < 7; ++p) {
                MsState trial{p, 16, SampleAt(s, ch, start + 1, c), SampleAt(s, ch, start, c)};
                for (int k = 2; k < samplesPerBlock; ++k) trial.Encode(SampleAt(s, ch, start + k, c));
                if (trial.error < bestError) bestError = trial.error, best = p;
            }
            state[c] = {best, 16, SampleAt(s, ch, start + 1, c), SampleAt(s, ch, start, c)};
        }
        for (int c = 0; c < ch; ++c) out.push_back(static_cast<uint8_t>(state[c].coef));
        for (int c = 0; c < ch; ++c) Append16(out, state[c].delta);
        for (int c = 0; c < ch; ++c) Append16(out, state[c].s1);
        for (int c = 0; c < ch; ++c) Append16(out, state[c].s2);
        uint8_t pending = 0;
        bool high = true;
        for (int k = 2; k < samplesPerBlock; ++k) {
            for (int c = 0; c < ch; ++c) {
                const uint8_t n = state[c].Encode(SampleAt(s, ch, start + k, c));
                if (high) pending = static_cast<uint8_t>(n << 4);
                else out.push_back(pending | n);
                high = !high;
            }
        }
    }
    return out;
}

void Chunk(Bytes& file, const char* id, const Bytes& body) {
    file.insert(file.end(), id, id + 4);
    Append32(file, static_cast<uint32_t>(body.size()));
    file.insert(file.end(), body.begin(), body.end());
    if (body.size() % 2) file.push_back(0);
}

}  // namespace

std::vector<uint8_t> WaveWriter::Encode(const std::vector<int16_t>& samples, const WaveOptions& o) {
    const int ch = o.channels;
    const size_t frames = samples.size() / ch;
    Bytes fmt, data, fact;
    int tag = 1, bits = 16, blockAlign = 2 * ch;
    switch (o.format) {
    case WaveEncoding::Pcm16:
        for (int16_t v : samples) Append16(data, v);
        break;
    case WaveEncoding::Pcm8:
        bits = 8;
        blockAlign = ch;
        for (int16_t v : samples) data.push_back(static_cast<uint8_t>((v >> 8) + 128));
        break;
    case WaveEncoding::ImaAdpcm:
    case WaveEncoding::MsAdpcm:
        tag = o.format == WaveEncoding::ImaAdpcm ? 0x11 : 0x02;
        bits = 4;
        blockAlign = kBlockPerChannel * ch;
        break;
    }
    Append16(fmt, tag);
    Append16(fmt, ch);
    Append32(fmt, static_cast<uint32_t>(o.rate));
    if (tag == 0x11) {
        const int perBlock = (blockAlign - 4 * ch) * 8 / (4 * ch) + 1;
        data = ImaBlocks(samples, ch, frames, perBlock);
        Append32(fmt, static_cast<uint32_t>(static_cast<int64_t>(o.rate) * blockAlign / perBlock));
        Append16(fmt, blockAlign);
        Append16(fmt, bits);
        Append16(fmt, 2);
        Append16(fmt, perBlock);
    } else if (tag == 0x02) {
        const int perBlock = (blockAlign - 7 * ch) * 8 / (4 * ch) + 2;
        data = MsBlocks(samples, ch, frames, perBlock);
        Append32(fmt, static_cast<uint32_t>(static_cast<int64_t>(o.rate) * blockAlign / perBlock));
        Append16(fmt, blockAlign);
        Append16(fmt, bits);
        Append16(fmt, 32);
        Append16(fmt, perBlock);
        Append16(fmt, 7);
        for (const auto& c : kMsCoef) Append16(fmt, c[0]), Append16(fmt, c[1]);
    } else {
        Append32(fmt, static_cast<uint32_t>(o.rate * blockAlign));
        Append16(fmt, blockAlign);
        Append16(fmt, bits);
    }
    if (tag != 1) Append32(fact, static_cast<uint32_t>(frames));

    Bytes file = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
    const Bytes note = {'L', 'u', 'c', 'e', 'n', 't', 'G', 'r', 'o', 'v', 'e'};  // 11 bytes
    if (o.dataBeforeFormat) Chunk(file, "data", data);
    if (o.oddChunk) Chunk(file, "note", note);
    Chunk(file, "fmt ", fmt);
    if (!fact.empty()) Chunk(file, "fact", fact);
    if (!o.dataBeforeFormat) Chunk(file, "data", data);
    PutU32(&file[4], static_cast<uint32_t>(file.size() - 8));
    return file;
}

}  // namespace vn
