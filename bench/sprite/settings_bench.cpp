// Speed of the user settings store on a real file: a read, a write, a read-write pair and the
// 9734-byte chunked save of a profile (every write commits with synchronous=FULL).
#include "sprite/User.h"
#include "sprite/settings/sqlite/SqliteSettingsStore.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// A settings folder of its own for the whole run, removed at the end.
class BenchFolder {
public:
    BenchFolder()
    {
        char pattern[] = "/tmp/kipto2-settings-bench-XXXXXX";
        if (mkdtemp(pattern))
            path = pattern;
        setenv("KIPTO2_HOME", path.c_str(), 1);
    }
    ~BenchFolder() { std::filesystem::remove_all(path); }

private:
    std::string path;
};

lang::Ref<sprite::User> openedUser()
{
    auto user = lang::adopt(new sprite::User());
    user->open("Kipto2");
    return user;
}

// Reads one DWORD value by its path.
void BM_GetInt(benchmark::State& state, const char* path)
{
    auto user = openedUser();
    user->setInt(path, 120);
    for (auto _ : state)
        benchmark::DoNotOptimize(user->getInt(path, 0));
}
BENCHMARK_CAPTURE(BM_GetInt, root, "VOLUMEMUSIC");
BENCHMARK_CAPTURE(BM_GetInt, subkey, "Bob\\Blitz\\LEVEL");

void BM_SetIntGetIntPair(benchmark::State& state)
{
    auto user = openedUser();
    int32_t value = 0;
    for (auto _ : state) {
        user->setInt("VOLUMEFX", ++value);
        benchmark::DoNotOptimize(user->getInt("VOLUMEFX", 0));
    }
}
BENCHMARK(BM_SetIntGetIntPair)->Unit(benchmark::kMillisecond);

void BM_ChunkedSave9734(benchmark::State& state)
{
    auto user = openedUser();
    lang::ByteArray save(9734);
    for (int32_t i = 0; i < save.length(); i++)
        save[i] = static_cast<uint8_t>(i * 13);
    for (auto _ : state) {
        save[0]++;
        user->writeChunked("Bob\\userdata", save);
    }
    state.SetBytesProcessed(state.iterations() * save.length());
}
BENCHMARK(BM_ChunkedSave9734)->Unit(benchmark::kMillisecond);

void BM_ChunkedRead9734(benchmark::State& state)
{
    auto user = openedUser();
    user->writeChunked("Bob\\userdata", lang::ByteArray(9734));
    lang::ByteArray loaded;
    for (auto _ : state)
        benchmark::DoNotOptimize(user->readChunked("Bob\\userdata", loaded));
}
BENCHMARK(BM_ChunkedRead9734);

} // namespace

int main(int argc, char** argv)
{
    BenchFolder folder;
    sprite::installSettingsStore(&sprite::SqliteSettingsStore::openFor);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
