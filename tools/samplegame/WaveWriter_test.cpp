#include "tools/samplegame/WaveWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "formats/io/RecordFields.h"

namespace vn {
namespace {

struct Chunk {
    size_t at;  // of the chunk's data
    uint32_t size;
};

// Walks the chunks as a reader must: padded to even lengths.
std::vector<std::pair<std::string, Chunk>> Chunks(const std::vector<uint8_t>& w) {
    std::vector<std::pair<std::string, Chunk>> out;
    EXPECT_EQ(std::string(w.begin(), w.begin() + 4), "RIFF");
    EXPECT_EQ(GetU32(&w[4]), w.size() - 8);
    for (size_t at = 12; at + 8 <= w.size();) {
        const uint32_t size = GetU32(&w[at + 4]);
        out.push_back({std::string(w.begin() + at, w.begin() + at + 4), {at + 8, size}});
        at += 8 + size + (size & 1);
    }
    return out;
}

std::map<std::string, Chunk> ChunkMap(const std::vector<uint8_t>& w) {
    std::map<std::string, Chunk> m;
    for (auto& [id, c] : Chunks(w)) m[id] = c;
    return m;
}

std::vector<int16_t> Sine(int frames, int channels) {
    std::vector<int16_t> s;
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            s.push_back(static_cast<int16_t>(std::lround(12000 * std::sin(i * (0.03 + 0.02 * c)))));
    return s;
}

// Reference decoders, written from the formats' public descriptions.
std::vector<int16_t> DecodeIma(const uint8_t* d, size_t size, int ch, int block, int perBlock) {
    static const int steps[89] = {7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 19, 21, 23, 25, 28, 31, 34, 37, 41, 45, 50, 55, 60, 66, 73, 80, 88, 97, 107, 118, 130, 143, 157, 173, 190, 209, 230, 253, 279, 307, 337, 371, 408, 449, 494, 544, 598, 658, 724, 796, 876, 963, 1060, 1166, 1282, 1411, 1552, 1707, 1878, 2066, 2272, 2499, 2749, 3024, 3327, 3660, 4026, 4428, 4871, 5358, 5894, 6484, 7132, 7845, 8630, 9493, 10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};
    static const int adjust[8] = {-1, -1, -1, -1, 2, 4, 6, 8};
    std::vector<int16_t> out;
    for (size_t b = 0; b + block <= size; b += block) {
        std::vector<int> pred(ch), index(ch);
        std::vector<std::vector<int16_t>> chan(ch);
        for (int c = 0; c < ch; ++c) {
            pred[c] = static_cast<int16_t>(GetU16(d + b + 4 * c));
            index[c] = d[b + 4 * c + 2];
            chan[c].push_back(static_cast<int16_t>(pred[c]));
        }
        for (size_t at = b + 4 * ch; at < b + block; at += 4 * ch) {
            for (int c = 0; c < ch; ++c) {
                for (int k = 0; k < 8; ++k) {
                    const int nib = (d[at + 4 * c + k / 2] >> (4 * (k & 1))) & 15;
                    const int step = steps[index[c]];
                    int diff = step >> 3;
                    if (nib & 4) diff += step;
                    if (nib & 2) diff += step >> 1;
                    if (nib & 1) diff += step >> 2;
                    pred[c] = std::clamp(pred[c] + ((nib & 8) ? -diff : diff), -32768, 32767);
                    index[c] = std::clamp(index[c] + adjust[nib & 7], 0, 88);
                    chan[c].push_back(static_cast<int16_t>(pred[c]));
                }
            }
        }
        for (int i = 0; i < perBlock; ++i)
            for (int c = 0; c < ch; ++c) out.push_back(chan[c][i]);
    }
    return out;
}

std::vector<int16_t> DecodeMs(const uint8_t* d, size_t size, int ch, int block, const int16_t* coefs) {
    static const int adapt[16] = {230, 230, 230, 230, 307, 409, 512, 614, 768, 614, 512, 409, 307, 230, 230, 230};
    std::vector<int16_t> out;
    for (size_t b = 0; b + block <= size; b += block) {
        std::vector<int> pred(ch), delta(ch), s1(ch), s2(ch);
        size_t at = b;
        for (int c = 0; c < ch; ++c) pred[c] = d[at++];
        for (int c = 0; c < ch; ++c, at += 2) delta[c] = static_cast<int16_t>(GetU16(d + at));
        for (int c = 0; c < ch; ++c, at += 2) s1[c] = static_cast<int16_t>(GetU16(d + at));
        for (int c = 0; c < ch; ++c, at += 2) s2[c] = static_cast<int16_t>(GetU16(d + at));
        for (int c = 0; c < ch; ++c) out.push_back(static_cast<int16_t>(s2[c]));
        for (int c = 0; c < ch; ++c) out.push_back(static_cast<int16_t>(s1[c]));
        int c = 0;
        for (; at < b + block; ++at) {
            for (int half = 0; half < 2; ++half) {
                int nib = half == 0 ? d[at] >> 4 : d[at] & 15;
                const int signedNib = nib >= 8 ? nib - 16 : nib;
                const int p = (s1[c] * coefs[2 * pred[c]] + s2[c] * coefs[2 * pred[c] + 1]) >> 8;
                const int v = std::clamp(p + signedNib * delta[c], -32768, 32767);
                delta[c] = std::max(16, (adapt[nib] * delta[c]) >> 8);
                s2[c] = s1[c];
                s1[c] = v;
                out.push_back(static_cast<int16_t>(v));
                c = (c + 1) % ch;
            }
        }
    }
    return out;
}

double SignalToNoise(const std::vector<int16_t>& ref, const std::vector<int16_t>& got) {
    double signal = 0, noise = 0;
    for (size_t i = 0; i < ref.size(); ++i) {
        signal += double(ref[i]) * ref[i];
        noise += (double(ref[i]) - got.at(i)) * (double(ref[i]) - got.at(i));
    }
    return 10 * std::log10(signal / std::max(noise, 1.0));
}

TEST(WaveWriter, PcmFormatsCarryTheirFields) {
    const auto s = Sine(101, 2);
    const auto w16 = WaveWriter::Encode(s, {44100, 2, WaveEncoding::Pcm16});
    auto m = ChunkMap(w16);
    ASSERT_TRUE(m.count("fmt ") && m.count("data"));
    const uint8_t* fmt = &w16[m["fmt "].at];
    EXPECT_EQ(GetU16(fmt), 1);
    EXPECT_EQ(GetU16(fmt + 2), 2);
    EXPECT_EQ(GetU32(fmt + 4), 44100u);
    EXPECT_EQ(GetU32(fmt + 8), 44100u * 4);
    EXPECT_EQ(GetU16(fmt + 14), 16);
    EXPECT_EQ(m["data"].size, 101u * 4);
    EXPECT_EQ(static_cast<int16_t>(GetU16(&w16[m["data"].at + 4 * 50 + 2])), s[101]);

    // 101 mono 8-bit frames make an odd data chunk, padded by one byte.
    const auto w8 = WaveWriter::Encode(Sine(101, 1), {22050, 1, WaveEncoding::Pcm8});
    m = ChunkMap(w8);
    EXPECT_EQ(m["data"].size, 101u);
    EXPECT_EQ(w8.size(), m["data"].at + 102);
    EXPECT_EQ(w8[m["data"].at + 1], static_cast<uint8_t>((Sine(101, 1)[1] >> 8) + 128));
}

TEST(WaveWriter, ChunkOrderAndOddChunks) {
    const auto w = WaveWriter::Encode(Sine(64, 1), {22050, 1, WaveEncoding::Pcm16, true, true});
    const auto chunks = Chunks(w);
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(chunks[0].first, "data");
    EXPECT_EQ(chunks[1].first, "note");
    EXPECT_EQ(chunks[1].second.size % 2, 1u);
    EXPECT_EQ(w[chunks[1].second.at + chunks[1].second.size], 0);  // the pad byte
    EXPECT_EQ(chunks[2].first, "fmt ");
}

TEST(WaveWriter, AdpcmDecodesBackCloseToTheSignal) {
    for (const int ch : {1, 2}) {
        const auto s = Sine(3000, ch);
        const auto ima = WaveWriter::Encode(s, {22050, ch, WaveEncoding::ImaAdpcm});
        auto m = ChunkMap(ima);
        const uint8_t* fmt = &ima[m["fmt "].at];
        ASSERT_EQ(GetU16(fmt), 0x11);
        const int block = GetU16(fmt + 12), perBlock = GetU16(fmt + 18);
        EXPECT_EQ(block, 256 * ch);
        EXPECT_EQ(perBlock, 505);
        EXPECT_EQ(GetU32(&ima[m["fact"].at]), 3000u);
        auto decoded = DecodeIma(&ima[m["data"].at], m["data"].size, ch, block, perBlock);
        EXPECT_GT(SignalToNoise(s, decoded), 25.0) << ch;

        const auto ms = WaveWriter::Encode(s, {22050, ch, WaveEncoding::MsAdpcm});
        m = ChunkMap(ms);
        fmt = &ms[m["fmt "].at];
        ASSERT_EQ(GetU16(fmt), 2);
        ASSERT_EQ(GetU16(fmt + 16), 32);
        EXPECT_EQ(GetU16(fmt + 18), 500);
        EXPECT_EQ(GetU16(fmt + 20), 7);
        int16_t coefs[14];
        for (int i = 0; i < 14; ++i) coefs[i] = static_cast<int16_t>(GetU16(fmt + 22 + 2 * i));
        decoded = DecodeMs(&ms[m["data"].at], m["data"].size, ch, GetU16(fmt + 12), coefs);
        EXPECT_GT(SignalToNoise(s, decoded), 25.0) << ch;
    }
}

}  // namespace
}  // namespace vn
