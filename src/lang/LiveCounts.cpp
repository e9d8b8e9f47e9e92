#include "lang/LiveCounts.h"

#include <mutex>

namespace lang {

namespace {

struct Counters {
    std::mutex mutex;
    std::map<std::string, std::atomic<int32_t>> byKind;
};

Counters& counters()
{
    static Counters* all = new Counters; // never destroyed: objects may end after static data
    return *all;
}

} // namespace

std::atomic<int32_t>& LiveCounts::of(const char* kind)
{
    Counters& all = counters();
    std::lock_guard<std::mutex> lock(all.mutex);
    return all.byKind[kind];
}

std::map<std::string, int32_t> LiveCounts::snapshot()
{
    Counters& all = counters();
    std::lock_guard<std::mutex> lock(all.mutex);
    std::map<std::string, int32_t> counts;
    for (const auto& [kind, count] : all.byKind)
        counts[kind] = count.load();
    return counts;
}

} // namespace lang
