// Loading a sprite table of 2,000 sprites naming 300 pictures, all inside a container that
// starts hidden: the pictures are read for their size only and decoded when first drawn.
#include "lang/PackageFiles.h"
#include "lang/ResourceFile.h"
#include "PngWriter.h"
#include "sprite/DataLoader.h"
#include "sprite/DialogSprite.h"
#include "sprite/GameCanvas3.h"
#include "window/raster/PixelImage.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int PictureCount = 300;
constexpr int SpriteCount = 2000;

std::string pngBytes(int seed)
{
    lang::Ref<window::ImageBase> image = lang::adopt<window::ImageBase>(new window::PixelImage(64, 64));
    for (int i = 0; i < 64 * 64; ++i)
        image->getPixels()[i] = 0xFF000000u | uint32_t(seed * 2654435761u + i * 40503u);
    std::vector<uint8_t> bytes;
    window::encodePng(*image, bytes);
    return std::string(bytes.begin(), bytes.end());
}

// A package of the two tables and the pictures, written once for the whole run.
class BenchPackage {
public:
    BenchPackage()
    {
        char pattern[] = "/tmp/kipto2-table-bench-XXXXXX";
        folder = mkdtemp(pattern) ? pattern : "/tmp";
        std::vector<testing_support::Item> items;
        items.push_back({"top", "<sprites> Screen DialogSprite:+screen 0 0 800 600 0 0 <end>"});
        std::string screen = "<sprites>\n";
        for (int i = 0; i < SpriteCount; ++i)
            screen += "s" + std::to_string(i) + " Sprite pic" + std::to_string(i % PictureCount) + " "
                + std::to_string(i % 800) + " " + std::to_string(i % 600) + "\n";
        items.push_back({"screen", screen});
        for (int i = 0; i < PictureCount; ++i)
            items.push_back({"pic" + std::to_string(i), pngBytes(i)});
        std::ofstream(folder + "/bench.bin", std::ios::binary) << testing_support::packageBytes(items);
        lang::ResourceFile::add(lang::String((folder + "/bench.bin").c_str()));
    }
    ~BenchPackage()
    {
        lang::ResourceFile::closeAll();
        std::filesystem::remove_all(folder);
    }

private:
    std::string folder;
};

void BM_LoadHiddenTable(benchmark::State& state)
{
    static BenchPackage package;
    lang::Ref<sprite::GameCanvas3> canvas = lang::adopt(new sprite::GameCanvas3);
    for (auto _ : state) {
        lang::Ref<sprite::DataLoader> loader = lang::adopt(new sprite::DataLoader("", canvas.get(), nullptr));
        const int32_t total = loader->countItems("+top");
        if (!loader->load("+top") || total != SpriteCount + 1)
            state.SkipWithError("the table did not load");
        benchmark::DoNotOptimize(loader->getSpriteList());
    }
    state.counters["sprites"] = SpriteCount;
    state.counters["pictures"] = PictureCount;
}
BENCHMARK(BM_LoadHiddenTable)->Unit(benchmark::kMillisecond);

// The same pictures decoded when the screen is first shown, for comparison.
void BM_FirstShowDecodesPictures(benchmark::State& state)
{
    static BenchPackage package;
    lang::Ref<sprite::GameCanvas3> canvas = lang::adopt(new sprite::GameCanvas3);
    for (auto _ : state) {
        state.PauseTiming();
        lang::Ref<sprite::DataLoader> loader = lang::adopt(new sprite::DataLoader("", canvas.get(), nullptr));
        loader->load("+top");
        auto* screen = static_cast<sprite::DialogSprite*>(loader->getSpritesByName()->get("Screen"));
        state.ResumeTiming();
        screen->loadChildImages();
    }
}
BENCHMARK(BM_FirstShowDecodesPictures)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
