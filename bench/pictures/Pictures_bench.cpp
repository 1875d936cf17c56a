// JBP decoding against libjpeg-turbo decoding the JPEG the JBP stream was
// made from (same run, same picture, both to RGB565), and RBP decoding of
// the plain types in pixels per second.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

// After <cstdio>: jpeglib.h needs FILE.
#include <jpeglib.h>

#include "formats/jbp/JbpDecoder.h"
#include "formats/jbp/JbpEncoder.h"
#include "formats/picture/SamplePicture.h"
#include "formats/rbp/RbpDecoder.h"
#include "formats/rbp/RbpWriter.h"

namespace vn {
namespace {

constexpr int kWidth = 640, kHeight = 480;

struct Fixture {
    std::vector<uint8_t> jpeg, jbp, rgb565, rgb565Alpha;
};

const Fixture& Data() {
    static const Fixture f = [] {
        Fixture d;
        const Bitmap picture = MakeSamplePicture(kWidth, kHeight, 24, 42);
        d.jbp = *JbpEncode(picture, 90, &d.jpeg);
        d.rgb565 = *RbpFromPicture(picture, 0, 0, 0);
        d.rgb565Alpha = *RbpFromPicture(MakeSamplePicture(kWidth, kHeight, 32, 42), 0, 0, 0);
        return d;
    }();
    return f;
}

void SetPixelRate(benchmark::State& state) {
    state.counters["pixels"] =
        benchmark::Counter(double(kWidth) * kHeight, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_JbpDecode(benchmark::State& state) {
    JbpDecoder decoder;
    std::vector<uint16_t> out(size_t{kWidth} * kHeight);
    for (auto _ : state) {
        if (!decoder.JbpDecode(Data().jbp, out)) state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(out.data());
    }
    SetPixelRate(state);
}
BENCHMARK(BM_JbpDecode);

// The reference: integer transform, no fancy upsampling, RGB565 out.
void BM_LibjpegDecode(benchmark::State& state) {
    std::vector<uint16_t> out(size_t{kWidth} * kHeight);
    for (auto _ : state) {
        jpeg_decompress_struct d{};
        jpeg_error_mgr err;
        d.err = jpeg_std_error(&err);
        jpeg_create_decompress(&d);
        jpeg_mem_src(&d, Data().jpeg.data(), static_cast<unsigned long>(Data().jpeg.size()));
        jpeg_read_header(&d, TRUE);
        d.dct_method = JDCT_ISLOW;
        d.do_fancy_upsampling = FALSE;
        d.out_color_space = JCS_RGB565;
        d.dither_mode = JDITHER_NONE;
        jpeg_start_decompress(&d);
        while (d.output_scanline < d.output_height) {
            JSAMPROW row = reinterpret_cast<JSAMPROW>(&out[size_t{d.output_scanline} * kWidth]);
            jpeg_read_scanlines(&d, &row, 1);
        }
        jpeg_finish_decompress(&d);
        jpeg_destroy_decompress(&d);
        benchmark::DoNotOptimize(out.data());
    }
    SetPixelRate(state);
}
BENCHMARK(BM_LibjpegDecode);

void BM_RbpDecode(benchmark::State& state, bool alpha) {
    JbpDecoder jbp;
    RbpPicture picture;
    const auto& bytes = alpha ? Data().rgb565Alpha : Data().rgb565;
    for (auto _ : state) {
        if (!RbpDecode(bytes, 0, picture, jbp)) state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(picture.pixels.data());
    }
    SetPixelRate(state);
}
BENCHMARK_CAPTURE(BM_RbpDecode, type13, false);
BENCHMARK_CAPTURE(BM_RbpDecode, type1, true);

// Prints the usual table and keeps each run's CPU time per iteration (the
// machine may be shared, so CPU time is the fairer measure).
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (r.iterations > 0) seconds[r.benchmark_name()] = r.GetAdjustedCPUTime();
        }
    }
    std::map<std::string, double> seconds;
};

}  // namespace
}  // namespace vn

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    vn::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto jbp = reporter.seconds.find("BM_JbpDecode");
    const auto jpeg = reporter.seconds.find("BM_LibjpegDecode");
    if (jbp != reporter.seconds.end() && jpeg != reporter.seconds.end()) {
        std::printf("JBP decode / libjpeg-turbo decode of the same 640x480 picture: %.2f\n",
                    jbp->second / jpeg->second);
    }
    benchmark::Shutdown();
    return 0;
}
