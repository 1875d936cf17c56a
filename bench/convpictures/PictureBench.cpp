// Picture conversion speed by stage (bitmap decode, alpha, scale, RBP/JBP
// writing, LZSS compression) for a 640 × 480 background and a 32-bit
// standing picture with its mask, at 50 % and 100 % and quality 0 and 2.
// Each stage is also given as a multiple of a plain copy of the same bitmap
// measured in the same run, and the slowest stage is named at the end.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "converter/picture/ConvPicture.h"
#include "converter/picture/PictureFixtures.h"
#include "formats/mlz/LzssCompressor.h"
#include "formats/rbp/RbpWriter.h"

namespace {

using Bytes = std::vector<uint8_t>;
using vn::ConvPicture;

struct Case {
    std::string name;
    Bytes bitmap;  // the PAC entry
    Bytes mask;    // empty: near-black keying
    int percent;
    int quality;
};

// A photo-like background: smooth gradients with a little noise.
Bytes Background() {
    std::mt19937 rng(3);
    return vn::BmpFile(640, 480, 24, [&](int x, int y) {
        const int n = static_cast<int>(rng() % 6);
        return std::vector<int>{(x * 200 / 640 + n) & 255, (y * 220 / 480 + n) & 255,
                                ((x + y) * 255 / 1120 + n) & 255};
    });
}

bool InFigure(int x, int y) {
    const int dx = x - 200, dy = y - 300;
    return dx * dx * 4 + dy * dy < 180 * 180 * 4 / 3;
}

// A standing figure on black: 400 × 600, 32-bit, with a matching mask.
Bytes Stand() {
    std::mt19937 rng(4);
    return vn::BmpFile(400, 600, 32, [&](int x, int y) {
        if (!InFigure(x, y)) return std::vector<int>{0, 0, 0, 0};
        const int n = static_cast<int>(rng() % 4);
        return std::vector<int>{120 + n, (150 + y / 8) & 255, 200 - x / 4, 0};
    });
}

Bytes StandMask() {
    Bytes m(400 * 600);
    for (int row = 0; row < 600; ++row) {
        for (int x = 0; x < 400; ++x) m[row * 400 + x] = InFigure(x, 599 - row) ? 255 : 0;
    }
    return m;
}

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = [] {
        std::vector<Case> out;
        const Bytes bg = Background(), stand = Stand(), mask = StandMask();
        for (int percent : {50, 100}) {
            for (int quality : {0, 2}) {
                const std::string suffix =
                    "/" + std::to_string(percent) + "%/q" + std::to_string(quality);
                out.push_back({"background" + suffix, bg, {}, percent, quality});
                out.push_back({"stand" + suffix, stand, mask, percent, quality});
            }
        }
        return out;
    }();
    return cases;
}

ConvPicture Decode(const Case& c) { return *ConvPicture::FromBitmap(c.bitmap); }

void Alpha(const Case& c, ConvPicture& p) {
    if (c.mask.empty() || !p.AlphaFromMask(c.mask)) p.KeyNearBlack();
}

ConvPicture Scaled(const Case& c) {
    ConvPicture p = Decode(c);
    Alpha(c, p);
    p.Scale(c.percent, ConvPicture::ScaleMode::AllPixels);
    return p;
}

Bytes Rbp(const Case& c, const ConvPicture& p) {
    return *vn::RbpFromPicture(p.Picture(), c.quality, 0, 0);
}

enum class Stage { Copy, Decode, Alpha, Scale, Rbp, Compress, Whole };
const char* const kStageNames[] = {"copy", "decode", "alpha", "scale", "rbp", "compress", "whole"};

void Run(benchmark::State& state, const Case& c, Stage stage) {
    const ConvPicture decoded = Decode(c);
    ConvPicture keyed = decoded;
    Alpha(c, keyed);
    const ConvPicture scaled = Scaled(c);
    const Bytes rbp = Rbp(c, scaled);
    vn::LzssCompressor compressor;
    Bytes copy(c.bitmap.size());
    for (auto _ : state) {
        switch (stage) {
            case Stage::Copy:
                std::memcpy(copy.data(), c.bitmap.data(), copy.size());
                benchmark::ClobberMemory();
                break;
            case Stage::Decode:
                benchmark::DoNotOptimize(Decode(c));
                break;
            case Stage::Alpha: {
                ConvPicture p = decoded;  // the copy is part of the measured work
                Alpha(c, p);
                benchmark::DoNotOptimize(p);
                break;
            }
            case Stage::Scale: {
                ConvPicture p = keyed;
                p.Scale(c.percent, ConvPicture::ScaleMode::AllPixels);
                benchmark::DoNotOptimize(p);
                break;
            }
            case Stage::Rbp:
                benchmark::DoNotOptimize(Rbp(c, scaled));
                break;
            case Stage::Compress:
                benchmark::DoNotOptimize(compressor.Compress(rbp));
                break;
            case Stage::Whole: {
                const Bytes out = Rbp(c, Scaled(c));
                benchmark::DoNotOptimize(compressor.Compress(out));
                break;
            }
        }
    }
    const double pixels = static_cast<double>(decoded.Width()) * decoded.Height();
    state.SetItemsProcessed(state.iterations());
    state.counters["Mpix/s"] = benchmark::Counter(
        pixels / 1e6 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// Keeps each run's CPU time per picture for the summary.
class StageReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        // CPU time in µs (the benchmarks' unit), as the machine is shared.
        for (const auto& run : runs)
            seconds[run.benchmark_name()] = run.GetAdjustedCPUTime() * 1e-6;
    }
    std::map<std::string, double> seconds;
};

}  // namespace

int main(int argc, char** argv) {
    for (const Case& c : Cases()) {
        for (int s = 0; s <= static_cast<int>(Stage::Whole); ++s) {
            const std::string name = c.name + "/" + kStageNames[s];
            benchmark::RegisterBenchmark(name.c_str(), Run, c, static_cast<Stage>(s))
                ->Unit(benchmark::kMicrosecond);
        }
    }
    benchmark::Initialize(&argc, argv);
    StageReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n%-22s %9s %9s %8s %8s %8s %8s %8s  %s\n", "case", "pics/s", "Mpix/s", "decode",
                "alpha", "scale", "rbp", "compress",
                "slowest (stage times as multiples of a copy)");
    for (const Case& c : Cases()) {
        auto time = [&](int s) {
            auto it = reporter.seconds.find(c.name + "/" + kStageNames[s]);
            return it == reporter.seconds.end() ? 0.0 : it->second;
        };
        const double copy = time(0), whole = time(static_cast<int>(Stage::Whole));
        if (copy <= 0 || whole <= 0) continue;
        const double pixels = c.mask.empty() ? 640.0 * 480 : 400.0 * 600;
        int slowest = 1;
        std::printf("%-22s %9.1f %9.2f", c.name.c_str(), 1 / whole, pixels / whole / 1e6);
        for (int s = 1; s <= static_cast<int>(Stage::Compress); ++s) {
            std::printf(" %8.1f", time(s) / copy);
            if (time(s) > time(slowest)) slowest = s;
        }
        std::printf("  %s (%.0f%% of the whole)\n", kStageNames[slowest],
                    100 * time(slowest) / whole);
    }
    return 0;
}
