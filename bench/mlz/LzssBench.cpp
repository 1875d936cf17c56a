// LZSS compress/expand speed against zlib (deflate level 6 / inflate) on the
// same corpus in the same run; prints the speed ratios and compression ratios.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "formats/mlz/LzssCompressor.h"
#include "formats/mlz/LzssExpander.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Compiled-script-like: opcodes, small operands and Shift-JIS message text.
Bytes ScriptCorpus() {
    std::mt19937 rng(1);
    const std::vector<std::string> lines = {
        "\x81\x75\x82\xA8\x82\xCD\x82\xE6\x82\xA4\x81\x76",
        "\x8D\xA1\x93\xFA\x82\xE0\x82\xA2\x82\xA2\x93\x56\x8B\x43\x82\xBE\x82\xC8\x81\x42",
        "\x94\xDE\x8F\x97\x82\xCD\x8F\xAD\x82\xB5\x8F\xCE\x82\xC1\x82\xBD\x81\x42",
        "\x82\xBB\x82\xEA\x82\xC5\x82\xE0\x81\x41\x8E\x84\x82\xCD\x91\x4F\x82\xF0\x8C\xA9\x82\xBD\x81\x42"};
    Bytes out;
    while (out.size() < (1u << 20)) {
        out.push_back(static_cast<uint8_t>(rng() % 40));  // opcode
        for (int k = 0; k < 4; ++k) out.push_back(static_cast<uint8_t>(rng() % 8));
        const std::string& text = lines[rng() % lines.size()];
        out.push_back(static_cast<uint8_t>(text.size()));
        out.insert(out.end(), text.begin(), text.end());
    }
    return out;
}

// Picture-like: RGB565 rows of a smooth gradient with sensor noise.
Bytes PictureCorpus() {
    std::mt19937 rng(2);
    Bytes out;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            const int r = (x * 31 / 640 + static_cast<int>(rng() % 2)) & 31;
            const int g = (y * 63 / 480) & 63;
            const int b = ((x + y) * 31 / 1120) & 31;
            const uint16_t v = static_cast<uint16_t>((r << 11) | (g << 5) | b);
            out.push_back(static_cast<uint8_t>(v));
            out.push_back(static_cast<uint8_t>(v >> 8));
        }
    }
    return out;
}

const std::map<std::string, Bytes>& Corpus() {
    static const std::map<std::string, Bytes> corpus = {{"script", ScriptCorpus()},
                                                        {"picture", PictureCorpus()}};
    return corpus;
}

Bytes Deflate(const Bytes& in) {
    uLongf size = compressBound(in.size());
    Bytes out(size);
    compress2(out.data(), &size, in.data(), in.size(), 6);
    out.resize(size);
    return out;
}

void SetSpeed(benchmark::State& state, size_t bytes) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

void LzssCompress(benchmark::State& state, const std::string& kind) {
    const Bytes& in = Corpus().at(kind);
    vn::LzssCompressor compressor;
    size_t packed = 0;
    for (auto _ : state) packed = compressor.Compress(in)->size();
    SetSpeed(state, in.size());
    state.counters["ratio"] = static_cast<double>(packed) / in.size();
}

void ZlibDeflate(benchmark::State& state, const std::string& kind) {
    const Bytes& in = Corpus().at(kind);
    size_t packed = 0;
    for (auto _ : state) packed = Deflate(in).size();
    SetSpeed(state, in.size());
    state.counters["ratio"] = static_cast<double>(packed) / in.size();
}

void LzssExpand(benchmark::State& state, const std::string& kind) {
    const Bytes& in = Corpus().at(kind);
    vn::LzssCompressor compressor;
    const Bytes packed = *compressor.Compress(in);
    vn::LzssExpander expander;
    Bytes out(in.size());
    for (auto _ : state) benchmark::DoNotOptimize(expander.Expand(out, packed));
    SetSpeed(state, in.size());
}

void ZlibInflate(benchmark::State& state, const std::string& kind) {
    const Bytes& in = Corpus().at(kind);
    const Bytes packed = Deflate(in);
    Bytes out(in.size());
    for (auto _ : state) {
        uLongf size = out.size();
        benchmark::DoNotOptimize(uncompress(out.data(), &size, packed.data(), packed.size()));
    }
    SetSpeed(state, in.size());
}

// Keeps each run's bytes per second so the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const auto& run : runs) {
            speed[run.benchmark_name()] = run.counters.at("bytes_per_second");
            auto ratio = run.counters.find("ratio");
            if (ratio != run.counters.end()) size[run.benchmark_name()] = ratio->second;
        }
    }
    std::map<std::string, double> speed;
    std::map<std::string, double> size;
};

}  // namespace

int main(int argc, char** argv) {
    for (const std::string kind : {"script", "picture"}) {
        benchmark::RegisterBenchmark(("LzssCompress/" + kind).c_str(), LzssCompress, kind);
        benchmark::RegisterBenchmark(("ZlibDeflate6/" + kind).c_str(), ZlibDeflate, kind);
        benchmark::RegisterBenchmark(("LzssExpand/" + kind).c_str(), LzssExpand, kind);
        benchmark::RegisterBenchmark(("ZlibInflate/" + kind).c_str(), ZlibInflate, kind);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n%-8s %12s %12s %14s %14s %12s %12s\n", "corpus", "expand MB/s", "/ inflate",
                "compress MB/s", "/ deflate-6", "LZSS size", "zlib size");
    for (const std::string kind : {"script", "picture"}) {
        auto get = [&](const std::map<std::string, double>& m, const std::string& k) {
            auto it = m.find(k + "/" + kind);
            return it == m.end() ? 0.0 : it->second;
        };
        const double expand = get(reporter.speed, "LzssExpand");
        const double inflate = get(reporter.speed, "ZlibInflate");
        const double compress = get(reporter.speed, "LzssCompress");
        const double deflate = get(reporter.speed, "ZlibDeflate6");
        std::printf("%-8s %12.1f %12.2f %14.1f %14.2f %11.1f%% %11.1f%%\n", kind.c_str(),
                    expand / 1e6, inflate > 0 ? expand / inflate : 0.0, compress / 1e6,
                    deflate > 0 ? compress / deflate : 0.0, 100 * get(reporter.size, "LzssCompress"),
                    100 * get(reporter.size, "ZlibDeflate6"));
    }
    return 0;
}
