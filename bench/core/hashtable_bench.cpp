// util::Hashtable against std::unordered_map with string keys like the game's names.
#include "lang/Integer.h"
#include "lang/Ref.h"
#include "util/Hashtable.h"

#include <benchmark/benchmark.h>

#include <string>
#include <unordered_map>
#include <vector>

namespace {

std::vector<std::string> makeKeys(int count)
{
    std::vector<std::string> keys;
    for (int i = 0; i < count; ++i)
        keys.push_back((i % 2 ? "button_" : "IDS_TEXT_") + std::to_string(i));
    return keys;
}

void HashtablePut(benchmark::State& state)
{
    const std::vector<std::string> keys = makeKeys(static_cast<int>(state.range(0)));
    lang::Ref<lang::Integer> value = lang::adopt(new lang::Integer(1));
    for (auto _ : state) {
        lang::Ref<util::Hashtable> table = lang::adopt(new util::Hashtable());
        for (const std::string& key : keys)
            table->put(key.c_str(), value.get());
        benchmark::DoNotOptimize(table->size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void HashtableGet(benchmark::State& state)
{
    const std::vector<std::string> keys = makeKeys(static_cast<int>(state.range(0)));
    lang::Ref<lang::Integer> value = lang::adopt(new lang::Integer(1));
    util::Hashtable table;
    for (const std::string& key : keys)
        table.put(key.c_str(), value.get());
    for (auto _ : state) {
        for (const std::string& key : keys)
            benchmark::DoNotOptimize(table.get(key.c_str()));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void UnorderedMapPut(benchmark::State& state)
{
    const std::vector<std::string> keys = makeKeys(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::unordered_map<std::string, int> table;
        for (const std::string& key : keys)
            table.emplace(key, 1);
        benchmark::DoNotOptimize(table.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void UnorderedMapGet(benchmark::State& state)
{
    const std::vector<std::string> keys = makeKeys(static_cast<int>(state.range(0)));
    std::unordered_map<std::string, int> table;
    for (const std::string& key : keys)
        table.emplace(key, 1);
    for (auto _ : state) {
        for (const std::string& key : keys)
            benchmark::DoNotOptimize(table.find(key));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(HashtablePut)->Arg(100)->Arg(1000)->Arg(5000);
BENCHMARK(HashtableGet)->Arg(100)->Arg(1000)->Arg(5000);
BENCHMARK(UnorderedMapPut)->Arg(100)->Arg(1000)->Arg(5000);
BENCHMARK(UnorderedMapGet)->Arg(100)->Arg(1000)->Arg(5000);

} // namespace

BENCHMARK_MAIN();
