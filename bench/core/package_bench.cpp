// Package lookups: a kept text (read once, shared after) and a private 64 KiB item (one seek and
// one read per request), in a package of 2000 items.
#include "PackageWriter.h"

#include "lang/Ref.h"
#include "lang/ResourceFile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// Writes the package once per process and opens it as the default package.
class PackageFixture {
public:
    PackageFixture()
    {
        path = (std::filesystem::temp_directory_path() / ("kipto2-bench-" + std::to_string(getpid()) + ".bin")).string();
        PackageWriter writer;
        std::string error;
        for (int i = 0; i < 2000; ++i)
            writer.add("item_" + std::to_string(i), std::vector<uint8_t>(100, static_cast<uint8_t>(i)), error);
        const std::string text = "Welcome to the shop!";
        std::vector<uint8_t> textBytes(text.begin(), text.end());
        textBytes.push_back(0);
        writer.add("IDS_WELCOME", textBytes, error);
        writer.add("bigpicture", std::vector<uint8_t>(64 * 1024, 0x5A), error);
        writer.write(path, error);
        lang::ResourceFile::add(lang::String(path.c_str()));
    }
    ~PackageFixture()
    {
        lang::ResourceFile::closeAll();
        std::filesystem::remove(path);
    }

    std::string path;
};

lang::ResourceFile& package()
{
    static PackageFixture fixture;
    return *lang::ResourceFile::getDefault();
}

void KeptTextLookup(benchmark::State& state)
{
    lang::ResourceFile& file = package();
    const lang::String name("IDS_WELCOME");
    for (auto _ : state) {
        lang::Ref<lang::ResourceItem> item = lang::adopt(file.getItem(name, true));
        benchmark::DoNotOptimize(item->getData()[0]);
    }
}

void LoadText(benchmark::State& state)
{
    package();
    const lang::String name("IDS_WELCOME");
    for (auto _ : state)
        benchmark::DoNotOptimize(lang::ResourceFile::loadText(name).length());
}

void Private64KiBRead(benchmark::State& state)
{
    lang::ResourceFile& file = package();
    const lang::String name("bigpicture");
    for (auto _ : state) {
        lang::Ref<lang::ResourceItem> item = lang::adopt(file.getItem(name, false));
        benchmark::DoNotOptimize(item->getData()[65535]);
    }
    state.SetBytesProcessed(state.iterations() * 64 * 1024);
}

BENCHMARK(KeptTextLookup);
BENCHMARK(LoadText);
BENCHMARK(Private64KiBRead);

} // namespace

BENCHMARK_MAIN();
