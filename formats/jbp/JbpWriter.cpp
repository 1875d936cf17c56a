#include "formats/jbp/JbpWriter.h"

#include <cstdlib>

#include "formats/jbp/JbpTree.h"

namespace vn {
namespace {

// One coded symbol and the value bits that follow it.
struct Coded {
    uint8_t symbol;
    uint8_t bitCount;
    uint16_t bits;
};

int Category(int v) {
    int c = 0;
    for (unsigned a = static_cast<unsigned>(std::abs(v)); a != 0; a >>= 1) ++c;
    return c;
}

// false when v needs more than 15 bits.
bool ValueCode(int v, uint8_t symbolLow, Coded& out) {
    const int c = Category(v);
    if (c > 15) return false;
    out.symbol = static_cast<uint8_t>(symbolLow | c);
    out.bitCount = static_cast<uint8_t>(c);
    out.bits = static_cast<uint16_t>((v < 0 ? v - 1 : v) & ((1 << c) - 1));
    return true;
}

bool CodeAc(const int16_t* block, std::vector<Coded>& out) {
    int run = 0;
    for (int k = 1; k < 64; ++k) {
        const int v = block[kJbpZigZag[k]];
        if (v == 0) {
            ++run;
            continue;
        }
        for (; run > 30; run -= 30) out.push_back({0xFF, 0, 0});
        if (run >= 15) {
            out.push_back({static_cast<uint8_t>(0xF0 + run - 15), 0, 0});
            run = 0;
        }
        Coded c;
        if (!ValueCode(v, static_cast<uint8_t>(run << 4), c)) return false;
        out.push_back(c);
        run = 0;
    }
    if (run > 0) out.push_back({0x00, 0, 0});
    return true;
}

class BitWriter {
  public:
    void Put(uint32_t bit) {
        word_ |= bit << used_;
        if (++used_ == 32) Flush();
    }
    // Value bits go most significant first.
    void PutValue(uint32_t bits, int count) {
        for (int i = count - 1; i >= 0; --i) Put((bits >> i) & 1);
    }
    std::vector<uint8_t> Finish() {
        if (used_ > 0) Flush();
        return std::move(bytes_);
    }

  private:
    void Flush() {
        uint8_t b[4];
        PutU32(b, word_);
        bytes_.insert(bytes_.end(), b, b + 4);
        word_ = 0;
        used_ = 0;
    }
    std::vector<uint8_t> bytes_;
    uint32_t word_ = 0;
    int used_ = 0;
};

std::vector<uint8_t> WriteCodes(const std::vector<Coded>& coded, std::span<const uint32_t> counts,
                                bool& ok) {
    JbpTree tree;
    ok = tree.Build(counts);
    if (!ok) return {};
    const auto codes = tree.Codes();
    BitWriter w;
    for (const Coded& c : coded) {
        for (uint8_t bit : codes[c.symbol]) w.Put(bit);
        w.PutValue(c.bits, c.bitCount);
    }
    return w.Finish();
}

void AppendCountsRle(std::vector<uint8_t>& out, const std::vector<uint32_t>& counts) {
    std::vector<uint8_t> raw(counts.size() * 4);
    for (size_t i = 0; i < counts.size(); ++i) PutU32(&raw[i * 4], counts[i]);
    const size_t start = out.size();
    for (size_t i = 0; i < raw.size();) {
        if (raw[i] != 0) {
            out.push_back(raw[i++]);
            continue;
        }
        size_t run = 1;
        while (run < 256 && i + run < raw.size() && raw[i + run] == 0) ++run;
        out.push_back(0);
        out.push_back(static_cast<uint8_t>(run - 1));
        i += run;
    }
    while ((out.size() - start) % 4 != 0) out.push_back(0);
}

}  // namespace

std::optional<std::vector<uint8_t>> WriteJbpStream(const JbpCoefficients& in) {
    if (in.width < 1 || in.height < 1 || in.width > 65535 || in.height > 65535) return std::nullopt;
    const int64_t blocks = JbpBlockCount(in.width, in.height);
    if (static_cast<int64_t>(in.blocks.size()) != blocks * 64) return std::nullopt;

    std::vector<Coded> dc, ac;
    std::vector<uint32_t> dcCounts(kJbpDcSymbols, 0), acCounts(kJbpAcSymbols, 0);
    dc.reserve(blocks);
    int previous = 0;
    for (int64_t b = 0; b < blocks; ++b) {
        const int16_t* block = &in.blocks[b * 64];
        Coded c;
        if (!ValueCode(block[0] - previous, 0, c)) return std::nullopt;
        previous = block[0];
        dc.push_back(c);
        ++dcCounts[c.symbol];
        const size_t before = ac.size();
        if (!CodeAc(block, ac)) return std::nullopt;
        for (size_t i = before; i < ac.size(); ++i) ++acCounts[ac[i].symbol];
    }
    bool ok = false;
    const std::vector<uint8_t> dcStream = WriteCodes(dc, dcCounts, ok);
    if (!ok) return std::nullopt;
    const std::vector<uint8_t> acStream = WriteCodes(ac, acCounts, ok);
    if (!ok) return std::nullopt;

    JbpHeader h;
    h.quality = static_cast<uint32_t>(in.quality);
    h.width = static_cast<uint16_t>(in.width);
    h.height = static_cast<uint16_t>(in.height);
    h.dcLength = static_cast<uint32_t>(dcStream.size());
    h.acLength = static_cast<uint32_t>(acStream.size());
    std::vector<uint8_t> out(kJbpHeaderSize + kJbpDcSymbols * 4, 0);
    WriteRecord(std::span(out).first(kJbpHeaderSize), h);
    for (int i = 0; i < kJbpDcSymbols; ++i) PutU32(&out[kJbpHeaderSize + i * 4], dcCounts[i]);
    AppendCountsRle(out, acCounts);
    for (const auto& table : in.quant) out.insert(out.end(), table.begin(), table.end());
    out.insert(out.end(), dcStream.begin(), dcStream.end());
    out.insert(out.end(), acStream.begin(), acStream.end());
    return out;
}

}  // namespace vn
