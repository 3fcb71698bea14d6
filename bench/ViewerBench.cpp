// How long the two steps of every navigation command take: reading the window
// from the dump, and drawing it into the preview. A scan at 1 ms a step needs
// both well under a millisecond for the largest picture the preview shows.

#include "viewer/Decoder.h"
#include "viewer/FlashWindow.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

namespace {

std::vector<std::uint8_t> Noise(std::size_t size)
{
    std::mt19937 random(7);
    std::vector<std::uint8_t> bytes(size);
    for (auto& b : bytes)
        b = static_cast<std::uint8_t>(random());
    return bytes;
}

// The widest geometry the preview can show in each mode: 128 x 185 pixels.
void BM_DecodePreview(benchmark::State& run)
{
    const auto mode = static_cast<std::int32_t>(run.range(0));
    const std::int32_t rowBits = mode == 1 ? 128 : 256;
    const std::vector<std::uint8_t> window = Noise(static_cast<std::size_t>(rowBits) * 185);
    bitloom::Preview preview;
    for (auto _ : run) {
        bitloom::DecodePreview({mode, rowBits, rowBits, 185, window}, 0xF0F0F0, preview);
        benchmark::DoNotOptimize(preview.pixels.data());
    }
}
BENCHMARK(BM_DecodePreview)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

// A geometry far wider than the preview: the walk must stop at what it can show.
void BM_DecodeHugeWindow(benchmark::State& run)
{
    const std::vector<std::uint8_t> window = Noise(1998 * 999);
    bitloom::Preview preview;
    for (auto _ : run) {
        bitloom::DecodePreview({2, 1998, 1998, 999, window}, 0xF0F0F0, preview);
        benchmark::DoNotOptimize(preview.pixels.data());
    }
}
BENCHMARK(BM_DecodeHugeWindow)->Unit(benchmark::kMicrosecond);

// One window read of the largest 2 bpp picture (47,360 bytes) from a 16 MiB
// dump in the page cache: open, one positioned read, close.
void BM_ReadWindow(benchmark::State& run)
{
    const auto path = std::filesystem::temp_directory_path() / "bitloom-bench-dump.bin";
    {
        const std::vector<std::uint8_t> dump = Noise(16 << 20);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(dump.data()), static_cast<std::streamsize>(dump.size()));
    }
    bitloom::ViewState state;
    state.FlashPath = path;
    state.RowBits = 256;
    state.RowCount = 185;
    std::int32_t offset = 0;
    for (auto _ : run) {
        bitloom::ReadWindow(state, offset);
        offset = (offset + 4099) % (15 << 20);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_ReadWindow)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
