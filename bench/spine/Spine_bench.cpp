// The frame loop on the headless driver against real time, and the
// presentation's 5-6-5 rotation against a plain copy of the same bytes.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <vector>

#include <unistd.h>

#include "engine/frame/GameSystem.h"
#include "engine/platform/headless/HeadlessPlatform.h"
#include "engine/platform/host/HostFileSystem.h"

namespace vn {
namespace {

using Clock = std::chrono::steady_clock;

// 10,000 frames through the whole loop (messages, idle steps, the virtual
// clock, shut-down with the configuration write).
void HeadlessFrames(benchmark::State& state, const BuildProfile& profile) {
    const auto dir = std::filesystem::temp_directory_path() / ("vn_bench_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const uint32_t frames = 10000;
    double wallSeconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        HeadlessPlatform platform(profile, *InternalPath(dir.string()) + "\\", {});
        GameSystem game(platform);
        game.windowAlive = true;
        platform.OpenDisplay();
        game.screen.properties = platform.GetDisplayProperties();
        game.InitGame();
        game.afterFrame = [&] {
            game.dirtyList.push_back({0, 0, 64, 64});  // a little presentation every frame
            if (game.frame == frames) game.RequestClose();
        };
        benchmark::DoNotOptimize(game.MessageLoop());
        game.config.Flush();
        wallSeconds += std::chrono::duration<double>(Clock::now() - start).count();
    }
    std::filesystem::remove_all(dir);
    const double simulated = frames * GameSystem::kFramePeriodMs / 1000.0 * state.iterations();
    state.counters["frames_per_s"] = frames * state.iterations() / wallSeconds;
    state.counters["x_real_time"] = simulated / wallSeconds;  // reference: the frames' own 16 ms
}

// A whole-screen presentation against memcpy of the frame buffer's bytes.
void PresentWholeScreen(benchmark::State& state, const BuildProfile& profile) {
    HeadlessPlatform platform(profile, "\\nowhere\\", {});
    platform.OpenDisplay();
    Screen screen;
    screen.Init(profile.logicalWidth, profile.logicalHeight);
    screen.properties = platform.GetDisplayProperties();
    for (size_t i = 0; i < screen.backBuffer.size(); ++i) screen.backBuffer[i] = static_cast<uint8_t>(i * 7);
    std::vector<uint8_t> from(screen.backBuffer.size() * 2 / 3), to(from.size());
    const int rounds = 200;
    const auto refStart = Clock::now();
    for (int i = 0; i < rounds; ++i) {
        std::memcpy(to.data(), from.data(), to.size());
        benchmark::ClobberMemory();
    }
    const double reference = std::chrono::duration<double>(Clock::now() - refStart).count() / rounds;
    double spent = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        PresentWhole(platform, screen);
        benchmark::ClobberMemory();
        spent += std::chrono::duration<double>(Clock::now() - start).count();
    }
    state.counters["x_memcpy"] = spent / state.iterations() / reference;
}

BENCHMARK_CAPTURE(HeadlessFrames, sigmarion3, Sigmarion3Profile())->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(HeadlessFrames, pocketpc, PocketPcProfile())->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(PresentWholeScreen, sigmarion3, Sigmarion3Profile())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PresentWholeScreen, pocketpc, PocketPcProfile())->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vn

BENCHMARK_MAIN();
