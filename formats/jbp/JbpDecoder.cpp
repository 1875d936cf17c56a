#include "formats/jbp/JbpDecoder.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "formats/jbp/JbpTransform.h"

namespace vn {
namespace {

constexpr int kLookupBits = 9;
constexpr int64_t kMaxPixels = int64_t{1} << 26;  // far above any picture or movie frame
constexpr size_t kRleCodedMax = 2048;             // 1024 bytes, each at most two coded bytes

constexpr std::array<uint8_t, 256> MakeReverse() {
    std::array<uint8_t, 256> r{};
    for (int i = 0; i < 256; ++i) {
        int v = 0;
        for (int b = 0; b < 8; ++b) v |= ((i >> b) & 1) << (7 - b);
        r[i] = static_cast<uint8_t>(v);
    }
    return r;
}
constexpr std::array<uint8_t, 256> kReverse = MakeReverse();

}  // namespace

// Where the parts of one stream lie, after every size has been checked.
struct JbpDecoder::Streams {
    std::array<uint32_t, kJbpDcSymbols> dcCounts{};
    std::array<uint32_t, kJbpAcSymbols> acCounts{};
    std::span<const uint8_t> dc, ac;
    int64_t blocks = 0;
};

// Bits of 32-bit little-endian words, least significant first. Reads past
// the end give zero bits and mark the reader overrun.
class JbpDecoder::BitReader {
  public:
    explicit BitReader(std::span<const uint8_t> bytes)
        : bytes_(bytes), totalBits_(bytes.size() * 8) {}

    uint32_t Peek(int n) {
        if (count_ < n) Refill();
        return static_cast<uint32_t>(buffer_) & ((1u << n) - 1);
    }
    void Skip(int n) {
        buffer_ >>= n;
        count_ -= n;
        used_ += n;
    }
    uint32_t Bit() {
        const uint32_t b = Peek(1);
        Skip(1);
        return b;
    }
    // n value bits, most significant first.
    uint32_t Value(int n) {
        const uint32_t raw = Peek(n);
        Skip(n);
        const uint32_t reversed = kReverse[raw & 0xFF] << 8 | kReverse[raw >> 8];
        return reversed >> (16 - n);
    }
    bool Overrun() const { return used_ > totalBits_; }

  private:
    void Refill() {
        while (count_ <= 32) {
            uint64_t word = 0;
            if (next_ + 4 <= bytes_.size()) word = GetU32(&bytes_[next_]);
            next_ += 4;
            buffer_ |= word << count_;
            count_ += 32;
        }
    }
    std::span<const uint8_t> bytes_;
    uint64_t totalBits_;
    uint64_t used_ = 0;
    uint64_t buffer_ = 0;
    int count_ = 0;
    size_t next_ = 0;
};

bool JbpDecoder::Fail(const char* message) {
    error_ = message;
    return false;
}

std::optional<JbpHeader> JbpDecoder::ReadHeader(std::span<const uint8_t> stream) {
    if (stream.size() < kJbpHeaderSize) return std::nullopt;
    auto h = ReadRecord<JbpHeader>(stream);
    if (std::memcmp(h.magic, "JBP1", 4) != 0) return std::nullopt;
    return h;
}

bool JbpDecoder::ReadCounts(std::span<const uint8_t> stream, Streams& s) {
    const uint64_t at = header_.tableOffset;
    if (at < kJbpHeaderSize || at > stream.size() || stream.size() - at < kJbpDcSymbols * 4)
        return Fail("DC counts beyond the stream");
    for (int i = 0; i < kJbpDcSymbols; ++i) s.dcCounts[i] = GetU32(&stream[at + i * 4]);
    // AC counts: a zero byte and k stand for k + 1 zero bytes.
    std::array<uint8_t, kJbpAcSymbols * 4> raw{};
    size_t in = at + kJbpDcSymbols * 4, outPos = 0;
    const size_t codedStart = in;
    while (outPos < raw.size()) {
        if (in >= stream.size() || in - codedStart >= kRleCodedMax)
            return Fail("AC counts beyond the stream");
        const uint8_t b = stream[in++];
        if (b != 0) {
            raw[outPos++] = b;
            continue;
        }
        if (in >= stream.size()) return Fail("AC counts beyond the stream");
        const size_t zeros = size_t{stream[in++]} + 1;
        if (zeros > raw.size() - outPos) return Fail("AC counts run past 1024 bytes");
        outPos += zeros;  // raw is already zero
    }
    for (int i = 0; i < kJbpAcSymbols; ++i) s.acCounts[i] = GetU32(&raw[i * 4]);
    size_t next = codedStart + (in - codedStart + 3) / 4 * 4;
    if (header_.flags & kJbpFlagQuantTables) {
        if (next > stream.size() || stream.size() - next < 128)
            return Fail("quantisation tables beyond the stream");
        std::copy_n(&stream[next], 64, quant_[0].begin());
        std::copy_n(&stream[next + 64], 64, quant_[1].begin());
        hasQuant_ = true;
        next += 128;
    } else if (!hasQuant_) {
        return Fail("no quantisation tables in the stream nor from an earlier one");
    }
    const uint64_t dcLen = header_.dcLength, acLen = header_.acLength;
    if (next > stream.size() || dcLen + acLen > stream.size() - next)
        return Fail("DC or AC stream beyond the data");
    if (dcLen % 4 != 0 || acLen % 4 != 0) return Fail("stream length not a multiple of 4");
    s.dc = stream.subspan(next, dcLen);
    s.ac = stream.subspan(next + dcLen, acLen);
    return true;
}

bool JbpDecoder::Prepare(std::span<const uint8_t> stream, Streams& s) {
    auto header = ReadHeader(stream);
    if (!header) return Fail("not a JBP stream");
    header_ = *header;
    if (header_.width == 0 || header_.height == 0) return Fail("JBP picture of zero size");
    if (int64_t{JbpPadded(header_.width)} * JbpPadded(header_.height) > kMaxPixels)
        return Fail("JBP picture too large");
    s.blocks = JbpBlockCount(header_.width, header_.height);
    if (!ReadCounts(stream, s)) return false;
    dcCounts_ = s.dcCounts;
    acCounts_ = s.acCounts;
    // Each block has one DC value and every code is at least one bit long.
    const uint64_t dcTotal = std::accumulate(s.dcCounts.begin(), s.dcCounts.end(), uint64_t{0});
    const uint64_t acTotal = std::accumulate(s.acCounts.begin(), s.acCounts.end(), uint64_t{0});
    if (dcTotal != static_cast<uint64_t>(s.blocks))
        return Fail("DC counts do not match the blocks");
    if (dcTotal > s.dc.size() * 8) return Fail("DC counts exceed the DC stream");
    if (acTotal > s.ac.size() * 8 || acTotal > static_cast<uint64_t>(s.blocks) * 63)
        return Fail("AC counts exceed the AC stream");
    if (!dcTree_.Build(s.dcCounts) || !acTree_.Build(s.acCounts)) return Fail("counts too large");
    BuildLookup(dcTree_, dcLookup_);
    BuildLookup(acTree_, acLookup_);
    return DecodeDc(s);
}

void JbpDecoder::BuildLookup(const JbpTree& tree, std::vector<Lookup>& lookup) {
    lookup.resize(size_t{1} << kLookupBits);
    for (uint32_t bits = 0; bits < lookup.size(); ++bits) {
        int node = tree.Root(), length = 0;
        while (!tree.IsLeaf(node) && length < kLookupBits)
            node = tree.Child(node, (bits >> length++) & 1);
        lookup[bits] = {static_cast<uint16_t>(node), static_cast<uint8_t>(length)};
    }
}

// The symbol, or -1 when the walk ran past the stream's end.
int JbpDecoder::DecodeSymbol(BitReader& bits, const JbpTree& tree,
                             const std::vector<Lookup>& lookup) {
    const Lookup e = lookup[bits.Peek(kLookupBits)];
    bits.Skip(e.length);
    int node = e.node;
    while (!tree.IsLeaf(node)) {
        node = tree.Child(node, static_cast<int>(bits.Bit()));
        if (bits.Overrun()) return -1;
    }
    return bits.Overrun() ? -1 : node;
}

inline int ValueOf(uint32_t b, int c) {
    if (c == 0) return 0;
    return b >= (1u << (c - 1)) ? static_cast<int>(b) : static_cast<int>(b) - (1 << c) + 1;
}

bool JbpDecoder::DecodeDc(const Streams& s) {
    BitReader bits(s.dc);
    dc_.resize(static_cast<size_t>(s.blocks));
    int16_t previous = 0;
    for (auto& dc : dc_) {
        const int c = DecodeSymbol(bits, dcTree_, dcLookup_);
        if (c < 0) return Fail("DC stream ends early");
        // The decoder keeps 16-bit DC values; sums wrap as they do there.
        previous = static_cast<int16_t>(previous + ValueOf(bits.Value(c), c));
        if (bits.Overrun()) return Fail("DC stream ends early");
        dc = previous;
    }
    return true;
}

// Decodes one block's AC symbols; put(natural index, value) receives every
// coefficient the stream sets.
template <class Put>
bool JbpDecoder::DecodeAc(BitReader& bits, Put put) {
    for (int pos = 1; pos < 64;) {
        const int symbol = DecodeSymbol(bits, acTree_, acLookup_);
        if (symbol < 0) return Fail("AC stream ends early");
        if (symbol == 0) break;
        if (symbol >= 0xF0) {
            pos += (symbol & 15) + 15;
            if (pos > 64) return Fail("AC zero run past the end of a block");
            continue;
        }
        pos += symbol >> 4;
        if (pos > 63) return Fail("AC coefficient past the end of a block");
        const int c = symbol & 15;
        put(kJbpZigZag[pos++], ValueOf(bits.Value(c), c));
    }
    return bits.Overrun() ? Fail("AC stream ends early") : true;
}

std::optional<JbpCoefficients> JbpDecoder::DecodeCoefficients(std::span<const uint8_t> stream) {
    Streams s;
    if (!Prepare(stream, s)) return std::nullopt;
    JbpCoefficients out;
    out.width = header_.width;
    out.height = header_.height;
    out.quality = static_cast<int>(header_.quality);
    out.quant = quant_;
    out.blocks.resize(static_cast<size_t>(s.blocks) * 64);
    BitReader bits(s.ac);
    for (int64_t b = 0; b < s.blocks; ++b) {
        int16_t* levels = &out.blocks[b * 64];
        levels[0] = dc_[b];
        if (!DecodeAc(bits, [&](int at, int v) { levels[at] = static_cast<int16_t>(v); }))
            return std::nullopt;
    }
    return out;
}

std::optional<std::vector<uint16_t>> JbpDecoder::JbpDecode(std::span<const uint8_t> stream) {
    Streams s;
    if (!Prepare(stream, s)) return std::nullopt;
    // Allocated only once the counts have shown that the streams can fill it.
    std::vector<uint16_t> out(static_cast<size_t>(JbpPadded(header_.width)) *
                              JbpPadded(header_.height));
    if (!DecodePixels(s, out)) return std::nullopt;
    return out;
}

bool JbpDecoder::JbpDecode(std::span<const uint8_t> stream, std::span<uint16_t> out) {
    Streams s;
    return Prepare(stream, s) && DecodePixels(s, out);
}

bool JbpDecoder::DecodePixels(const Streams& s, std::span<uint16_t> out) {
    const int stride = JbpPadded(header_.width), mbWide = stride / 16;
    const int mbHigh = JbpPadded(header_.height) / 16;
    if (out.size() < static_cast<size_t>(stride) * mbHigh * 16)
        return Fail("output buffer too small");
    BitReader bits(s.ac);
    int32_t blocks[6][64];
    const int16_t* dc = dc_.data();
    for (int my = 0; my < mbHigh; ++my) {
        for (int mx = 0; mx < mbWide; ++mx) {
            for (int b = 0; b < 6; ++b) {
                const auto& q = quant_[b < 4 ? 0 : 1];
                int32_t* block = blocks[b];
                // Dequantised values are bounded to 16 bits, which no real
                // coefficient reaches, so that no sum of the transform can
                // overflow.
                bool hasAc = false;
                auto put = [&](int at, int v) {
                    block[at] = std::clamp(v * q[at], -32768, 32767);
                    hasAc = true;
                };
                std::fill_n(block, 64, 0);
                put(0, *dc++);
                hasAc = false;
                if (!DecodeAc(bits, put)) return false;
                if (hasAc) {
                    JbpInverseTransform(block);
                } else {
                    // What the transform gives for a block without AC terms.
                    std::fill_n(block, 64, block[0] >> 3);
                }
            }
            ColourMacroblock(
                blocks, &out[(size_t{static_cast<size_t>(my)} * 16) * stride + mx * 16], stride);
        }
    }
    return true;
}

// JFIF pairing: C1 (Cb) weights blue with 1.772, C2 (Cr) red with 1.402, in
// 16-bit fixed point with arithmetic shifts; one chroma sample covers 2 × 2
// luminance samples. Clamping to 0..255 and packing are done with plain
// arithmetic, which gives what the 768-entry tables give and lets the
// compiler work on whole rows.
void JbpDecoder::ColourMacroblock(int32_t blocks[6][64], uint16_t* out, int stride) {
    for (int cy = 0; cy < 8; ++cy) {
        int32_t b[16], r[16], g[16];
        for (int x = 0; x < 16; ++x) {
            const int64_t cb = blocks[4][cy * 8 + x / 2], cr = blocks[5][cy * 8 + x / 2];
            b[x] = static_cast<int32_t>((cb * 116129) >> 16);
            r[x] = static_cast<int32_t>((cr * 91881) >> 16);
            g[x] = static_cast<int32_t>((cb * 22553 + cr * 46801) >> 16);
        }
        for (int dy = 0; dy < 2; ++dy) {
            const int y = cy * 2 + dy;
            uint16_t* row = out + static_cast<size_t>(y) * stride;
            for (int half = 0; half < 2; ++half) {
                const int32_t* luma = blocks[(y / 8) * 2 + half] + (y % 8) * 8;
                for (int x = 0; x < 8; ++x) {
                    const int32_t yv = luma[x] + 128;
                    const int32_t blue = std::clamp(yv + b[half * 8 + x], 0, 255);
                    const int32_t green = std::clamp(yv - g[half * 8 + x], 0, 255);
                    const int32_t red = std::clamp(yv + r[half * 8 + x], 0, 255);
                    row[half * 8 + x] =
                        static_cast<uint16_t>((red & 0xF8) << 8 | (green & 0xFC) << 3 | blue >> 3);
                }
            }
        }
    }
}

}  // namespace vn
